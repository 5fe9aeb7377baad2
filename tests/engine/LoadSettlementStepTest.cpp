// The load-settlement section of a case as a whole run writes it: additional t-z curves,
// curve failures, socket data without a finite solution, and the curve code of the plot file
// when the first soil-tip case comes after cases with a rock tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "NonFiniteText.h"
#include "TempFolder.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

using namespace korva;

namespace {

namespace fs = std::filesystem;

struct Files
{
    RunOutcome outcome;
    std::string report;
    std::string plot;
    std::string runNotes;
};

Files runDeck(const std::string& deck)
{
    test::TempFolder folder{"korva load settlement"};
    const fs::path file = folder / "shaft.kv8d";
    test::writeText(file, deck);
    const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
    Files f;
    f.outcome = runAnalysis(names);
    f.report = test::readText(names.report);
    f.plot = test::readText(names.plot);
    f.runNotes = test::readText(names.runNotes);
    return f;
}

std::vector<std::string> lines(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

const std::string Sand = "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";

std::string sandWithTzDepths(const std::string& depths)
{
    return "Additional t-z\n1 \n2 1 1 1 1 2 0 0 0 0 1\n3 3 0 0 5 1 4000000\n1 10 30 2.5 3\n" +
           Sand + depths;
}

} // namespace

TEST(LoadSettlementStep, AdditionalTzCurvesPrecedeTheLoadSettlementCurves)
{
    const Files f = runDeck(sandWithTzDepths("2\n10\n20\n"));
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    const std::size_t additional = f.report.find("     ADDITIONAL TZ CURVES\n");
    const std::size_t curves = f.report.find("     AXIAL LOAD VS SETTLEMENT CURVES\n");
    ASSERT_NE(additional, std::string::npos);
    ASSERT_LT(additional, curves);
    const std::string section = f.report.substr(additional, curves - additional);
    EXPECT_NE(section.find("NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY "
                           "LAYERS."),
              std::string::npos);
    for (const char* heading : {"RESULT FROM TREND (AVERAGED) LINE", "RESULT FROM UPPER-BOUND LINE",
                                "RESULT FROM LOWER-BOUND LINE"})
        EXPECT_NE(section.find(heading), std::string::npos) << heading;

    // In the plot file the additional block opens the appended groups: its count, then the
    // curve at 120 in (10 ft) as 8 blanks, I5, I11 and E16.4.
    const std::vector<std::string> plot = lines(f.plot);
    std::size_t at = 0;
    while (at < plot.size() && plot[at].rfind(" 2 ", 0) != 0)
        ++at;
    ASSERT_LT(at + 1, plot.size());
    EXPECT_EQ(plot[at], " 2" + std::string(78, ' '));
    EXPECT_EQ(plot[at + 1].substr(0, 40), "            1         10      0.1200E+03");
}

TEST(LoadSettlementStep, TzDepthBelowTheProfileStopsTheRunWithStatus2)
{
    const Files f = runDeck(sandWithTzDepths("1\n60\n"));
    EXPECT_EQ(f.outcome.status, 2);
    const std::string tail = f.report.substr(f.report.size() - 200);
    EXPECT_NE(tail.find("**** WARNING ****"), std::string::npos);
    EXPECT_NE(tail.find(" IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1\n"),
              std::string::npos);
    EXPECT_EQ(f.report.find("AXIAL LOAD VS SETTLEMENT CURVES"), std::string::npos);
}

// Heading of the listed points of curve 1 (cases before the first soil or gravel tip), and a
// listed point of zeros.
const std::string CurveOneHeading = std::string(22, ' ') + "TOP  LOAD     TOP MOVEMENT     \n";
const std::string ZeroPointLine = std::string(13, ' ') + "       0.0000E+00       0.0000E+00";

// The 15 point lines of the first curve-1 table in text at or after from; fewer when the text
// ends first, none without a table.
std::vector<std::string> curveOnePoints(const std::string& text, std::size_t from = 0)
{
    const std::size_t table = text.find(CurveOneHeading, from);
    if (table == std::string::npos)
        return {};
    std::vector<std::string> all = lines(text.substr(table));
    all.erase(all.begin(), all.begin() + std::min<std::size_t>(2, all.size()));
    if (all.size() > 15)
        all.resize(15);
    return all;
}

TEST(LoadSettlementStep, SocketWithoutDiameterGivesAWarningAndNoCurve)
{
    const std::string deck = "Rock socket without diameter\n1 \n2 1 1 2 1 2 0 0 0 0 0\n"
                             "3 0 0 0 5 1 4000000\n2 10 30 2.5 3\n2 20 \n"
                             "0 120 0.0 1500 0 0 0 1 1 \n0 120 0.0 2000 0 0 0 1 1 \n0 0\n4 50 \n"
                             "360000 576000 2 0.01 0 0 1000000 80 0 1 1 \n"
                             "360000 576000 2 0.01 0 0 1000000 85 0 1 1 \n";
    const Files f = runDeck(deck);
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    const std::size_t curves = f.report.find("AXIAL LOAD VS SETTLEMENT CURVES");
    ASSERT_NE(curves, std::string::npos);
    EXPECT_NE(f.report.find("NO LOAD SETTLEMENT CURVE IS COMPUTED.", curves), std::string::npos);
    // No soil tip yet: the report lists curve 1, which this case leaves at zeros.
    const std::vector<std::string> listed = curveOnePoints(f.report, curves);
    ASSERT_EQ(listed.size(), 15u);
    for (const std::string& point : listed)
        EXPECT_EQ(point, ZeroPointLine);
    for (const std::string* text : {&f.report, &f.plot})
        EXPECT_FALSE(test::containsNonFiniteNumber(*text));
    // Curve 1 of the plot block is all zeros.
    const std::vector<std::string> plot = lines(f.plot);
    ASSERT_GE(plot.size(), 15u);
    for (std::size_t i = plot.size() - 15; i < plot.size(); ++i)
        EXPECT_EQ(plot[i], "  0.000E+00  0.000E+00  0.000E+00  0.000E+00");
}

TEST(LoadSettlementStep, FirstSoilTipCaseAfterRockTipsSwitchesTheCurveCodeToThree)
{
    // Design load given: the 3-ft shaft needs the rock below 20 ft, the 6-ft shaft stops in
    // the clay above it.
    const std::string deck = "Rock first, clay later\n1 \n1 1 1 2 1 2 0 0 0 0 0\n"
                             "3 6 0 0 0 0 4000000\n2 10 200 2.5 3\n2 20 \n"
                             "0 120 0.0 3000 0 0 0 1 1 \n0 120 0.0 3000 0 0 0 1 1 \n0 0\n4 60 \n"
                             "360000 576000 2 0.01 3 0 1000000 80 0 1 1 \n"
                             "360000 576000 2 0.01 3 0 1000000 85 0 1 1 \n";
    const Files f = runDeck(deck);
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    std::vector<int> codes;
    for (const std::string& line : lines(f.plot)) {
        std::istringstream in(line);
        std::vector<std::string> w;
        for (std::string s; in >> s;)
            w.push_back(s);
        if (w.size() == 3 && w[0] == "7" && w[1].find('.') == std::string::npos &&
            w[2].find('.') == std::string::npos)
            codes.push_back(std::stoi(w[2]));
    }
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), 0);
    EXPECT_EQ(codes.back(), 3);
}

TEST(LoadSettlementStep, RockTipAtTheFirstCandidateLengthNeedsAnEarlierRockTip)
{
    // Strong rock from the surface and a design load met at the first candidate length. The
    // first case has no earlier tip in rock and gets no socket curve; the second case takes
    // the tip of the first case's last row, which lies in the rock. No case has a soil tip,
    // so each lists curve 1: zeros for the first, its socket curve for the second.
    const std::string deck = "Rock from the surface\n1 \n1 1 1 1 1 2 0 0 0 0 0\n"
                             "3 3.5 0 0 0 0 4000000\n1 10 1 2.5 3\n7 30 \n"
                             "72000 576000 2 0.01 4 0 500000 70 0 1 1 \n"
                             "72000 576000 2 0.01 4 0 500000 80 0 1 1 \n";
    const Files f = runDeck(deck);
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    const std::size_t second = f.report.find("VARIATION DIAMETER :     2");
    ASSERT_NE(second, std::string::npos);
    const std::string first = f.report.substr(0, second);
    const std::string later = f.report.substr(second);
    EXPECT_EQ(first.find("LOAD SETTLEMENT RELATIONSHIP"), std::string::npos);
    EXPECT_NE(later.find("LOAD SETTLEMENT RELATIONSHIP"), std::string::npos);
    const std::vector<std::string> zeros = curveOnePoints(first);
    const std::vector<std::string> own = curveOnePoints(later);
    ASSERT_EQ(zeros.size(), 15u);
    ASSERT_EQ(own.size(), 15u);
    EXPECT_EQ(zeros[14], ZeroPointLine);
    EXPECT_NE(own[14], ZeroPointLine);
}

TEST(LoadSettlementStep, RockTipCaseAfterASoilTipCaseListsNoCurveOne)
{
    // Lengths 40 ft down to 20 ft over clay, strong rock from 15 to 30 ft and clay again: the
    // 40-ft shaft ends in clay, the 25- and 20-ft shafts in the rock. Once a soil tip was met
    // the cases take three curves and no longer list curve 1.
    const std::string deck = "Soil tip first, rock tip second\n1 \n2 1 1 5 1 2 1 0 0 0 0\n"
                             "3 0 0 0 2 0 4000000\n3 10 40 2.5 3\n20 5\n2 15 \n"
                             "0 120 0.0 1200 0 0 0 1 1 \n0 120 0.0 1500 0 0 0 1 1 \n0 0\n7 30 \n"
                             "72000 576000 2 0.01 4 0 500000 70 0 1 1 \n"
                             "72000 576000 2 0.01 4 0 500000 80 0 1 1 \n2 70 \n"
                             "0 120 0.0 2000 0 0 0 1 1 \n0 120 0.0 2500 0 0 0 1 1 \n0 0\n";
    const Files f = runDeck(deck);
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    EXPECT_NE(f.report.find("LOAD SETTLEMENT RELATIONSHIP"), std::string::npos);
    EXPECT_EQ(f.report.find(CurveOneHeading), std::string::npos);
}

TEST(LoadSettlementStep, AdditionalTzOptionWithoutDepthsStillWritesTheBlockCount)
{
    const Files f = runDeck(sandWithTzDepths("0\n"));
    ASSERT_EQ(f.outcome.status, StatusNormal) << f.outcome.message;
    const std::vector<std::string> plot = lines(f.plot);
    std::size_t at = 0;
    while (at < plot.size() && plot[at] != " 0" + std::string(78, ' '))
        ++at;
    ASSERT_LT(at + 1, plot.size());
    EXPECT_EQ(plot[at + 1], " 5" + std::string(78, ' ')); // the t-z block follows
}

TEST(LoadSettlementStep, SegmentMiddleAtTheBottomOfTheIgnoredTopCarriesLoad)
{
    // Clay 0-40 ft, D 2.5 ft, ignored top 4 ft and bottom 5 ft, proposed 23.3 ft: final length
    // 24 ft, 15 rows, segments of 19.2 in, the 13th middle from the base at 48 in exactly. The
    // head loads equal those of the same shaft with its ignored top ending 0.01 ft higher,
    // where that middle lies clearly below it; had the segment been dropped, every head load
    // at small movement would be a twelfth low.
    const auto deck = [](const char* ignoredTop) {
        return std::string("Tie at the ignored top\n1 \n2 1 1 1 1 2 0 0 0 0 0\n2.5 2.5 0 0 ") +
               ignoredTop +
               " 5 4000000\n1 10 23.3 2.5 3\n2 40 \n9 120 0.0 1000 0 0 0 1 1 \n"
               "9 120 0.0 2000 0 0 0 1 1 \n0.55 0.55 \n";
    };
    const Files tie = runDeck(deck("4"));
    const Files clear = runDeck(deck("3.99"));
    ASSERT_EQ(tie.outcome.status, StatusNormal) << tie.outcome.message;
    ASSERT_EQ(clear.outcome.status, StatusNormal) << clear.outcome.message;
    ASSERT_EQ(tie.outcome.summary.cases.size(), 1u);
    const CaseSummary& c = tie.outcome.summary.cases[0];
    ASSERT_EQ(c.finalRow.length, 24.0f);
    ASSERT_EQ(c.curveCount, 3);
    for (int curve = 0; curve < 3; ++curve)
        for (int p = 0; p < 15; ++p) {
            const float expected = clear.outcome.summary.cases[0].curves[curve][p].topLoad;
            EXPECT_NEAR(c.curves[curve][p].topLoad, expected, 5.0e-3f * expected)
                << "curve " << curve + 1 << ", point " << p + 1;
        }
}
