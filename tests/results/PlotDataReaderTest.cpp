#include "gui/results/PlotDataReader.h"

#include "gui/model/ProgramData.h"
#include "gui/results/ProjectPlotSettings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

using namespace korva::gui;

namespace {

const std::filesystem::path DataFolder = std::filesystem::path(KORVA_TEST_DATA) / "results";

std::string FileText(const char* name)
{
    std::ifstream in(DataFolder / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TPlotReadSettings EnglishSoilProject()
{
    TPlotReadSettings s;
    s.fUnits = 1;
    s.NLRFD = 2;
    s.KCYCL = 1;
    s.DSTART = 3.0;
    s.PrintTZCurves = 1;
    s.Layers = {{1, 10.5}, {6, 20.0}, {0, 30.0}};
    return s;
}

TPlotReadResult ReadText(const std::string& text, const TPlotReadSettings& settings,
                         TResultGraphs& graphs)
{
    TWordReader reader = TWordReader::FromText(text);
    return ReadPlotData(reader, settings, graphs);
}

// A minimal main section: one case of `rows` depth rows, curve code `nb`.
std::string OneCase(int nc, int rows, int nb, int cases = 1)
{
    std::string text;
    for (int c = 0; c < cases; ++c) {
        text +=
            " " + std::to_string(nc) + " " + std::to_string(rows) + " " + std::to_string(nb) + "\n";
        for (int r = 0; r < rows; ++r)
            text += " 1 2 3 4 5 6 7\n";
        for (int p = 0; p < (nb > 2 ? 45 : 15); ++p)
            text += " 1 2 3 4\n";
    }
    return text;
}

TEST(PlotDataReader, SoilTipRunWithEveryAppendedGroup)
{
    TResultGraphs g;
    const TPlotReadSettings s = EnglishSoilProject();
    const TPlotReadResult res = ReadPlotData(DataFolder / "soil_tip_full.kv8p", s, g);
    ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
    EXPECT_TRUE(res.showtzcurves);
    EXPECT_TRUE(res.showloadcurves);
    EXPECT_TRUE(res.ID2Read);
    EXPECT_EQ(res.ID2, 3);

    // Depth graphs: two cases of four rows; the second case (three rows) repeats its last row.
    for (TGraphPlot* graph : g.PerCaseGraphs())
        EXPECT_EQ(graph->LineCount(), 2);
    EXPECT_EQ(g.pltSkin.Count(), 4);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(0, 1).y, 10.0);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(0, 3).x, 25.0);
    EXPECT_DOUBLE_EQ(g.pltTotal.Data(0, 3).x, 60.0);
    EXPECT_DOUBLE_EQ(g.FSpltTip.Data(0, 3).x, 11.5);
    EXPECT_DOUBLE_EQ(g.FSpltTotal.Data(0, 3).x, 24.0);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(1, 3).x, 22.0);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(1, 3).y, 11.0);
    // The second case's tip resistance ends at zero: it is drawn ending at 1e-5.
    EXPECT_DOUBLE_EQ(g.pltTip.Data(1, 3).x, 1e-5);
    EXPECT_DOUBLE_EQ(g.pltTip.Data(1, 2).x, 0.0);

    // Load-settlement: origin, then 15 points (top load, top movement).
    EXPECT_EQ(g.pltAxial.Count(), 16);
    EXPECT_DOUBLE_EQ(g.pltAxial.Data(0, 0).x, 0.0);
    EXPECT_DOUBLE_EQ(g.pltAxial.Data(0, 2).x, 10.0);
    EXPECT_DOUBLE_EQ(g.pltAxial.Data(0, 2).y, 0.2);
    EXPECT_DOUBLE_EQ(g.pltUpper.Data(1, 15).x, 120.0);
    EXPECT_DOUBLE_EQ(g.pltLower.Data(1, 15).x, 90.0);

    // Names.
    EXPECT_EQ(g.pltSkin.Lines(0).GetLineName(), "Dia=3 ft");
    EXPECT_EQ(g.pltLower.Lines(1).GetLineName(), "Dia=3.5 ft");
    EXPECT_EQ(g.pltCombine.Lines(1).GetLineName(), "  Tip Resistance");
    EXPECT_EQ(g.pltCombinedSettle.Lines(0).GetLineName(), "  Trend (Averaged)");
    EXPECT_EQ(g.FSpltSkin.XCaption, "Side Resistance/F.S. ");
    EXPECT_EQ(g.pltSkin.YCaption, "Depth");

    // Combined graphs copy the first curve of their sources.
    EXPECT_EQ(g.pltCombine.Lines(2).Points().size(), 4u);
    EXPECT_DOUBLE_EQ(g.pltCombine.Data(2, 3).x, 60.0);
    EXPECT_DOUBLE_EQ(g.pltCombineD.Data(1, 3).x, 11.5);
    EXPECT_DOUBLE_EQ(g.pltCombinedSettle.Data(1, 15).x, 90.0);

    // Soil-layer strip.
    EXPECT_EQ(g.FSpltTotal.LayerLineCount(), 3);
    EXPECT_EQ(g.FSpltTotal.LayerLines(0).GetLineName(), " SAND ");
    EXPECT_EQ(g.FSpltTotal.LayerData(0, 0).x, 7.0);
    EXPECT_EQ(g.FSpltTotal.LayerLines(1).GetLineName(), " GW ");
    EXPECT_EQ(g.FSpltTotal.LayerData(1, 0).x, 12.0);
    EXPECT_EQ(g.FSpltTotal.LayerLines(2).GetLineName(), "LAYER 3");
    EXPECT_EQ(g.FSpltTotal.LayerData(2, 0).x, 0.0);
    EXPECT_DOUBLE_EQ(g.FSpltTotal.LayerData(2, 0).y, 30.0);
    EXPECT_EQ(g.pltAxial.LayerLineCount(), 0);

    // Load-transfer curves: y is t (or Q), x is z (or w).
    ASSERT_EQ(g.pltTzAdd.LineCount(), 1);
    EXPECT_EQ(g.pltTzAdd.Lines(0).GetLineName(), "H=10.5 ft");
    EXPECT_DOUBLE_EQ(g.pltTzAdd.Data(0, 9).y, 1000.0);
    EXPECT_DOUBLE_EQ(g.pltTzAdd.Data(0, 9).x, 0.1);
    ASSERT_EQ(g.pltTz.LineCount(), 2);
    EXPECT_EQ(g.pltTz.Count(), 10);
    // English files hold curve depths in inches; the name gives feet.
    EXPECT_EQ(g.pltTz.Lines(1).GetLineName(), "H=12 ft");
    EXPECT_DOUBLE_EQ(g.pltTz.Data(1, 0).y, 100.0);
    ASSERT_EQ(g.pltQw.LineCount(), 2);
    EXPECT_EQ(g.pltQw.Lines(1).GetLineName(), "Dia=3.5 ft");
    EXPECT_DOUBLE_EQ(g.pltQw.Data(1, 9).y, 200.0);
    EXPECT_DOUBLE_EQ(g.pltQw.Data(1, 9).x, 1.0);

    // Load distribution: 15 levels of NR - 2 points (axial load, depth).
    ASSERT_EQ(g.pltLoad.LineCount(), 15);
    EXPECT_EQ(g.pltLoad.Count(), 2);
    EXPECT_DOUBLE_EQ(g.pltLoad.Data(14, 0).x, 30.0);
    EXPECT_DOUBLE_EQ(g.pltLoad.Data(14, 0).y, 11.0);

    for (TGraphPlot* graph : g.All())
        EXPECT_EQ(graph->Units(), 1);
}

TEST(PlotDataReader, ElevationModeAndLrfdUpliftCaptions)
{
    TResultGraphs g;
    TPlotReadSettings s = EnglishSoilProject();
    s.UseElevation = 1;
    s.ValElevation = 100.0;
    s.NLRFD = 1;
    s.KCYCL = 2;
    s.IPENT = 1;
    s.fUnits = 2;
    const TPlotReadResult res = ReadPlotData(DataFolder / "soil_tip_full.kv8p", s, g);
    ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
    for (TGraphPlot* graph : g.DepthGraphs()) {
        EXPECT_TRUE(graph->Yreversed);
        EXPECT_EQ(graph->YCaption, "Elevation");
        EXPECT_DOUBLE_EQ(graph->LayersTop, 100.0);
    }
    EXPECT_FALSE(g.pltAxial.Yreversed);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(0, 3).y, 88.0);
    EXPECT_DOUBLE_EQ(g.pltSkin.LayerData(0, 0).y, 89.5);
    // Uplift: the base column is the shaft weight, shown unfactored.
    EXPECT_DOUBLE_EQ(g.FSpltTip.Data(0, 3).x, 35.0);
    EXPECT_EQ(g.FSpltTip.XCaption, "Self-Weight");
    EXPECT_EQ(g.FSpltSkin.XCaption, "LRFD Side Resistance ");
    EXPECT_EQ(g.pltCombineD.Lines(1).GetLineName(), "  Self-Weight");
    // Several lengths: named after the tip elevation of each curve.
    EXPECT_EQ(g.pltSkin.Lines(0).GetLineName(), "L =88 m");
    EXPECT_EQ(g.pltUpper.Lines(1).GetLineName(), "L =89 m");
    // SI files hold curve depths in metres: the value is named as written.
    EXPECT_EQ(g.pltTz.Lines(0).GetLineName(), "H=132 m");
    EXPECT_EQ(g.pltTz.YCaptionText(), "Unit Load Transfer, t (kN/m^2)");

    // The same graphs read again for a compression project of an older layout (design method
    // 0): the captions of the working-stress method, none left from the run before.
    s.NLRFD = 0;
    s.KCYCL = 1;
    ASSERT_TRUE(ReadPlotData(DataFolder / "soil_tip_full.kv8p", s, g).ShowOutput);
    EXPECT_EQ(g.FSpltTip.XCaption, "Tip Resistance/F.S. ");
    EXPECT_EQ(g.FSpltSkin.XCaption, "Side Resistance/F.S. ");
}

TEST(PlotDataReader, EachCaseReadsBoundCurvesByItsOwnCurveCode)
{
    TResultGraphs g;
    TPlotReadSettings s = EnglishSoilProject();
    // Leftovers of an earlier read must not survive where the new file has data.
    g.pltUpper.SetLineCount(2);
    g.pltUpper.SetCount(16);
    g.pltUpper.Data(0, 5) = {99.0, 99.0};
    const TPlotReadResult res = ReadPlotData(DataFolder / "rock_then_soil.kv8p", s, g);
    ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
    EXPECT_EQ(res.ID2, 0); // from the first header
    EXPECT_FALSE(res.showtzcurves);
    EXPECT_FALSE(res.showloadcurves);
    EXPECT_DOUBLE_EQ(g.pltUpper.Data(0, 5).x, 0.0);
    EXPECT_DOUBLE_EQ(g.pltAxial.Data(1, 15).x, 105.0);
    EXPECT_DOUBLE_EQ(g.pltUpper.Data(1, 15).x, 120.0);
    EXPECT_DOUBLE_EQ(g.pltLower.Data(1, 15).x, 90.0);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(1, 2).x, 21.0);
}

TEST(PlotDataReader, DesignChartsConvertedToProjectUnits)
{
    struct Case
    {
        int units;
        const char* caption;
        const char* curveName;
        double depth;
        double capacity;
    };
    const Case cases[] = {
        {1, "Design Chart (0.5-in movement)", "Dia=3 ft", 10.0, 20.0},
        {2, "Design Chart (0.5-m movement)", "Dia=36 m", 120.0 / 39.37,
         40000.0 / 224.82014388489208633},
    };
    for (const Case& c : cases) {
        TResultGraphs g;
        TPlotReadSettings s = EnglishSoilProject();
        s.fUnits = c.units;
        s.IChart = 1;
        s.DIAMINCR = 0.5;
        g.PltChart[2].SetLineCount(4); // beyond the charts of the file: kept as it was
        const TPlotReadResult res = ReadPlotData(DataFolder / "design_chart.kv8p", s, g);
        ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
        EXPECT_EQ(g.PltChart[0].Caption, c.caption);
        EXPECT_EQ(g.PltChart[0].UserCaption, c.caption);
        ASSERT_EQ(g.PltChart[0].LineCount(), 2);
        EXPECT_EQ(g.PltChart[0].Count(), 2);
        EXPECT_EQ(g.PltChart[0].Lines(0).GetLineName(), c.curveName);
        EXPECT_DOUBLE_EQ(g.PltChart[0].Data(0, 0).y, c.depth);
        EXPECT_DOUBLE_EQ(g.PltChart[0].Data(0, 0).x, c.capacity);
        EXPECT_EQ(g.PltChart[1].LineCount(), 2);
        EXPECT_EQ(g.PltChart[2].LineCount(), 4);
        // Per-case curves step by the design-chart diameter increment.
        EXPECT_EQ(g.pltSkin.Lines(1).GetLineName(), c.units == 1 ? "Dia=3.5 ft" : "Dia=3.5 m");
    }
}

TEST(PlotDataReader, LegacyRowsAreFactoredByTheReader)
{
    TResultGraphs g;
    TPlotReadSettings s = EnglishSoilProject();
    s.Yesnewversion = 0;
    s.FST = 2.0;
    s.FSB = 4.0;
    std::string text = " 1 2 0\n 0 0 0 0 0\n 10 20 40 60 0\n";
    for (int p = 0; p < 15; ++p)
        text += " 1 2 3 4\n";
    const TPlotReadResult res = ReadText(text, s, g);
    ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
    EXPECT_DOUBLE_EQ(g.FSpltSkin.Data(0, 1).x, 10.0);
    EXPECT_DOUBLE_EQ(g.FSpltTip.Data(0, 1).x, 10.0);
    EXPECT_DOUBLE_EQ(g.FSpltTotal.Data(0, 1).x, 20.0);
    EXPECT_EQ(g.pltLoad.Count(), 0);
}

TEST(PlotDataReader, MalformedFilesFailWithLineAndItem)
{
    struct Case
    {
        std::string text;
        const char* message;
    };
    std::string badDepth = FileText("soil_tip_full.kv8p");
    badDepth.replace(badDepth.find("0.100E+02"), 9, "abc");
    std::string badGroupWord = FileText("soil_tip_full.kv8p");
    badGroupWord.replace(badGroupWord.find("  100  0.01"), 11, "  100  x.01");
    const Case cases[] = {
        {badDepth, "Error on Line 3 Item 1\rA floating point number was expected but not found."},
        {badGroupWord,
         "Error on Line 105 Item 2\rA floating point number was expected but not found."},
        {FileText("truncated_group.kv8p"),
         "Error on Line 154 Item 3\rThis file either invalid or incomplete."},
        {" 1 1 0\n", "Error on Line 1 Item 2\rThe depth row count 1 is not valid here."},
        {" 0 4 0\n", "Error on Line 1 Item 1\rThe case count 0 is not valid here."},
        {OneCase(2, 3, 0) + " 2 0 0\n" + OneCase(2, 2, 0).substr(8),
         "Error on Line 20 Item 2\rThe depth row count 0 of case 2 lies outside 1 to 3."},
        {OneCase(2, 3, 0) + OneCase(2, 4, 0),
         "Error on Line 20 Item 2\rThe depth row count 4 of case 2 lies outside 1 to 3."},
        {" 1 2 0\n 1 2 3 4 5 6 7\n\n" + OneCase(1, 2, 0).substr(8),
         "Error on Line 3 Item 1\rAn empty line was found where data was expected."},
        {" 40000 40000 3\n 1 2\n",
         "Error on Line 1 Item 3\rThe case and depth row counts are too large for a plot "
         "data file."},
        {" 1 1000 0\n 1 2\n", "Error on Line 2 Item 3\rThis file either invalid or incomplete."},
        {"", "Error on Line 1 Item 1\rThis file either invalid or incomplete."},
    };
    for (const Case& c : cases) {
        TResultGraphs g;
        const TPlotReadResult res = ReadText(c.text, EnglishSoilProject(), g);
        EXPECT_FALSE(res.ShowOutput);
        EXPECT_EQ(res.ErrorMessage, c.message) << c.text.substr(0, 40);
        EXPECT_GT(res.ErrorLine, 0);
    }
}

TEST(PlotDataReader, TruncatedGroupFailsTheWholeReadButKeepsWhatWasRead)
{
    TResultGraphs g;
    const TPlotReadResult res =
        ReadPlotData(DataFolder / "truncated_group.kv8p", EnglishSoilProject(), g);
    EXPECT_FALSE(res.ShowOutput);
    EXPECT_TRUE(res.ID2Read);
    EXPECT_FALSE(res.showloadcurves);
    EXPECT_EQ(res.ErrorLine, 154);
    EXPECT_DOUBLE_EQ(g.pltSkin.Data(0, 3).x, 25.0);
}

TEST(PlotDataReader, DesignChartCountsBeyondTheTablesAreRefused)
{
    struct Case
    {
        std::string header;
        std::string message;
    };
    const std::vector<Case> cases{
        {" 11 1 1\n",
         "Error on Line 19 Item 1\rThe design chart count 11 is above the limit of 10."},
        {" 2 21 1\n",
         "Error on Line 19 Item 2\rThe design chart diameter count 21 is above the limit of 20."},
        // Counts whose word total would overflow a 64-bit product.
        {" 2 2147483647 2147483647\n", "Error on Line 19 Item 2\rThe design chart diameter "
                                       "count 2147483647 is above the limit of 20."},
        {" 2 20 2147483647\n", "Error on Line 19 Item 4\rThis file either invalid or incomplete."},
    };
    for (const Case& c : cases) {
        TResultGraphs g;
        TPlotReadSettings s = EnglishSoilProject();
        s.IChart = 1;
        const TPlotReadResult res = ReadText(OneCase(1, 2, 0) + c.header, s, g);
        EXPECT_FALSE(res.ShowOutput);
        EXPECT_EQ(res.ErrorMessage, c.message) << c.header;
    }
}

TEST(PlotDataReader, MissingFileIsAnError)
{
    TResultGraphs g;
    const TPlotReadResult res =
        ReadPlotData(DataFolder / "no_such_file.kv8p", EnglishSoilProject(), g);
    EXPECT_FALSE(res.ShowOutput);
    EXPECT_FALSE(res.ErrorMessage.empty());
}

TEST(PlotDataReader, TrailingBlankLinesAfterTheMainSectionAreNoGroup)
{
    TResultGraphs g;
    const TPlotReadResult res = ReadText(OneCase(1, 3, 0) + "\n   \n", EnglishSoilProject(), g);
    ASSERT_TRUE(res.ShowOutput) << res.ErrorMessage;
    EXPECT_FALSE(res.showtzcurves);
}

TEST(PlotDataReader, SettingsTakenFromTheProject)
{
    const auto project = TProgramData::Create();
    project->UseElevation = 1;
    project->ValElevation = 250;
    project->IChart = 1;
    project->DIAMINCR = 0.5;
    const TPlotReadSettings s = PlotReadSettingsOf(*project);
    EXPECT_EQ(s.fUnits, 1);
    EXPECT_EQ(s.UseElevation, 1);
    EXPECT_DOUBLE_EQ(s.ValElevation, 250.0);
    EXPECT_EQ(s.IChart, 1);
    EXPECT_DOUBLE_EQ(s.DIAMINCR, 0.5);
    ASSERT_EQ(s.Layers.size(), static_cast<std::size_t>(project->D().RowCount()));
    ASSERT_FALSE(s.Layers.empty());
    EXPECT_EQ(s.Layers[0].SoilType, 1); // the new project's sand layer
}

} // namespace
