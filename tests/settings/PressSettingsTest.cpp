#include "settings/PressSettings.h"

#include "settings/PressError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PressSettingsTest, NamesOverTwoHundredFiftyFiveBytesAreRefused)
{
    EXPECT_EQ(PressSettings(std::string(255, 'x')).Name.size(), 255u);
    EXPECT_THROW(PressSettings(std::string(256, 'x')), PressError);
    // 128 two-byte characters: 128 characters but 256 bytes.
    std::string accented;
    for (int i = 0; i < 128; ++i)
        accented += "\xC3\xA9";
    EXPECT_THROW(PressSettings {accented}, PressError);
}

} // namespace
