#include "support/AtomicFile.h"

#include "support/FileName.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

class AtomicFileTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(Folder::Resolve(m_temporary.Utf8(), m_folder)); }

    TemporaryFolder m_temporary;
    Folder m_folder;
};

TEST_F(AtomicFileTest, CreatesANewFileButNeverOverAnExistingOne)
{
    EXPECT_EQ(AtomicFile::Write(m_folder, "new.press", "text\n", false),
              AtomicFile::Result::Written);
    EXPECT_EQ(m_temporary.Entries(), std::vector<std::string> {"new.press"});
#ifndef _WIN32
    EXPECT_EQ(m_temporary.Read("new.press"), "text\n");
#endif
    m_temporary.Write("old.press", "old");
    EXPECT_EQ(AtomicFile::Write(m_folder, "old.press", "new", false),
              AtomicFile::Result::TargetExists);
    EXPECT_EQ(m_temporary.Read("old.press"), "old");
    EXPECT_EQ(m_temporary.Entries().size(), 2u);
}

TEST_F(AtomicFileTest, ReplacingOverwritesTheWholeFileAndAMissingFolderFails)
{
    m_temporary.Write("old.press", "a much longer old content");
    EXPECT_EQ(AtomicFile::Write(m_folder, "old.press", "new", true), AtomicFile::Result::Written);
    EXPECT_EQ(m_temporary.Read("old.press"), "new");
    EXPECT_EQ(m_temporary.Entries(), std::vector<std::string> {"old.press"});
    Folder missing;
    ASSERT_TRUE(Folder::Resolve(FileName::Join(m_temporary.Utf8(), "missing"), missing));
    EXPECT_EQ(AtomicFile::Write(missing, "x.press", "text", true), AtomicFile::Result::Failed);
    EXPECT_EQ(m_temporary.Entries(), std::vector<std::string> {"old.press"});
}

} // namespace
