#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/CapacityAnalysis.h"
#include "engine/CoefficientEstimates.h"
#include "engine/DeckRecordReader.h"
#include "engine/InputDeckReader.h"
#include "engine/InputEcho.h"
#include "engine/ReportLayerBlock.h"
#include "engine/RunStatus.h"
#include "engine/RunSummary.h"

using namespace korva;

namespace {

const std::filesystem::path DataFolder = std::filesystem::path(KORVA_TEST_DATA) / "engine";

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Analysed
{
    std::string report;
    std::string runNotes;
    int32_t status = 0;
    AnalysisSummary summary;
};

// Reads a project, writes its input echo and analyses its cases: the report from the title
// down, without the heading of the entry routine.
Analysed analyse(const std::string& project)
{
    std::ifstream deckFile(DataFolder / project);
    DeckRecordReader reader(deckFile, project);
    std::ostringstream report, notes, tz;
    InputDeck deck;
    readInputDeck(reader, DeckEchoTargets{report, notes, tz}, deck);
    writeFactorOfSafetyEcho(report, deck);
    const LayerEstimates estimates = estimateLayerCoefficients(deck);
    writeSoilInformation(report, deck, estimates, {deck.isSI(), deck.NLRFD == 1});
    writeShaftEcho(report, deck);
    writeMultipleLengthEcho(report, deck);
    writeDesignChartEcho(report, deck);
    writeResultsHeading(report);
    const std::filesystem::path rock =
        std::filesystem::temp_directory_path() / ("korva-rock-" + project + ".DAT");
    AnalysisOutputs outputs{report, notes, rock};
    Analysed result;
    result.status = runCapacityAnalysis(deck, estimates, outputs, result.summary, {});
    std::filesystem::remove(rock);
    result.report = report.str();
    result.runNotes = notes.str();
    return result;
}

struct GoldenCase
{
    const char* project;
    int32_t status;
};

class CapacityReportGolden : public ::testing::TestWithParam<GoldenCase>
{
};

} // namespace

TEST_P(CapacityReportGolden, MatchesReviewedReport)
{
    const GoldenCase& c = GetParam();
    const Analysed a = analyse(c.project);
    EXPECT_EQ(a.status, c.status);
    const std::filesystem::path golden =
        DataFolder / (std::filesystem::path(c.project).stem().string() + ".report");
    if (std::getenv("KORVA_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << a.report;
        GTEST_SKIP() << "golden file rewritten";
    }
    EXPECT_EQ(a.report, readFile(golden)) << c.project;
}

INSTANTIATE_TEST_SUITE_P(Projects, CapacityReportGolden,
                         ::testing::Values(GoldenCase{"sand_asd_english.kv8d", StatusNormal},
                                           GoldenCase{"clay_lrfd_si.kv8d", StatusNormal},
                                           GoldenCase{"uplift_clay.kv8d", StatusNormal},
                                           GoldenCase{"belled_clay_sand.kv8d", StatusNormal},
                                           GoldenCase{"rock_socket.kv8d", StatusNormal},
                                           GoldenCase{"design_load_not_reached.kv8d",
                                                      StatusDesignLoadNotReached}));

TEST(CapacityReport, DesignLoadNeverReachedEndsWithNeedAnotherSoilLayer)
{
    const Analysed a = analyse("design_load_not_reached.kv8d");
    const std::string last = "   *********** NEED ANOTHER SOIL LAYER ************\n";
    ASSERT_GE(a.report.size(), last.size());
    EXPECT_EQ(a.report.substr(a.report.size() - last.size()), last);
    EXPECT_NE(a.runNotes.find(last), std::string::npos);
}

TEST(CapacityReport, NoNonFiniteNumberReachesTheReport)
{
    for (const char* project : {"sand_asd_english.kv8d", "clay_lrfd_si.kv8d", "rock_socket.kv8d"}) {
        const Analysed a = analyse(project);
        EXPECT_EQ(a.report.find("nan"), std::string::npos) << project;
        EXPECT_EQ(a.report.find("inf"), std::string::npos) << project;
    }
}

TEST(CapacityReport, ProfileDeeperThanTablesIsRefused)
{
    const std::string deck = "Deep profile\n1 \n2 1 1 5 1 2 0 0 0 0 0\n3 0 0 0 5 1 4000000\n"
                             "1 10 30 2.5 3\n1 520 \n0.0 120 34 0 30 0 0 1 1 \n"
                             "0.0 120 34 0 30 0 0 1 1 \n2 \n0 0 \n";
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "korva-deep.kv8d";
    std::ofstream(file) << deck;
    std::ifstream in(file);
    DeckRecordReader reader(in, "deep");
    std::ostringstream report, notes, tz;
    InputDeck d;
    readInputDeck(reader, DeckEchoTargets{report, notes, tz}, d);
    const std::filesystem::path rock = std::filesystem::temp_directory_path() / "korva-deep.DAT";
    AnalysisOutputs outputs{report, notes, rock};
    AnalysisSummary summary;
    EXPECT_EQ(runCapacityAnalysis(d, estimateLayerCoefficients(d), outputs, summary, {}),
              StatusProfileBeyondTables);
    EXPECT_NE(report.str().find("DEEPER THAN 503 FT"), std::string::npos);
    EXPECT_NE(notes.str().find("DEEPER THAN 503 FT"), std::string::npos);
    std::filesystem::remove(file);
    std::filesystem::remove(rock);
}

TEST(RunSummary, OneLinePerCaseAndJson)
{
    const Analysed a = analyse("sand_asd_english.kv8d");
    ASSERT_EQ(a.summary.cases.size(), 2u); // diameters 3 and 3.5 ft
    const CaseSummary& first = a.summary.cases[0];
    EXPECT_EQ(first.finalRow.length, 30.0f);
    const std::string text = runSummaryText(a.summary, {false, false}, a.status);
    EXPECT_NE(text.find("case 1: diameter 3.00 ft, length 30.00 ft, QS "), std::string::npos);
    EXPECT_NE(text.find(" allowable "), std::string::npos);
    EXPECT_NE(text.find("status 0"), std::string::npos);
    const std::string json = runSummaryJson(a.summary, {false, false}, a.status);
    EXPECT_EQ(json.rfind("{\"status\": 0, \"units\": \"English\", \"design\": \"ASD\", "
                         "\"loading\": \"compression\", \"cases\": [",
                         0),
              0u);
    EXPECT_NE(json.find("\"case\": 2, \"diameter\": 3.5"), std::string::npos);
    EXPECT_EQ(json.find("nan"), std::string::npos);
    const Analysed si = analyse("clay_lrfd_si.kv8d");
    EXPECT_NE(runSummaryJson(si.summary, {true, true}, si.status).find("\"factored\": "),
              std::string::npos);
}
