// The spreadsheet workbook of the result graphs, read back from the written file.
#include "gui/results/PlotWorkbook.h"
#include "WorkbookReader.h"
#include "gui/model/InOutError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

using namespace korva::gui;
using workbook_test::Count;
using workbook_test::TWorkbookReader;

namespace {

namespace fs = std::filesystem;

class PlotWorkbookTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        fFolder = fs::temp_directory_path() /
                  ("korva-workbook-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(fFolder);
        fs::create_directories(fFolder);
    }
    void TearDown() override { fs::remove_all(fFolder); }

    std::string Path(const char* name) const { return (fFolder / name).string(); }

    // A depth graph of `curves` curves with the given point counts (the last count repeats):
    // point j of curve i at x = i + j / 10, depth j.
    static void Fill(TGraphPlot& graph, int curves, std::vector<int> counts)
    {
        graph.SetLineCount(curves);
        for (int i = 0; i < curves; ++i) {
            TLine& line = graph.Lines(i);
            line.SetCount(counts[std::min<std::size_t>(i, counts.size() - 1)]);
            for (int j = 0; j < line.Count(); ++j)
                line.Data(j) = {i + j / 10.0, static_cast<double>(j)};
            line.fValueS = "Dia=" + std::to_string(i + 3) + " ft";
        }
    }

    fs::path fFolder;
};

TGraphPlot& Labelled(TGraphPlot& graph, const char* caption, const char* xCaption,
                     const char* xUnits, const char* yCaption, const char* yUnits, bool xOnTop,
                     int units)
{
    graph.Caption = caption;
    graph.XCaption = xCaption;
    graph.XUnits = xUnits;
    graph.YCaption = yCaption;
    graph.YUnits = yUnits;
    graph.XOnTop = xOnTop;
    graph.SetUnits(units);
    return graph;
}

// The skin friction graph of an English project (x axis on top, depth downward).
TGraphPlot& DepthGraph(TGraphPlot& graph)
{
    return Labelled(graph, "Ultimate Skin Friction vs Depth", "Ultimate Skin Friction ", "F2",
                    "Depth ", "L2", true, 1);
}

// The t-z graph of an SI project (x axis at the bottom).
TGraphPlot& TzGraph(TGraphPlot& graph)
{
    return Labelled(graph, "t-z curves (averaged)", "Axial Displacement, z", "L",
                    "Unit Load Transfer, t", "F/L^2", false, 2);
}

TEST_F(PlotWorkbookTest, IndexSheetListsEveryGraphWithLinksAndStatus)
{
    TGraphPlot skin, tz;
    Fill(DepthGraph(skin), 3, {16});
    Fill(TzGraph(tz), 2, {5});
    const TWorkbookExport written = WritePlotWorkbook(Path("out.xlsx"), {&skin, &tz}, true);
    EXPECT_EQ(written.Graphs, 2);
    EXPECT_FALSE(written.SeriesLimited);

    TWorkbookReader book(Path("out.xlsx"));
    EXPECT_EQ(book.SheetNames(),
              (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
    const std::pair<const char*, const char*> headings[] = {
        {"B2", "     N    "},
        {"C2", "                             Plot Name                             "},
        {"D2", "  Sheet Name  "},
        {"E2", "  Chart Name  "},
        {"F2", "          Status          "}};
    for (const auto& [ref, text] : headings) {
        SCOPED_TRACE(ref);
        ASSERT_TRUE(book.Cell("Legend", ref));
        EXPECT_EQ(book.Cell("Legend", ref)->Text, text);
    }
    // Row k + 2 of graph k: its number (a number cell), caption, linked data sheet, chart
    // sheet and status.
    const char* captions[] = {"Ultimate Skin Friction vs Depth", "t-z curves (averaged)"};
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const std::string row = std::to_string(k + 2);
        const auto number = book.Cell("Legend", "B" + row);
        ASSERT_TRUE(number);
        EXPECT_TRUE(number->Number);
        EXPECT_EQ(number->Text, std::to_string(k));
        EXPECT_EQ(book.Cell("Legend", "C" + row)->Text, captions[k - 1]);
        EXPECT_EQ(book.Cell("Legend", "D" + row)->Text, "Page_" + std::to_string(k));
        EXPECT_EQ(book.Link("Legend", "D" + row), "Page_" + std::to_string(k) + "!A1");
        EXPECT_EQ(book.Cell("Legend", "E" + row)->Text, "Plot_" + std::to_string(k));
        EXPECT_EQ(book.Cell("Legend", "F" + row)->Text, "Complete");
    }
    EXPECT_FALSE(book.Cell("Legend", "B5"));
    // The headings are bold and vertically centred; columns B to F are as wide as their
    // headings at least.
    const std::string& legend = book.Part(book.SheetPart("Legend"));
    EXPECT_EQ(Count(legend, "<col "), 5u);
    const std::string& styles = book.Part("xl/styles.xml");
    EXPECT_NE(styles.find("<b/>"), std::string::npos);
    EXPECT_NE(styles.find("vertical=\"center\""), std::string::npos);
}

TEST_F(PlotWorkbookTest, DataSheetHoldsCaptionTitlesAndCurvesAsNumberColumns)
{
    TGraphPlot skin;
    Fill(DepthGraph(skin), 2, {16, 10});
    skin.Lines(1).Data(3).x = 1234.5678901234;
    WritePlotWorkbook(Path("out.xlsx"), {&skin}, true);
    TWorkbookReader book(Path("out.xlsx"));

    const std::pair<const char*, const char*> texts[] = {{"A1", "Ultimate Skin Friction vs Depth"},
                                                         {"A2", "X"},
                                                         {"B2", "Ultimate Skin Friction  (tons)"},
                                                         {"A3", "Y"},
                                                         {"B3", "Depth  (ft)"},
                                                         {"A4", "Dia=3 ft"},
                                                         {"C4", "Dia=4 ft"},
                                                         {"A5", "X"},
                                                         {"B5", "Y"},
                                                         {"C5", "X"},
                                                         {"D5", "Y"}};
    for (const auto& [ref, text] : texts) {
        SCOPED_TRACE(ref);
        ASSERT_TRUE(book.Cell("Page_1", ref));
        EXPECT_FALSE(book.Cell("Page_1", ref)->Number);
        EXPECT_EQ(book.Cell("Page_1", ref)->Text, text);
    }
    EXPECT_EQ(book.Link("Page_1", "G1"), "Legend!A1");
    // Points from row 6, one row per point, written as numbers.
    const std::pair<const char*, double> numbers[] = {
        {"A6", 0.0}, {"B6", 0.0}, {"A21", 1.5}, {"B21", 15.0}, {"C9", 1234.5678901234},
        {"D15", 9.0}};
    for (const auto& [ref, value] : numbers) {
        SCOPED_TRACE(ref);
        const auto cell = book.Cell("Page_1", ref);
        ASSERT_TRUE(cell);
        EXPECT_TRUE(cell->Number);
        EXPECT_DOUBLE_EQ(std::stod(cell->Text), value);
    }
    // The shorter curve ends in empty cells.
    EXPECT_FALSE(book.Cell("Page_1", "C16"));
    EXPECT_FALSE(book.Cell("Page_1", "A22"));
}

TEST_F(PlotWorkbookTest, SeriesSpanTheLongestCurveWithNamesAndAxisTitles)
{
    TGraphPlot three, unequal;
    Fill(DepthGraph(three), 3, {16});
    Fill(DepthGraph(unequal), 2, {16, 10});
    WritePlotWorkbook(Path("out.xlsx"), {&three, &unequal}, true);
    TWorkbookReader book(Path("out.xlsx"));

    const std::string chart = book.Chart("Plot_1");
    EXPECT_EQ(Count(chart, "<c:ser>"), 3u);
    EXPECT_NE(chart.find("<c:scatterStyle val=\"lineMarker\"/>"), std::string::npos);
    const auto x = workbook_test::All(chart, "<c:xVal><c:numRef><c:f>([^<]*)</c:f>");
    const auto y = workbook_test::All(chart, "<c:yVal><c:numRef><c:f>([^<]*)</c:f>");
    ASSERT_EQ(x.size(), 3u);
    ASSERT_EQ(y.size(), 3u);
    EXPECT_EQ(x[1], "Page_1!$C$6:$C$21");
    EXPECT_EQ(y[1], "Page_1!$D$6:$D$21");
    EXPECT_EQ(x[2], "Page_1!$E$6:$E$21");
    const auto names = workbook_test::All(chart, "<c:tx><c:v>([^<]*)</c:v></c:tx>");
    EXPECT_EQ(names, (std::vector<std::string>{"Dia=3 ft", "Dia=4 ft", "Dia=5 ft"}));
    EXPECT_NE(chart.find("Ultimate Skin Friction  (tons)"), std::string::npos);
    EXPECT_NE(chart.find("Depth  (ft)"), std::string::npos);
    EXPECT_EQ(Count(chart, "<c:majorGridlines/>"), 2u);
    EXPECT_NE(chart.find("<c:autoTitleDeleted val=\"1\"/>"), std::string::npos);

    // 16 and 10 points: both series run to row 21.
    const std::string second = book.Chart("Plot_2");
    const auto y2 = workbook_test::All(second, "<c:yVal><c:numRef><c:f>([^<]*)</c:f>");
    EXPECT_EQ(y2, (std::vector<std::string>{"Page_2!$B$6:$B$21", "Page_2!$D$6:$D$21"}));
}

TEST_F(PlotWorkbookTest, ValueAxisReversedOnlyForDepthGraphsAndLegendFramed)
{
    TGraphPlot skin, tz;
    Fill(DepthGraph(skin), 1, {4});
    Fill(TzGraph(tz), 1, {4});
    WritePlotWorkbook(Path("out.xlsx"), {&skin, &tz}, true);
    TWorkbookReader book(Path("out.xlsx"));
    const std::string depth = book.Chart("Plot_1");
    const std::string tzChart = book.Chart("Plot_2");
    EXPECT_EQ(Count(depth, "<c:orientation val=\"maxMin\"/>"), 1u);
    EXPECT_EQ(Count(tzChart, "<c:orientation val=\"maxMin\"/>"), 0u);
    // The reversed axis is the value (y) axis: the one titled with the depth.
    const std::size_t reversed = depth.find("maxMin");
    const std::size_t depthTitle = depth.find("Depth  (ft)");
    const std::size_t skinTitle = depth.find("Ultimate Skin Friction  (tons)");
    EXPECT_LT(skinTitle, reversed);
    EXPECT_LT(reversed, depthTitle);
    EXPECT_NE(tzChart.find("Unit Load Transfer, t (kN/m^2)"), std::string::npos);
    EXPECT_NE(tzChart.find("Axial Displacement, z (m)"), std::string::npos);
    // Legend: white interior, black border, inside the legend element.
    for (const std::string* chart : {&depth, &tzChart}) {
        const std::size_t begin = chart->find("<c:legend>");
        const std::size_t end = chart->find("</c:legend>");
        const std::size_t shape = chart->find(
            "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill><a:ln w=\"9525\">"
            "<a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>",
            begin);
        EXPECT_LT(begin, shape);
        EXPECT_LT(shape, end);
    }
}

TEST_F(PlotWorkbookTest, MarkersOffWhenNotAsked)
{
    TGraphPlot skin, tz;
    Fill(DepthGraph(skin), 3, {5});
    Fill(TzGraph(tz), 2, {5});
    WritePlotWorkbook(Path("plain.xlsx"), {&skin, &tz}, false);
    WritePlotWorkbook(Path("marked.xlsx"), {&skin, &tz}, true);
    TWorkbookReader plain(Path("plain.xlsx"));
    TWorkbookReader marked(Path("marked.xlsx"));
    EXPECT_EQ(Count(plain.Chart("Plot_1"), "<c:marker><c:symbol val=\"none\"/></c:marker>"), 3u);
    EXPECT_EQ(Count(plain.Chart("Plot_2"), "<c:marker><c:symbol val=\"none\"/></c:marker>"), 2u);
    EXPECT_EQ(Count(marked.Chart("Plot_1"), "<c:symbol val=\"none\"/>"), 0u);
    EXPECT_EQ(Count(marked.Chart("Plot_2"), "<c:symbol val=\"none\"/>"), 0u);
}

TEST_F(PlotWorkbookTest, ThreeHundredCurvesGiveAllColumnsAnd255Series)
{
    TGraphPlot many;
    Fill(DepthGraph(many), 300, {3});
    const TWorkbookExport written = WritePlotWorkbook(Path("many.xlsx"), {&many}, true);
    EXPECT_TRUE(written.SeriesLimited);
    TWorkbookReader book(Path("many.xlsx")); // every part reads back with a good checksum
    // Curve 300 in columns 599 and 600 (WA, WB); the chart takes the first 255.
    ASSERT_TRUE(book.Cell("Page_1", "WB8"));
    EXPECT_TRUE(book.Cell("Page_1", "WB8")->Number);
    EXPECT_EQ(book.Cell("Page_1", "WA4")->Text, "Dia=302 ft");
    const std::string chart = book.Chart("Plot_1");
    EXPECT_EQ(Count(chart, "<c:ser>"), 255u);
    // Series 255: columns 509 and 510; the columns of curve 256 are named nowhere.
    EXPECT_NE(chart.find("Page_1!$SO$6:$SO$8"), std::string::npos);
    EXPECT_NE(chart.find("Page_1!$SP$6:$SP$8"), std::string::npos);
    EXPECT_EQ(chart.find("$SQ$6"), std::string::npos);

    EXPECT_EQ(WorkbookCompletedMessage(true),
              "Export to Excel Completed\nPlease note that you need to save the excel file\n"
              "Some plots show only 255 series because Excel limitation \nPlease check \n");
    EXPECT_EQ(WorkbookCompletedMessage(false),
              "Export to Excel Completed\nPlease note that you need to save the excel file\n");
}

TEST_F(PlotWorkbookTest, ValuesWithoutANumberAndOddNamesKeepTheFileReadable)
{
    TGraphPlot skin, empty;
    Fill(DepthGraph(skin), 2, {4});
    skin.Lines(0).Data(2).x = std::numeric_limits<double>::quiet_NaN();
    skin.Lines(0).Data(3).y = std::numeric_limits<double>::infinity();
    skin.Lines(1).fValueS = "=SUM(A1)\x01<&>";
    DepthGraph(empty).Caption = "Design Chart 1";
    WritePlotWorkbook(Path("odd.xlsx"), {&skin, &empty}, true);
    TWorkbookReader book(Path("odd.xlsx"));
    EXPECT_FALSE(book.Cell("Page_1", "A8")); // NaN: an empty cell, a gap in the chart
    EXPECT_TRUE(book.Cell("Page_1", "B8")->Number);
    EXPECT_FALSE(book.Cell("Page_1", "B9"));
    EXPECT_EQ(book.Cell("Page_1", "C4")->Text, "=SUM(A1)<&>");
    // The name that looks like a formula is taken from its cell, not evaluated.
    EXPECT_NE(book.Chart("Plot_1").find("<c:strRef><c:f>Page_1!$C$4</c:f>"), std::string::npos);
    // A graph without curves still gets its two sheets; its chart shows one empty series.
    EXPECT_EQ(book.SheetNames().size(), 5u);
    EXPECT_EQ(book.Cell("Page_2", "A1")->Text, "Design Chart 1");
    EXPECT_EQ(Count(book.Chart("Plot_2"), "<c:ser>"), 1u);
    EXPECT_NE(book.Chart("Plot_2").find("Page_2!$A$6:$A$6"), std::string::npos);
}

TEST_F(PlotWorkbookTest, FailedWriteNamesTheFileAndLeavesNothingBehind)
{
    TGraphPlot skin;
    Fill(DepthGraph(skin), 1, {4});
    // A folder that does not exist.
    const std::string missing = Path("no such folder/out.xlsx");
    try {
        WritePlotWorkbook(missing, {&skin}, true);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    // A name taken by a folder: the folder and its contents stay, no temporary file is left.
    fs::create_directories(fFolder / "taken.xlsx");
    std::ofstream(fFolder / "taken.xlsx" / "keep.txt") << "kept";
    EXPECT_THROW(WritePlotWorkbook(Path("taken.xlsx"), {&skin}, true), EInOutError);
    EXPECT_TRUE(fs::exists(fFolder / "taken.xlsx" / "keep.txt"));
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(fFolder)) {
        ++entries;
        EXPECT_EQ(entry.path().filename(), "taken.xlsx");
    }
    EXPECT_EQ(entries, 1);
    // An earlier workbook of the same name is replaced whole.
    WritePlotWorkbook(Path("out.xlsx"), {&skin}, true);
    TGraphPlot two;
    Fill(DepthGraph(two), 2, {4});
    WritePlotWorkbook(Path("out.xlsx"), {&skin, &two}, true);
    EXPECT_EQ(TWorkbookReader(Path("out.xlsx")).SheetNames().size(), 5u);
}

} // namespace
