#include "engine/run/RunAnalysis.h"
#include "engine/run/RunStatus.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

namespace fs = std::filesystem;

std::tm fixedTime()
{
    std::tm time{};
    time.tm_year = 2025 - 1900;
    time.tm_mon = 0;
    time.tm_mday = 31;
    time.tm_hour = 23;
    time.tm_min = 59;
    time.tm_sec = 58;
    return time;
}

const std::string ExampleDeck = test::readText(fs::path(KORVA_EXAMPLES) / "Example.kv8d");

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A project folder with blanks in its name, holding one project with blanks in its name.
struct ProjectFolder
{
    test::TempFolder folder{"korva run test"};
    fs::path project = folder / "pile one.kv8d";
    RunFileNames names;

    explicit ProjectFolder(const std::string& deck = ExampleDeck)
    {
        test::writeText(project, deck);
        names = runFileNamesForProject(project, "2017.8.10");
    }
    std::string read(const fs::path& path) const { return test::readText(path); }
};

TEST(RunAnalysis, RequestCodesOtherThanTenReturnOneAndTouchNoFile)
{
    test::TempFolder folder;
    test::writeText(folder / "names.dat", "");
    for (int32_t code : {0, 11, -10, 9}) {
        EXPECT_EQ(handleEngineRequest(code, folder.path()), StatusBadRequest);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(test::readText(folder / "names.dat"), "");
}

TEST(RunAnalysis, WorkedExampleWritesHeadingAndEchoAndKeepsEveryFile)
{
    ProjectFolder p;
    const RunOutcome outcome = runAnalysis(p.names, fixedTime());
    EXPECT_EQ(outcome.status, StatusNormal) << outcome.message;
    EXPECT_EQ(outcome.title, "Example");

    const std::string report = p.read(p.names.report);
    EXPECT_EQ(report.rfind("     =====", 0), 0u);
    EXPECT_TRUE(contains(report, "     Path to file locations      : " + p.folder.path().string() +
                                     "/\n     Name of input data file     : pile one.kv8d\n"));
    EXPECT_TRUE(contains(report, "Date:  January 31, 2025     Time:  23:59:58\n\n     Example"));
    EXPECT_TRUE(contains(report, "PROPOSED DEPTH =      30.0 FT"));
    EXPECT_TRUE(contains(report, "      MINIMUM SHAFT DIAMETER    =    3.000  FT.\n"));
    EXPECT_TRUE(contains(report, "      ELASTIC MODULUS, Ec       = 0.400E+07 LB/SQ IN\n"));

    const std::string tzReport = p.read(p.names.tzReport);
    EXPECT_EQ(tzReport.rfind("     =====", 0), 0u);
    EXPECT_FALSE(contains(tzReport, "Path to file locations"));
    EXPECT_TRUE(contains(tzReport, "Time and Date of Analysis"));
    EXPECT_TRUE(contains(tzReport, "     Example"));

    for (const auto& output : p.names.outputFiles())
        EXPECT_TRUE(fs::exists(output)) << output;
    EXPECT_TRUE(fs::exists(p.folder / "CHART.DAT"));
    EXPECT_EQ(p.read(p.project), ExampleDeck);
}

TEST(RunAnalysis, TwoRunsInOneProcessWriteTheSameFiles)
{
    ProjectFolder p;
    ASSERT_EQ(runAnalysis(p.names, fixedTime()).status, StatusNormal);
    std::vector<std::string> first;
    for (const auto& output : p.names.outputFiles())
        first.push_back(p.read(output));
    ASSERT_EQ(runAnalysis(p.names, fixedTime()).status, StatusNormal);
    std::vector<std::string> second;
    for (const auto& output : p.names.outputFiles())
        second.push_back(p.read(output));
    EXPECT_EQ(first, second);
}

TEST(RunAnalysis, StaleDiameterCountOfAnEarlierRunIsNotAppended)
{
    ProjectFolder p;
    test::writeText(p.folder / "TZDIAM.DAT", "           3\n");
    ASSERT_EQ(runAnalysis(p.names, fixedTime()).status, StatusNormal);
    // The count this run appends is its own (one diameter), never the 3 left behind.
    const std::string plot = p.read(p.names.plot);
    EXPECT_EQ(plot.find("           3" + std::string(68, ' ') + "\n"), std::string::npos);
}

TEST(RunAnalysis, NamesFileInTheWorkFolderNamesTheRun)
{
    ProjectFolder p;
    writeNamesFile(p.folder / "names.dat", p.names);
    EXPECT_EQ(handleEngineRequest(10, p.folder.path()), StatusNormal);
    EXPECT_TRUE(contains(p.read(p.names.report), "Name of runtime file        : pile one.kv8r"));

    // Relative names are opened in the work folder.
    test::writeText(p.folder / "names.dat", "2017.8.10\npile one.kv8d\na.kv8o\na.kv8p\na.kv8r\n"
                                            "a.kv8z\na.kv8w\na.kv8t\na.kv8q\na.kv8l\n");
    EXPECT_EQ(handleEngineRequest(10, p.folder.path()), StatusNormal);
    EXPECT_TRUE(
        contains(p.read(p.folder / "a.kv8o"), "Name of input data file     : pile one.kv8d"));
}

struct FailingRun
{
    std::string name;
    std::string deck; // project contents ("" with writeProject false: no project)
    bool writeProject;
    int32_t status;
    std::string messagePart;
};

TEST(RunAnalysis, BadInputEndsTheRunWithItsStatusAndAMessageInTheRunNotes)
{
    const std::string head = "T\n1\n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 4000000\n";
    const FailingRun cases[] = {
        {"missing project", "", false, StatusProjectFileUnreadable, "cannot be opened"},
        {"folder as project", "", false, StatusProjectFileUnreadable, "cannot be opened"},
        {"too few values", head + "1 10 30 2.5\n", true, StatusDeckFormatError,
         "ends at line 5 inside the site record (4 of 5 values read)"},
        {"not a number", head + "1 10 thirty 2.5 3\n", true, StatusDeckFormatError,
         "line 5, site record, value 3: \"thirty\" is not a number"},
        {"end of file", head + "1 10 30 2.5 3\n1 50\n", true, StatusDeckFormatError,
         "ends at line 6 inside the property record at the top of layer 1"},
        {"fifty layers", head + "50 10 30 2.5 3\n", true, StatusDeckCountOutOfRange,
         "50 layers; the engine takes 0 to 49 layers"},
    };
    for (const auto& c : cases) {
        ProjectFolder p(c.deck);
        if (!c.writeProject) {
            fs::remove(p.project);
            if (c.name == "folder as project")
                fs::create_directory(p.project);
        }
        const RunOutcome outcome = runAnalysis(p.names, fixedTime());
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_TRUE(contains(outcome.message, c.messagePart)) << c.name << ": " << outcome.message;
        EXPECT_TRUE(contains(outcome.message, p.project.string())) << outcome.message;
        const std::string notes = p.read(p.names.runNotes);
        EXPECT_TRUE(contains(notes, c.messagePart)) << c.name << ": " << notes;
        EXPECT_TRUE(contains(p.read(p.names.report), c.messagePart)) << c.name;
        EXPECT_TRUE(contains(p.read(p.names.report), "Time and Date of Analysis")) << c.name;
    }
}

TEST(RunAnalysis, UnwritableOutputOrOutputOverTheProjectIsRefused)
{
    ProjectFolder p;
    RunFileNames names = p.names;
    names.plot = p.folder / "no such folder" / "x.kv8p";
    RunOutcome outcome = runAnalysis(names, fixedTime());
    EXPECT_EQ(outcome.status, StatusOutputFileFailed);
    EXPECT_TRUE(contains(outcome.message, "no such folder/x.kv8p"));
    EXPECT_TRUE(contains(p.read(names.runNotes), "cannot be created"));

    // A report named like the project would overwrite it; a scratch file named like the plot
    // file would be appended to itself.
    for (auto clash : {&RunFileNames::report, &RunFileNames::tzPlot}) {
        ProjectFolder q;
        RunFileNames same = q.names;
        same.*clash = clash == &RunFileNames::report ? same.projectData : same.plot;
        outcome = runAnalysis(same, fixedTime());
        EXPECT_EQ(outcome.status, StatusOutputFileFailed);
        EXPECT_TRUE(contains(outcome.message, "is named for two files"));
        EXPECT_EQ(q.read(q.project), ExampleDeck);
    }
}

TEST(RunAnalysis, MissingOrShortNamesFileGivesItsStatusAndWritesNothing)
{
    test::TempFolder folder;
    EXPECT_EQ(runFromNamesFile(folder.path()).status, StatusNamesFileMissing);
    EXPECT_TRUE(folder.empty());

    test::writeText(folder / "names.dat", "2017.8.10\nproject.kv8d\nproject.kv8o\n");
    const RunOutcome outcome = runFromNamesFile(folder.path());
    EXPECT_EQ(outcome.status, StatusNamesFileIncomplete);
    EXPECT_TRUE(contains(outcome.message, "ends at line 3"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(RunAnalysis, DesignLoadRunWithMultipleLengthsAnalysesEachDiameterOnce)
{
    // A design-load project (150 tons, diameters 3 to 4 ft) with the multiple-length option set
    // by hand: the walk finds the length, so every diameter is one case; the load of 150 tons is
    // never taken for a series of lengths.
    std::string deck = test::readText(fs::path(KORVA_EXAMPLES) / "ClaySite.kv8d");
    const std::string control = "1 1 1 1 1 2 0 0 0 0 0\r\n";
    const std::string site = "2 15 150 2.5 3\r\n";
    ASSERT_NE(deck.find(control), std::string::npos);
    ASSERT_NE(deck.find(site), std::string::npos);
    deck.replace(deck.find(control), control.size(), "1 1 1 1 1 2 1 0 0 0 0\r\n");
    deck.insert(deck.find(site) + site.size(), "0 0\r\n");
    ProjectFolder p(deck);
    const RunOutcome outcome = runAnalysis(p.names, fixedTime());
    ASSERT_EQ(outcome.status, StatusNormal) << outcome.message;
    ASSERT_EQ(outcome.summary.cases.size(), 3u);
    for (const CaseSummary& c : outcome.summary.cases)
        EXPECT_TRUE(c.reachedFinal);
}

} // namespace
} // namespace korva
