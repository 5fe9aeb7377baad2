#include "gui/main/DynamicLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace korva::gui;

TEST(DynamicLibraryTest, OpensFindsAndCloses)
{
    TDynamicLibrary library;
    EXPECT_FALSE(library.IsOpen());
    library.OpenFile(KORVA_FAKE_ENGINE);
    ASSERT_TRUE(library.IsOpen());
    EXPECT_NE(library.FindProcedure("IKORVA"), nullptr);
    EXPECT_EQ(library.FindProcedure("NoSuchExport"), nullptr);
    library.Open(); // already open: nothing happens
    EXPECT_TRUE(library.IsOpen());
    library.Close();
    EXPECT_FALSE(library.IsOpen());
    library.Close();
}

TEST(DynamicLibraryTest, SettingTheFileNameClosesTheLibrary)
{
    TDynamicLibrary library(KORVA_FAKE_ENGINE, true);
    ASSERT_TRUE(library.IsOpen());
    library.SetFileName(KORVA_NO_ENTRY_LIBRARY);
    EXPECT_FALSE(library.IsOpen());
    library.Open();
    EXPECT_EQ(library.FindProcedure("IKORVA"), nullptr);
}

TEST(DynamicLibraryTest, MissingFileLeavesLibraryClosedAndLookupRaisesNotOpen)
{
    TDynamicLibrary library;
    EXPECT_NO_THROW(library.OpenFile("/nonexistent/libkorvacalc.so"));
    EXPECT_FALSE(library.IsOpen());
    try {
        library.FindProcedure("IKORVA");
        FAIL() << "no exception";
    } catch (const ERunError& error) {
        EXPECT_STREQ(error.what(), "Library is not open");
    }
}

TEST(DynamicLibraryTest, FileThatIsNotALibraryRaisesInitError)
{
    const auto path = std::filesystem::temp_directory_path() / "korva-not-a-library.so";
    std::ofstream(path) << "not a shared object\n";
    TDynamicLibrary library;
    try {
        library.OpenFile(path.string());
        FAIL() << "no exception";
    } catch (const ERunError& error) {
        EXPECT_STREQ(error.what(), "Library failed to properly initialize");
    }
    EXPECT_FALSE(library.IsOpen());
    std::filesystem::remove(path);
}

TEST(DynamicLibraryTest, ErrorMessagesOfTheLoader)
{
    EXPECT_STREQ(ERunError::DependencyMissing, "Library could not be located");
    EXPECT_STREQ(ERunError::InitFailed, "Library failed to properly initialize");
}
