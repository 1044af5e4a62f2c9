#include "support/platform/Environment.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr const char* kName = "HL_ENVIRONMENT_TEST";

class EnvironmentTest : public ::testing::Test {
protected:
    void TearDown() override { SetTestEnvironment(kName, nullptr); }
};

TEST_F(EnvironmentTest, WrittenValuesAreSeenByLaterReadsAndByGetenvUntilReplaced)
{
    // Non-ASCII UTF-8 and the separators of a search path come back byte for byte.
    const std::string value = "C:\\Program Files\\H\xc3\xbc" "eline;.\\\xe6\x97\xa5\xe6\x9c\xac";
    ASSERT_TRUE(platform::WriteEnvironment(kName, value.c_str()));
    EXPECT_EQ(platform::ReadEnvironment(kName), value);
    ASSERT_NE(std::getenv(kName), nullptr);
    EXPECT_EQ(std::string(std::getenv(kName)), value);
    ASSERT_TRUE(platform::WriteEnvironment(kName, "first"));
    ASSERT_TRUE(platform::WriteEnvironment(kName, "second"));
    EXPECT_EQ(platform::ReadEnvironment(kName), "second");
}

#ifdef _WIN32
// _putenv_s alone hands UTF-8 bytes to the system environment as ANSI text.
TEST_F(EnvironmentTest, RegressionTheSystemEnvironmentHoldsTheSameText)
{
    ASSERT_TRUE(platform::WriteEnvironment(kName, "H\xc3\xbc" "eline \xe6\x97\xa5"));
    wchar_t wide[32] = {};
    ASSERT_EQ(::GetEnvironmentVariableW(L"HL_ENVIRONMENT_TEST", wide, 32), 9u);
    EXPECT_STREQ(wide, L"H\u00fceline \u65e5");
}
#endif

} // namespace
