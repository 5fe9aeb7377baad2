// The engine library the desktop program loads: beside the program first, else in the
// installed library folder relative to it.
#include "gui/main/EngineLibraryPath.h"
#include "gui/main/EngineRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace korva::gui {
namespace {

namespace fs = std::filesystem;

class EngineLibraryPathTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::random_device seed;
        root = fs::temp_directory_path() / ("korva engine lookup " + std::to_string(seed()));
        bin = root / "usr" / "bin";
        installed = (bin / InstalledEngineFolder()).lexically_normal();
        fs::create_directories(bin);
        fs::create_directories(installed);
    }
    void TearDown() override { fs::remove_all(root); }
    static void touch(const fs::path& path) { std::ofstream(path) << "library"; }

    fs::path root, bin, installed;
};

TEST_F(EngineLibraryPathTest, InstalledFolderIsTheLibraryFolderBesideBin)
{
    EXPECT_EQ(installed, root / "usr" / "lib" / "korva");
}

TEST_F(EngineLibraryPathTest, BesideTheProgramComesFirstThenTheInstalledFolder)
{
    const fs::path beside = bin / EngineLibraryName;
    const fs::path inLibrary = installed / EngineLibraryName;
    // Neither: the path beside the program, which the run reports as missing.
    EXPECT_EQ(EngineLibraryPath(bin.string()), beside.string());
    touch(inLibrary);
    EXPECT_EQ(EngineLibraryPath(bin.string()), inLibrary.string());
    touch(beside);
    EXPECT_EQ(EngineLibraryPath(bin.string()), beside.string());
    // A folder of the library's name is no library.
    fs::remove(beside);
    fs::create_directory(beside);
    EXPECT_EQ(EngineLibraryPath(bin.string()), inLibrary.string());
}

} // namespace
} // namespace korva::gui
