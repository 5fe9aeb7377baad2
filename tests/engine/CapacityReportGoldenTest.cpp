#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "NonFiniteText.h"
#include "TempFolder.h"
#include "engine/output/RunSummary.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

using namespace korva;

namespace {

namespace fs = std::filesystem;

const fs::path DataFolder = fs::path(KORVA_TEST_DATA) / "engine";

struct Analysed
{
    std::string report;
    std::string runNotes;
    std::string plot;
    RunOutcome outcome;
};

// Replaces the rest of every line that starts with label by "<masked>".
std::string masked(std::string text, const std::string& label)
{
    for (std::size_t at = text.find(label); at != std::string::npos;
         at = text.find(label, at + 1)) {
        if (at != 0 && text[at - 1] != '\n')
            continue;
        const std::size_t end = text.find('\n', at);
        const std::size_t from = at + label.size();
        text.replace(from, (end == std::string::npos ? text.size() : end) - from, "<masked>");
    }
    return text;
}

// The whole report as a person sees it, with the lines that depend on the machine and the
// clock masked: the folder of the project and the date and time of the run.
std::string comparable(const std::string& report)
{
    return masked(masked(report, "     Path to file locations      : "), "               Date:  ");
}

// Runs a project of the test data through the engine as the command line does, in a folder
// of its own.
Analysed analyse(const std::string& project, const std::string& deckText = {})
{
    test::TempFolder folder{"korva golden"};
    const fs::path file = folder / project;
    if (deckText.empty())
        fs::copy_file(DataFolder / project, file);
    else
        test::writeText(file, deckText);
    const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
    Analysed result;
    result.outcome = runAnalysis(names);
    result.report = test::readText(names.report);
    result.runNotes = test::readText(names.runNotes);
    result.plot = test::readText(names.plot);
    return result;
}

struct GoldenCase
{
    const char* project;
    int32_t status;
};

void PrintTo(const GoldenCase& c, std::ostream* out)
{
    *out << c.project << ", status " << c.status;
}

class CapacityReportGolden : public ::testing::TestWithParam<GoldenCase>
{
};

} // namespace

TEST_P(CapacityReportGolden, MatchesReviewedReport)
{
    const GoldenCase& c = GetParam();
    const Analysed a = analyse(c.project);
    EXPECT_EQ(a.outcome.status, c.status) << a.outcome.message;
    const fs::path golden = DataFolder / (fs::path(c.project).stem().string() + ".report");
    const std::string report = comparable(a.report);
    if (std::getenv("KORVA_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << report;
        GTEST_SKIP() << "golden file rewritten";
    }
    EXPECT_EQ(report, test::readText(golden)) << c.project;
}

INSTANTIATE_TEST_SUITE_P(Projects, CapacityReportGolden,
                         ::testing::Values(GoldenCase{"sand_asd_english.kv8d", StatusNormal},
                                           GoldenCase{"clay_lrfd_si.kv8d", StatusNormal},
                                           GoldenCase{"uplift_clay.kv8d", StatusNormal},
                                           GoldenCase{"belled_clay_sand.kv8d", StatusNormal},
                                           GoldenCase{"rock_socket.kv8d", StatusNormal},
                                           GoldenCase{"decomposed_rock_socket.kv8d", StatusNormal},
                                           GoldenCase{"weak_rock_socket.kv8d", StatusNormal},
                                           GoldenCase{"design_chart_sand.kv8d", StatusNormal},
                                           GoldenCase{"multiple_lengths_sand.kv8d", StatusNormal},
                                           GoldenCase{"design_load_not_reached.kv8d",
                                                      StatusDesignLoadNotReached}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             // The project's name without its extension names the test.
                             std::string name = fs::path(info.param.project).stem().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(CapacityReport, MaskingKeepsEverythingButTheFolderAndTheClock)
{
    const std::string report = "     Path to file locations      : /home/a/\n"
                               "               Date:  May 1, 2024     Time:  10:00:00\n"
                               "  Date:  stays\n";
    EXPECT_EQ(comparable(report), "     Path to file locations      : <masked>\n"
                                  "               Date:  <masked>\n"
                                  "  Date:  stays\n");
}

TEST(CapacityReport, DesignLoadNeverReachedEndsWithNeedAnotherSoilLayer)
{
    const Analysed a = analyse("design_load_not_reached.kv8d");
    const std::string last = "   *********** NEED ANOTHER SOIL LAYER ************\n";
    ASSERT_GE(a.report.size(), last.size());
    EXPECT_EQ(a.report.substr(a.report.size() - last.size()), last);
    EXPECT_NE(a.runNotes.find(last), std::string::npos);
    EXPECT_EQ(a.outcome.summary.cases.size(), 1u);
    EXPECT_FALSE(a.outcome.summary.cases[0].reachedFinal);
    // The case that never reached the design load leaves no record in the plot file.
    EXPECT_EQ(a.plot, "");
}

TEST(CapacityReport, NoNonFiniteNumberReachesTheReport)
{
    for (const char* project : {"sand_asd_english.kv8d", "clay_lrfd_si.kv8d", "rock_socket.kv8d"}) {
        const Analysed a = analyse(project);
        EXPECT_FALSE(test::containsNonFiniteNumber(a.report)) << project;
    }
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(CapacityReport, InputErrorsOfTheLayersInTheRunNotes)
{
    // Two diameters over sand without N and friction angle at its top (0 -> 10 ft) and clay
    // weighing 40 pcf (10 -> 40 ft). The sand error comes from the layer ends, once per run; the
    // unit-weight error from every slice the walk takes through the clay: 30 per case.
    const std::string deck = "Input errors\n1 \n2 1 1 5 1 2 0 0 0 0 0\n3 3.5 0 0 5 1 4000000\n"
                             "2 50 30 2.5 3\n1 10 \n0 120 0 0 0 0 0 1 1 \n"
                             "0 120 30 0 10 0 0 1 1 \n2 \n0 0 \n2 40 \n"
                             "0 40 0 1500 0 0 0 1 1 \n0 40 0 1500 0 0 0 1 1 \n0 0 \n";
    const Analysed a = analyse("input_errors.kv8d", deck);
    ASSERT_EQ(a.outcome.status, StatusNormal) << a.outcome.message;
    ASSERT_EQ(a.outcome.summary.cases.size(), 2u);
    EXPECT_EQ(
        occurrences(a.runNotes, "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS"),
        1u);
    EXPECT_EQ(
        occurrences(a.runNotes, "PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM"),
        60u);
}

TEST(CapacityReport, ShortWeakRockSocketWarnsAtEverySliceAndOncePerCaseInTheReport)
{
    // Weak rock from 15 to 18 ft with a 4-ft socket: L/D = 6.5 / 4 = 1.63 for the 3-ft shaft
    // and 1.39 for the 3.5-ft one. Three slices per case in the run notes; the report's rock
    // messages take the warning once per case, the flag being cleared between the cases.
    const std::string deck =
        "Short weak-rock socket, two diameters\n1 \n2 1 1 2 1 2 0 0 0 0 0\n"
        "3 3.5 0 0 5 1 4000000\n3 10 30 2.5 3\n2 15 \n0 120 0.0 1200 0 0 0 1 1 \n"
        "0 120 0.0 1600 0 0 0 1 1 \n0 0\n6 18 \n36000 1 7 30 4 0 100000 60 0 1 1 \n"
        "36000 1 7 30 4 0 100000 65 0 1 1 \n2 40 \n0 120 0.0 2000 0 0 0 1 1 \n"
        "0 120 0.0 2400 0 0 0 1 1 \n0 0\n";
    const Analysed a = analyse("short_socket.kv8d", deck);
    ASSERT_EQ(a.outcome.status, StatusNormal) << a.outcome.message;
    const std::string ratio = "SOCKET LENGTH/SOCKET DIAMETER = ";
    EXPECT_EQ(occurrences(a.runNotes, ratio), 6u);
    EXPECT_EQ(occurrences(a.report, ratio), 2u);
    EXPECT_NE(a.report.find(ratio + "     1.63"), std::string::npos);
    EXPECT_NE(a.report.find(ratio + "     1.39"), std::string::npos);
}

TEST(CapacityReport, ProfileDeeperThanTablesIsRefusedWithStatus8)
{
    // A 500-ft profile whose ignored bottom portion of 5 ft reaches below 503 ft.
    const std::string deck = "Deep profile\n1 \n2 1 1 5 1 2 0 0 0 0 0\n3 0 0 0 5 5 4000000\n"
                             "1 10 30 2.5 3\n1 500 \n0.0 120 34 0 30 0 0 1 1 \n"
                             "0.0 120 34 0 30 0 0 1 1 \n2 \n0 0 \n";
    const Analysed a = analyse("deep.kv8d", deck);
    EXPECT_EQ(a.outcome.status, StatusProfileBeyondTables);
    EXPECT_EQ(a.outcome.status, 8);
    EXPECT_NE(a.report.find("DEEPER THAN 503 FT"), std::string::npos);
    EXPECT_NE(a.runNotes.find("DEEPER THAN 503 FT"), std::string::npos);
    EXPECT_TRUE(a.outcome.summary.cases.empty());
}

// A run that the analysis itself ends has written its reasons in its own words; the framed
// error block and the failure message belong to failures that nothing else reports.
TEST(CapacityReport, EachEarlyEndIsReportedOnce)
{
    const std::string sand = "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";
    const std::string tzDepthBelowProfile = "Additional t-z\n1 \n2 1 1 1 1 2 0 0 0 0 1\n"
                                            "3 3 0 0 5 1 4000000\n1 10 30 2.5 3\n" +
                                            sand + "1\n60\n";
    const std::string deep = "Deep profile\n1 \n2 1 1 5 1 2 0 0 0 0 0\n3 0 0 0 5 5 4000000\n"
                             "1 10 30 2.5 3\n1 500 \n0.0 120 34 0 30 0 0 1 1 \n"
                             "0.0 120 34 0 30 0 0 1 1 \n2 \n0 0 \n";
    const std::string notAnInteger = "Format error\n1 \n2.5 1 1 1 1 2 0 0 0 0 0\n";
    struct Case
    {
        const char* project;
        std::string deck;
        int32_t status;
        const char* ownWords; // the analysis' own text, or nullptr for a framed failure
    };
    const Case cases[] = {
        {"design_load_not_reached.kv8d", {}, StatusDesignLoadNotReached, "NEED ANOTHER SOIL LAYER"},
        {"deep.kv8d", deep, StatusProfileBeyondTables, "DEEPER THAN 503 FT"},
        {"tz_depth.kv8d", tzDepthBelowProfile, StatusTzBeyondProfile, "IS BEYOND THE EXTENT"},
        {"format.kv8d", notAnInteger, StatusDeckFormatError, nullptr},
    };
    const std::string framed = "THE ANALYSIS CANNOT PROCEED.";
    for (const Case& c : cases) {
        const Analysed a = analyse(c.project, c.deck);
        EXPECT_EQ(a.outcome.status, c.status) << c.project;
        if (c.ownWords) {
            EXPECT_NE(a.report.find(c.ownWords), std::string::npos) << c.project;
            EXPECT_TRUE(a.outcome.message.empty()) << c.project << ": " << a.outcome.message;
            EXPECT_EQ(occurrences(a.report, framed), 0u) << c.project;
            EXPECT_EQ(occurrences(a.runNotes, framed), 0u) << c.project;
        } else {
            EXPECT_FALSE(a.outcome.message.empty()) << c.project;
            EXPECT_EQ(occurrences(a.report, framed), 1u) << c.project;
            EXPECT_EQ(occurrences(a.runNotes, framed), 1u) << c.project;
            EXPECT_NE(a.report.find(a.outcome.message), std::string::npos) << c.project;
        }
    }
}

TEST(RunSummary, OneLinePerCaseAndJson)
{
    const Analysed a = analyse("sand_asd_english.kv8d");
    const AnalysisSummary& summary = a.outcome.summary;
    ASSERT_EQ(summary.cases.size(), 2u); // diameters 3 and 3.5 ft
    const CaseSummary& first = summary.cases[0];
    EXPECT_EQ(first.finalRow.length, 30.0f);
    const std::string text = runSummaryText(summary, {false, false, false}, a.outcome.status);
    EXPECT_NE(text.find("case 1: diameter 3.00 ft, length 30.00 ft, QS "), std::string::npos);
    EXPECT_NE(text.find(" allowable "), std::string::npos);
    EXPECT_NE(text.find("status 0"), std::string::npos);
    const std::string json = runSummaryJson(summary, {false, false, false}, a.outcome.status);
    EXPECT_EQ(json.rfind("{\"status\": 0, \"units\": \"English\", \"design\": \"ASD\", "
                         "\"loading\": \"compression\", \"cases\": [",
                         0),
              0u);
    EXPECT_NE(json.find("\"case\": 2, \"diameter\": 3.5"), std::string::npos);
    EXPECT_FALSE(test::containsNonFiniteNumber(json));

    const Analysed si = analyse("clay_lrfd_si.kv8d");
    EXPECT_TRUE(si.outcome.si && si.outcome.lrfd);
    EXPECT_NE(runSummaryJson(si.outcome.summary, {true, true, false}, 0).find("\"factored\": "),
              std::string::npos);

    const Analysed uplift = analyse("uplift_clay.kv8d");
    EXPECT_TRUE(uplift.outcome.uplift);
    EXPECT_NE(runSummaryText(uplift.outcome.summary, {false, false, true}, 0).find(", WT "),
              std::string::npos);
}
