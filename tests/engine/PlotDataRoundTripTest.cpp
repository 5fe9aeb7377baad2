// Every example project's plot data file, as the engine writes it, is read back by the
// desktop program's reader into filled result graphs.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "TempFolder.h"
#include "engine/deck/DeckRecordReader.h"
#include "engine/deck/InputDeck.h"
#include "engine/deck/InputDeckReader.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"
#include "gui/results/PlotDataReader.h"

using namespace korva;
using namespace korva::gui;

namespace {

namespace fs = std::filesystem;

// The project fields the reader needs, taken from the deck as the engine reads it.
TPlotReadSettings settingsOf(const fs::path& project)
{
    std::ifstream in(project, std::ios::binary);
    DeckRecordReader reader(in, project.string());
    std::ostringstream report, notes, tz;
    InputDeck deck;
    readInputDeck(reader, DeckEchoTargets{report, notes, tz}, deck);
    TPlotReadSettings s;
    s.fUnits = deck.isSI() ? 2 : 1;
    s.NLRFD = deck.NLRFD == 1 ? 1 : 2;
    s.KCYCL = deck.KCYCL;
    s.FST = deck.FST;
    s.FSB = deck.FSB;
    s.IPENT = deck.IPENT;
    s.IChart = deck.IChart;
    s.DSTART = deck.DSTART;
    s.DIAMINCR = deck.DIAMINCR;
    s.PrintTZCurves = deck.PrintTZCurves;
    const float toProject = deck.isSI() ? 1.0f / 3.2808f : 1.0f;
    for (int i = 0; i < deck.NL; ++i) {
        const SoilLayer& layer = deck.layers[static_cast<std::size_t>(i)];
        s.Layers.push_back({static_cast<int>(layer.kindCode()), layer.bottomDepth * toProject});
    }
    return s;
}

bool hasNonZeroPoint(const TGraphPlot& graph)
{
    for (int i = 0; i < graph.LineCount(); ++i)
        for (const TFloatPoint& p : graph.Lines(i).Points())
            if (p.x != 0.0 || p.y != 0.0)
                return true;
    return false;
}

} // namespace

TEST(PlotDataRoundTrip, EveryExampleReadsBackIntoFilledGraphs)
{
    int projects = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(KORVA_EXAMPLES)) {
        if (entry.path().extension() != ".kv8d")
            continue;
        ++projects;
        SCOPED_TRACE(entry.path().filename().string());
        test::TempFolder folder{"korva round trip"};
        const fs::path file = folder / entry.path().filename().string();
        fs::copy_file(entry.path(), file);
        const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
        const RunOutcome outcome = runAnalysis(names);
        ASSERT_EQ(outcome.status, StatusNormal) << outcome.message;

        const TPlotReadSettings settings = settingsOf(file);
        TResultGraphs graphs;
        const TPlotReadResult read = ReadPlotData(names.resolve(names.plot), settings, graphs);
        ASSERT_TRUE(read.ShowOutput) << read.ErrorMessage;
        EXPECT_TRUE(read.ID2Read);
        EXPECT_EQ(static_cast<std::size_t>(graphs.pltTotal.LineCount()),
                  settings.IChart >= 1 ? graphs.pltTotal.LineCount()
                                       : outcome.summary.cases.size());
        EXPECT_TRUE(hasNonZeroPoint(graphs.pltSkin));
        EXPECT_TRUE(hasNonZeroPoint(graphs.pltTotal));
        EXPECT_TRUE(hasNonZeroPoint(graphs.pltAxial));

        // A first case with its tip in soil brings t-z, Q-w and load-distribution curves, and
        // the bound curves.
        const bool soilFirst = read.ID2 == 3;
        EXPECT_EQ(read.showtzcurves, soilFirst);
        EXPECT_EQ(read.showloadcurves, soilFirst);
        if (soilFirst) {
            EXPECT_TRUE(hasNonZeroPoint(graphs.pltUpper));
            EXPECT_TRUE(hasNonZeroPoint(graphs.pltLower));
            EXPECT_TRUE(hasNonZeroPoint(graphs.pltTz));
            EXPECT_TRUE(hasNonZeroPoint(graphs.pltQw));
            EXPECT_TRUE(hasNonZeroPoint(graphs.pltLoad));
        }
    }
    EXPECT_GT(projects, 0);
}

TEST(PlotDataRoundTrip, RockTipCasesBeforeSoilTipCasesReadBack)
{
    // Design load given: the shafts of 3 to 5 ft need the rock below 20 ft, those of 5.5 and
    // 6 ft stop in the clay above it.
    test::TempFolder folder{"korva round trip"};
    const fs::path file = folder / "rock first.kv8d";
    test::writeText(file, "Rock first, clay later\n1 \n1 1 1 2 1 2 0 0 0 0 0\n"
                          "3 6 0 0 0 0 4000000\n2 10 200 2.5 3\n2 20 \n"
                          "0 120 0.0 3000 0 0 0 1 1 \n0 120 0.0 3000 0 0 0 1 1 \n0 0\n4 60 \n"
                          "360000 576000 2 0.01 3 0 1000000 80 0 1 1 \n"
                          "360000 576000 2 0.01 3 0 1000000 85 0 1 1 \n");
    const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
    ASSERT_EQ(runAnalysis(names).status, StatusNormal);
    TResultGraphs graphs;
    const TPlotReadResult read = ReadPlotData(names.resolve(names.plot), settingsOf(file), graphs);
    ASSERT_TRUE(read.ShowOutput) << read.ErrorMessage;
    EXPECT_EQ(read.ID2, 0);
    EXPECT_EQ(graphs.pltTotal.LineCount(), 7);
    EXPECT_TRUE(hasNonZeroPoint(graphs.pltAxial));
}
