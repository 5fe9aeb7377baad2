#include "gui/main/EngineRunFiles.h"
#include "gui/main/RunError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace korva::gui;
namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path() / ("korva-runfiles-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<std::string> ReadLines(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(NamesAndScratchFilesTest, NamesFileListsTheRunFilesInEngineOrder)
{
    const fs::path folder = FreshFolder("names");
    const std::string project = (folder / "site a" / "pier 1.kv8d").string();
    fs::create_directories(folder / "site a");
    WriteNamesFile((folder / "site a").string(), project);
    const std::string stem = (folder / "site a" / "pier 1").string();
    const std::vector<std::string> expected{
        "2017.8.10",    project,        stem + ".kv8o", stem + ".kv8p", stem + ".kv8r",
        stem + ".kv8z", stem + ".kv8w", stem + ".kv8t", stem + ".kv8q", stem + ".kv8l"};
    EXPECT_EQ(ReadLines(folder / "site a" / "names.dat"), expected);
    fs::remove_all(folder);
}

TEST(NamesAndScratchFilesTest, NamesFileInMissingFolderThrows)
{
    EXPECT_THROW(WriteNamesFile("/nonexistent-korva-folder", "/nonexistent-korva-folder/a.kv8d"),
                 ERunError);
}

TEST(NamesAndScratchFilesTest, ScratchFilesAreRemovedResultsKept)
{
    const fs::path folder = FreshFolder("scratch");
    const std::string project = (folder / "pier.kv8d").string();
    for (const char* name :
         {"pier.kv8d", "pier.kv8o", "pier.kv8p", "pier.kv8r", "pier.kv8z", "pier.kv8w", "pier.kv8t",
          "pier.kv8q", "pier.kv8l", "TZDIAM.DAT", "CHART.DAT", "names.dat"})
        std::ofstream(folder / name) << "x\n";
    RemoveRunScratchFiles(project);
    RemoveNamesFile(folder.string());
    for (const char* gone :
         {"pier.kv8w", "pier.kv8t", "pier.kv8q", "pier.kv8l", "TZDIAM.DAT", "names.dat"})
        EXPECT_FALSE(fs::exists(folder / gone)) << gone;
    for (const char* kept :
         {"pier.kv8d", "pier.kv8o", "pier.kv8p", "pier.kv8r", "pier.kv8z", "CHART.DAT"})
        EXPECT_TRUE(fs::exists(folder / kept)) << kept;
    RemoveRunScratchFiles(project); // nothing left to remove: no error
    fs::remove_all(folder);
}
