#include "engine/run/RunFailure.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korva {
namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(RunFiles, BannerShowsTheVersionPaddedOrCutToTwelveCharacters)
{
    for (const auto& [version, shown] :
         {std::pair<std::string, std::string>{"2017.8.10", "2017.8.10   "},
          {"2017.8.10 build 1234", "2017.8.10 bu"}}) {
        std::ostringstream out;
        writeBanner(out, version);
        const auto banner = lines(out.str());
        ASSERT_GE(banner.size(), 10u);
        EXPECT_EQ(banner[0], "     " + std::string(73, '='));
        EXPECT_EQ(banner[1], "");
        EXPECT_EQ(banner[2], std::string(20, ' ') + "  KORVA for Windows, Version " + shown);
        EXPECT_EQ(banner[4], std::string(20, ' ') + "VERTICALLY LOADED DRILLED SHAFT ANALYSIS");
        EXPECT_EQ(banner[banner.size() - 3], banner[0]);
        EXPECT_EQ(banner[banner.size() - 2], "");
        EXPECT_EQ(banner.back(), "");
    }
}

TEST(RunFiles, FileBlockKeepsBlanksInPathsAndCutsExtensionsToFiveCharacters)
{
    RunFileNames names = runFileNamesForProject("/home/eng/my projects/pile one.kv8d", "x");
    names.plot = "/home/eng/my projects/pile one.plotdata";
    names.runNotes = "/elsewhere/notes";
    names.report = "/home/eng/my projects/pile two .kv8o"; // a base name ending in a blank
    std::ostringstream out;
    writeFileBlock(out, names);
    EXPECT_EQ(out.str(), "     Path to file locations      : /home/eng/my projects/\n"
                         "     Name of input data file     : pile one.kv8d\n"
                         "     Name of output file         : pile two.kv8o\n"
                         "     Name of plot output file    : pile one.plot\n"
                         "     Name of runtime file        : notes\n"
                         "\n\n");
}

TEST(RunFiles, TimeBlockWritesMonthNameAndTwoDigitFields)
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 7;
    time.tm_min = 4;
    time.tm_sec = 9;
    std::ostringstream out;
    writeTimeBlock(out, time);
    const std::string rule = "     " + std::string(73, '-');
    EXPECT_EQ(out.str(), rule + "\n" + std::string(26, ' ') + "Time and Date of Analysis\n" + rule +
                             "\n\n" + std::string(15, ' ') +
                             "Date:  March 05, 2024     Time:  07:04:09\n\n");
}

TEST(RunFiles, ScratchLinesAreAppendedAsEightyCharacterRecords)
{
    test::TempFolder folder;
    const std::string line95(95, 'x');
    test::writeText(folder / "lines.kv8t", line95 + "\n" + std::string(20, 'y') + "\r\n\nlast");
    test::writeText(folder / "empty.kv8q", "");
    std::ostringstream out;
    appendAs80CharacterRecords(folder / "lines.kv8t", out);
    appendAs80CharacterRecords(folder / "empty.kv8q", out);
    appendAs80CharacterRecords(folder / "missing.kv8l", out);
    EXPECT_EQ(out.str(), std::string(80, 'x') + "\n" + std::string(20, 'y') + std::string(60, ' ') +
                             "\n" + std::string(80, ' ') + "\n" + "last" + std::string(76, ' ') +
                             "\n");
}

TEST(RunFiles, NamesFileGivesVersionAndNinePathsWithoutTrailingBlanks)
{
    test::TempFolder folder;
    test::writeText(folder / "names.dat",
                    "2017.8.10 and more\r\n/a b/c d.kv8d   \r\nr.kv8o\nq.kv8p"
                    "\nq.kv8r\nq.kv8z\nq.kv8w\nq.kv8t\nq.kv8q\nq.kv8l\nignored\n");
    const RunFileNames names = readNamesFile(folder / "names.dat", folder.path());
    EXPECT_EQ(names.versionText, "2017.8.10 an");
    EXPECT_EQ(names.projectData, "/a b/c d.kv8d");
    EXPECT_EQ(names.report, "r.kv8o");
    EXPECT_EQ(names.plot, "q.kv8p");
    EXPECT_EQ(names.loadSettlementPlot, "q.kv8l");
    EXPECT_EQ(names.resolve(names.report), folder / "r.kv8o");
    EXPECT_EQ(names.resolve(names.projectData), "/a b/c d.kv8d");

    // What the names file writer writes, the reader reads back.
    writeNamesFile(folder / "again.dat", names);
    const RunFileNames again = readNamesFile(folder / "again.dat", folder.path());
    EXPECT_EQ(again.outputFiles(), names.outputFiles());
}

TEST(RunFiles, MissingOrShortNamesFileIsARunFailure)
{
    test::TempFolder folder;
    try {
        readNamesFile(folder / "names.dat", folder.path());
        ADD_FAILURE();
    } catch (const RunFailure& failure) {
        EXPECT_EQ(failure.status(), StatusNamesFileMissing);
        EXPECT_NE(std::string(failure.what()).find("names.dat"), std::string::npos);
    }
    test::writeText(folder / "names.dat", "2017.8.10\na.kv8d\nb\nc\nd\n");
    try {
        readNamesFile(folder / "names.dat", folder.path());
        ADD_FAILURE();
    } catch (const RunFailure& failure) {
        EXPECT_EQ(failure.status(), StatusNamesFileIncomplete);
        EXPECT_NE(std::string(failure.what()).find("ends at line 5"), std::string::npos);
    }
    // A path of 256 characters is refused rather than cut to the name of another file; 255
    // characters and trailing blanks beyond them are taken.
    const std::string longest = "/" + std::string(254, 'p');
    test::writeText(folder / "names.dat",
                    "2017.8.10\n" + longest + "   \nb\nc\nd\ne\nf\ng\nh\n" + longest + "q\n");
    try {
        readNamesFile(folder / "names.dat", folder.path());
        ADD_FAILURE();
    } catch (const RunFailure& failure) {
        EXPECT_EQ(failure.status(), StatusNamesFileMissing);
        EXPECT_NE(std::string(failure.what()).find("line 10: the path is longer than 255"),
                  std::string::npos);
    }
    test::writeText(folder / "names.dat",
                    "2017.8.10\n" + longest + "   \nb\nc\nd\ne\nf\ng\nh\ni\n");
    EXPECT_EQ(readNamesFile(folder / "names.dat", folder.path()).projectData, longest);
}

TEST(RunFiles, ProjectNamesReplaceTheExtensionAsTheDesktopProgramDoes)
{
    const RunFileNames names = runFileNamesForProject("/p q/site.v2.kv8d", "2017.8.10");
    EXPECT_EQ(names.report, "/p q/site.v2.kv8o");
    EXPECT_EQ(names.plot, "/p q/site.v2.kv8p");
    EXPECT_EQ(names.runNotes, "/p q/site.v2.kv8r");
    EXPECT_EQ(names.tzReport, "/p q/site.v2.kv8z");
    EXPECT_EQ(names.qwReport, "/p q/site.v2.kv8w");
    EXPECT_EQ(names.tzPlot, "/p q/site.v2.kv8t");
    EXPECT_EQ(names.qwPlot, "/p q/site.v2.kv8q");
    EXPECT_EQ(names.loadSettlementPlot, "/p q/site.v2.kv8l");
    EXPECT_EQ(names.workFile("CHART.DAT"), "/p q/CHART.DAT");
    // The extension runs from the last dot of the file name, a leading dot included.
    for (const auto& [project, report] :
         {std::pair<const char*, const char*>{"/p/.kv8d", "/p/.kv8o"},
          {"/p.q/site", "/p.q/site.kv8o"},
          {"site.kv8d", "site.kv8o"}})
        EXPECT_EQ(runFileNamesForProject(project, "x").report, report) << project;
    EXPECT_EQ(scratchFiles(names), (std::vector<std::filesystem::path>{
                                       "/p q/TZDIAM.DAT", "/p q/site.v2.kv8w", "/p q/site.v2.kv8t",
                                       "/p q/site.v2.kv8q", "/p q/site.v2.kv8l"}));
}

} // namespace
} // namespace korva
