// The plot data file a run leaves: case blocks, the design-chart block and the appended curve
// data, checked line by line on small projects.
#include <gtest/gtest.h>

#include <cmath>
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

struct PlotRun
{
    RunOutcome outcome;
    std::vector<std::string> lines; // of the plot file
    std::string report;
};

PlotRun runDeck(const std::string& deck)
{
    test::TempFolder folder{"korva plot"};
    const fs::path file = folder / "shaft.kv8d";
    test::writeText(file, deck);
    const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
    PlotRun run;
    run.outcome = runAnalysis(names);
    std::istringstream in(test::readText(names.plot));
    for (std::string line; std::getline(in, line);)
        run.lines.push_back(line);
    run.report = test::readText(names.report);
    return run;
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

struct Block
{
    int caseCount = 0;
    int depthRows = 0;
    int curveCode = 0;
    std::size_t curveLines = 0;
};

// Walks the case blocks of the main section from the top; returns the line after the last.
std::size_t readBlocks(const std::vector<std::string>& lines, std::size_t blockCount,
                       std::vector<Block>& blocks)
{
    std::size_t at = 0;
    for (std::size_t b = 0; b < blockCount && at < lines.size(); ++b) {
        const std::vector<std::string> header = words(lines[at]);
        if (header.size() != 3)
            break;
        Block block{std::stoi(header[0]), std::stoi(header[1]), std::stoi(header[2]), 0};
        at += 1 + 2 + 2 * static_cast<std::size_t>(block.depthRows - 2);
        block.curveLines = block.curveCode == 3 ? 45 : 15;
        at += block.curveLines;
        blocks.push_back(block);
    }
    return at;
}

// Whether a line is one of the load distribution: three times three blanks and an E10.3
// field, padded with blanks to 80 characters.
bool isLoadDistributionLine(const std::string& line)
{
    if (line.size() != 80 || line.find_first_not_of(' ', 39) != std::string::npos)
        return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t g = 0; g < 3; ++g) {
        const std::string f = line.substr(13 * g, 13);
        if (f.substr(0, 3) != "   " || (f[3] != ' ' && f[3] != '-') || f.substr(4, 2) != "0." ||
            !digit(f[6]) || !digit(f[7]) || !digit(f[8]) || f[9] != 'E' ||
            (f[10] != '+' && f[10] != '-') || !digit(f[11]) || !digit(f[12]))
            return false;
    }
    return true;
}

std::size_t loadDistributionLines(const std::vector<std::string>& lines)
{
    std::size_t n = 0;
    for (const std::string& line : lines)
        n += isLoadDistributionLine(line) ? 1 : 0;
    return n;
}

const std::string SandLayer = "1 50 \n0.0 120 32 0 0 0 0 1 1 \n0.0 120 32 0 0 0 0 1 1 \n2 \n0 0 \n";

// Sand profile, shaft length 30 ft, ASD, the shaft record as given.
std::string sandDeck(const std::string& shaft, const std::string& control = "2 1 1 1 1 2 0 0 0 0 0",
                     const std::string& extra = "")
{
    return "Plot test\n1 \n" + control + "\n" + shaft + "\n1 10 30 2.5 3\n" + extra + SandLayer;
}

} // namespace

TEST(PlotFile, ThreeDiametersInSandWriteThreeBlocksWithThreeCurves)
{
    const PlotRun run = runDeck(sandDeck("3 4 0 0 5 1 4000000"));
    ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
    std::vector<Block> blocks;
    readBlocks(run.lines, 3, blocks);
    ASSERT_EQ(blocks.size(), 3u);
    for (const Block& b : blocks) {
        EXPECT_EQ(b.caseCount, 3);
        EXPECT_EQ(b.curveCode, 3);
        EXPECT_EQ(b.curveLines, 45u);
    }
    // Fixed rows, and a result row as five and then two E-fields.
    EXPECT_EQ(run.lines[1], "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ");
    EXPECT_EQ(run.lines[2].substr(11), "   0.0   0.0  0.0 0.0  0.0  0.0 ");
    EXPECT_EQ(run.lines[3].size(), 55u);
    EXPECT_EQ(run.lines[4].size(), 22u);
    EXPECT_EQ(run.lines[2].substr(0, 11), run.lines[3].substr(0, 11));
    for (const std::string& line : run.lines) {
        EXPECT_FALSE(test::containsNonFiniteNumber(line));
    }
}

TEST(PlotFile, StrongRockOnlyRunWritesOneCurveAndNoCurveData)
{
    const std::string deck = "Rock only\n1 \n2 1 1 2 1 2 0 0 0 0 0\n3 0 0 0 5 1 4000000\n"
                             "1 10 30 2.5 3\n4 50 \n"
                             "360000 576000 2 0.01 3 0 1000000 80 0 1 1 \n"
                             "360000 576000 2 0.01 3 0 1000000 85 0 1 1 \n";
    const PlotRun run = runDeck(deck);
    ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
    std::vector<Block> blocks;
    const std::size_t end = readBlocks(run.lines, 1, blocks);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].curveCode, 0);
    EXPECT_EQ(end, run.lines.size()) << "no t-z, Q-w or load-distribution group follows";
    // The socket curve is curve 1: its last point carries a load.
    EXPECT_NE(words(run.lines[end - 1])[0], "0.000E+00");
}

TEST(PlotFile, MultipleLengthHeadersCountDown)
{
    // Lengths 40, 37, 34, 31 and 28 ft.
    const PlotRun run = runDeck("Lengths\n1 \n2 1 1 2 1 2 1 0 0 0 0\n3 3 0 0 5 1 4000000\n"
                                "1 10 40 2.5 3\n28 3\n" +
                                SandLayer);
    ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
    std::vector<Block> blocks;
    readBlocks(run.lines, 5, blocks);
    ASSERT_EQ(blocks.size(), 5u);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(blocks[static_cast<std::size_t>(k)].caseCount, 5 - k);
}

TEST(PlotFile, LoadDistributionHasFifteenLevelsOfEveryRow)
{
    // No ignored portions: rows at 1 ... 30 ft.
    const PlotRun run = runDeck(sandDeck("3 3 0 0 0 0 4000000"));
    ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
    std::vector<Block> blocks;
    readBlocks(run.lines, 1, blocks);
    ASSERT_EQ(blocks.size(), 1u);
    ASSERT_EQ(blocks[0].depthRows, 32);
    EXPECT_EQ(loadDistributionLines(run.lines), 450u);
    for (std::size_t i = run.lines.size() - 450; i < run.lines.size(); ++i)
        EXPECT_EQ(run.lines[i].size(), 80u);
}

TEST(PlotFile, DesignChartRunWritesFirstLengthBlocksAndChartInInchesAndPounds)
{
    for (const bool si : {false, true}) {
        const std::string deck =
            si ? "Chart SI\n2 \n2 1 1 1 1 2 0 1 0 0 0\n1 1.3 0 0 0 0 27600000\n"
                 "1 3 10 1 1\n7 1 0.15 2\n0.01 0.025\n"
                 "1 20 \n0.0 19 34 0 20 0 0 1 1 \n0.0 19.5 35 0 25 0 0 1 1 \n2 \n0 0 \n"
               : sandDeck("3 4 0 0 0 0 4000000", "2 1 1 1 1 2 0 1 0 0 0", "24 3 0.5 2\n0.5 1.0\n");
        const PlotRun run = runDeck(deck);
        ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
        std::vector<Block> blocks;
        const std::size_t end = readBlocks(run.lines, 3, blocks);
        ASSERT_EQ(blocks.size(), 3u) << si;
        for (const Block& b : blocks)
            EXPECT_EQ(b.caseCount, 3);
        // B1: settlements, diameters, lengths; only first-length blocks precede it.
        const std::vector<std::string> b1 = words(run.lines[end]);
        ASSERT_EQ(b1.size(), 3u);
        EXPECT_EQ(b1[0], "2");
        EXPECT_EQ(b1[1], "3");
        EXPECT_EQ(b1[2], si ? "4" : "3");
        const int lengths = std::stoi(b1[2]);
        EXPECT_EQ(std::stof(run.lines[end + 1]), si ? 0.01f : 0.5f);
        const std::string diameter = run.lines[end + 2];
        EXPECT_EQ(diameter.size(), 10u);
        EXPECT_NEAR(std::stof(diameter), si ? 1.0f : 36.0f, 1e-3f);
        // First pair: the longest shaft in inches and a capacity in pounds.
        const std::vector<std::string> pair = words(run.lines[end + 3]);
        ASSERT_EQ(pair.size(), 2u);
        const float length_in = std::stof(pair[0]);
        EXPECT_NEAR(length_in, si ? std::round(10 * 3.2808f) * 12.0f : 360.0f, 12.5f);
        EXPECT_GT(std::stof(pair[1]), 2000.0f);
        // The next diameter follows after the pairs of every length.
        EXPECT_EQ(run.lines[end + 3 + static_cast<std::size_t>(lengths)].size(), 10u);
        EXPECT_NE(run.report.find("DESIGN CHART CURVES"), std::string::npos);
        EXPECT_NE(run.report.find(si ? "TOP LOAD, KN" : "TOP LOAD, TONS"), std::string::npos);
    }
}

TEST(PlotFile, DesignChartWithMoreThanTwentyDiametersStatesTheTwentyWritten)
{
    const PlotRun run =
        runDeck(sandDeck("2 7.5 0 0 0 0 4000000", "2 1 1 1 1 2 0 1 0 0 0", "27 3 0.25 1\n0.5\n"));
    ASSERT_EQ(run.outcome.status, StatusNormal) << run.outcome.message;
    std::vector<Block> blocks;
    const std::size_t end = readBlocks(run.lines, 20, blocks);
    ASSERT_EQ(blocks.size(), 20u);
    EXPECT_EQ(blocks[0].caseCount, 20);
    const std::vector<std::string> b1 = words(run.lines[end]);
    ASSERT_EQ(b1.size(), 3u);
    EXPECT_EQ(b1[1], "20");
    EXPECT_EQ(b1[2], "1");
}
