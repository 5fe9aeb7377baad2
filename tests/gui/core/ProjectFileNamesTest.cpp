#include "gui/main/ProjectFileNames.h"

#include <gtest/gtest.h>

using namespace korva::gui;

TEST(ProjectFileNamesTest, CaptionShowsDisplayName)
{
    struct Case
    {
        const char* fileName;
        const char* caption;
    };
    const Case cases[] = {
        {"NewKorva.kv8d", "KORVA 2017.8.10 - NewKorva.kv8d"},
        {"/data/site a/pier.kv8d", "KORVA 2017.8.10 - Pier.kv8d"},
        {"/data/x", "KORVA 2017.8.10 - x"}, // one letter stays as it is
        {"/data/old.kvd", "KORVA 2017.8.10 - Old.kvd"},
        {"/data/typed.kv8", "KORVA 2017.8.10 - Typed"}, // dialog default extension dropped
        {"/data/7th.kv8d", "KORVA 2017.8.10 - 7th.kv8d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MainWindowCaption(c.fileName), c.caption) << c.fileName;
}

TEST(ProjectFileNamesTest, FilterChosenByExtension)
{
    EXPECT_EQ(FilterForExtension("/a/b.KV8D"), ProjectFileFilter::CurrentLayout);
    EXPECT_EQ(FilterForExtension("/a/b.kvd"), ProjectFileFilter::PreviousLayout);
    EXPECT_EQ(FilterForExtension("/a/b.txt"), ProjectFileFilter::NotAProject);
    EXPECT_EQ(FilterForExtension("/a.kv8d/b"), ProjectFileFilter::NotAProject);
}

TEST(ProjectFileNamesTest, CommandLineArgumentWithoutDotGetsDataExtension)
{
    EXPECT_EQ(CommandLineProjectPath("/data/pier"), "/data/pier.kv8d");
    EXPECT_EQ(CommandLineProjectPath("/data/pier.kvd"), "/data/pier.kvd");
    EXPECT_EQ(CommandLineProjectPath("/home/u/.local/pier"), "/home/u/.local/pier.kv8d");
}

TEST(ProjectFileNamesTest, ExtensionAndFolderParts)
{
    EXPECT_EQ(ChangeFileExtension("/a.b/pier.kvd", ".kv8d"), "/a.b/pier.kv8d");
    EXPECT_EQ(ChangeFileExtension("/a.b/pier", ".kv8o"), "/a.b/pier.kv8o");
    EXPECT_EQ(FolderPart("/a/b/pier.kv8d"), "/a/b");
    EXPECT_EQ(FolderPart("/pier.kv8d"), "/");
    EXPECT_EQ(FileNamePart("/a/b/pier.kv8d"), "pier.kv8d");
}
