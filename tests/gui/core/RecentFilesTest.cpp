#include "gui/main/RecentFiles.h"

#include <gtest/gtest.h>

using korva::gui::RecentFiles;

namespace {

RecentFiles Filled(int count)
{
    RecentFiles files;
    for (int i = count; i >= 1; --i)
        files.Add("/p/f" + std::to_string(i) + ".kv8d"); // f1 ends up at the head
    return files;
}

std::vector<std::string> Entries(const RecentFiles& files)
{
    std::vector<std::string> entries;
    for (int i = 0; i < RecentFiles::Capacity; ++i)
        entries.push_back(files.Entry(i));
    return entries;
}

} // namespace

TEST(RecentFilesTest, SameFileTwiceLeavesListUnchanged)
{
    RecentFiles files = Filled(4);
    const auto before = Entries(files);
    files.Add("/p/f1.kv8d");
    EXPECT_EQ(Entries(files), before);
    EXPECT_EQ(files.Count(), 4);
}

TEST(RecentFilesTest, FileAtPositionFiveMovesToHeadAndShiftsOthersDown)
{
    RecentFiles files = Filled(8);
    files.Add("/p/f5.kv8d"); // 0-based position 4: the fifth entry
    const std::vector<std::string> expected{
        "/p/f5.kv8d", "/p/f1.kv8d", "/p/f2.kv8d", "/p/f3.kv8d", "/p/f4.kv8d",
        "/p/f6.kv8d", "/p/f7.kv8d", "/p/f8.kv8d", "",           ""};
    EXPECT_EQ(Entries(files), expected);
}

TEST(RecentFilesTest, EleventhFileDropsTheOldest)
{
    RecentFiles files = Filled(10);
    EXPECT_EQ(files.Count(), 10);
    files.Add("/p/new.kv8d");
    EXPECT_EQ(files.Count(), 10);
    EXPECT_EQ(files.Entry(0), "/p/new.kv8d");
    EXPECT_EQ(files.Entry(1), "/p/f1.kv8d");
    EXPECT_EQ(files.Entry(9), "/p/f9.kv8d"); // f10 dropped
}

TEST(RecentFilesTest, ComparisonIsCaseSensitive)
{
    RecentFiles files = Filled(2);
    files.Add("/p/F2.kv8d");
    EXPECT_EQ(files.Count(), 3);
    EXPECT_EQ(files.Entry(2), "/p/f2.kv8d");
}

TEST(RecentFilesTest, MenuCaptionShortensPathsInCurrentFolder)
{
    RecentFiles files;
    files.Add("/home/u/other/b.kv8d");
    files.Add("/home/u/work/a.kv8d");
    files.Add("/home/u/workshop/c.kv8d");
    EXPECT_EQ(files.MenuCaption(0, "/home/u/work"), "1 /home/u/workshop/c.kv8d");
    EXPECT_EQ(files.MenuCaption(1, "/home/u/work"), "2 a.kv8d");
    EXPECT_EQ(files.MenuCaption(1, "/home/u/work/"), "2 a.kv8d");
    EXPECT_EQ(files.MenuCaption(2, "/home/u/work"), "3 /home/u/other/b.kv8d");
}
