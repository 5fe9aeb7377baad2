#include "gui/results/PlotDataReader.h"
#include "gui/model/NumberText.h"
#include <cmath>

#include <algorithm>
#include <array>
#include <string>

#include "gui/results/GraphText.h"

namespace korva::gui {

namespace {

// Load-settlement curves hold 15 computed points after the origin.
constexpr int SettlementPoints = 15;
// Points of every t-z and Q-w curve.
constexpr int TransferCurvePoints = 10;
// Load levels of the load distribution.
constexpr int LoadLevels = 15;
// Design charts: one per design settlement, at most ten.
constexpr int MaxCharts = 10;
// Diameters of a design chart: the engine's chart tables hold 20.
constexpr int MaxChartDiameters = 20;
// Words of a case with one depth row (legacy layout, 5 words) and its averaged curve.
constexpr long long MinWordsPerCase = 5 + SettlementPoints * 4;
// Cases × depth rows held by the nine per-case graphs; far above any engine run, it keeps a
// damaged header from claiming the memory of the machine.
constexpr long long MaxCaseRowProduct = 1'000'000;

// Design-chart pairs arrive in inches and pounds in both unit systems.
constexpr double InchesPerFoot = 12.0;
constexpr double PoundsPerTon = 2000.0;
constexpr double InchesPerMetre = 39.37;
constexpr double PoundsPerKilonewton = 224.82014388489208633;

// Soil-layer strip, by material kind code 1..9: label and hatch code.
struct TStripStyle
{
    const char* label;
    int hatch;
};
constexpr std::array<TStripStyle, 9> StripStyles = {{
    {" SAND ", 7},       // 1 sand
    {" CLAY ", 1},       // 2 clay
    {" SHALE ", 8},      // 3 clay shale
    {" ROCK ", 9},       // 4 strong rock
    {" WEAK ROCK ", 10}, // 5 decomposed rock / gravel
    {" GW ", 12},        // 6 weak rock
    {" ROCK ", 9},       // 7 strong rock (side plus end bearing)
    {" GW ", 11},        // 8 gravelly sand
    {" GRAVEL ", 12},    // 9 gravel
}};

// Sizes a graph's curves and clears their points, keeping the curve objects (names, flags).
void Resize(TGraphPlot& graph, int lines, int points)
{
    graph.SetLineCount(lines);
    graph.SetCount(0);
    graph.SetCount(points);
}

class TPlotFileReader
{
  public:
    TPlotFileReader(TWordReader& reader, const TPlotReadSettings& settings, TResultGraphs& graphs,
                    TPlotReadResult& result)
        : r(reader), s(settings), g(graphs), res(result)
    {
    }

    void Read()
    {
        LabelGraphs();
        ReadMainSection();
        NamePerCaseCurves();
        FillCombinedGraphs();
        AddSoilStrip();

        r.SkipRestOfLine();
        if (r.RemainingWords() > 0) {
            if (s.PrintTZCurves == 1) {
                ReadTransferBlock(g.pltTzAdd, true);
            }
            ReadTransferBlock(g.pltTz, false);
            ReadQwBlock();
            res.showtzcurves = true;

            r.SkipRestOfLine();
            if (r.RemainingWords() > 0) {
                ReadLoadDistribution();
                res.showloadcurves = true;
            }
        }
        g.SetUnits(s.fUnits);
    }

  private:
    bool English() const { return s.fUnits != 2; }
    const char* UnitWord() const { return English() ? " ft" : " m"; }

    // The engine writes t-z curve depths in inches in English projects (the unit of the
    // load-transfer solution) and in metres in SI projects; the curve name states the depth in
    // the project's length unit, so English depths are shown in feet, to the hundredth.
    double CurveDepthInUnits(double depthFromFile) const
    {
        if (!English())
            return depthFromFile;
        return std::round(depthFromFile / 12.0 * 100.0) / 100.0;
    }
    bool Elevation() const { return s.UseElevation == 1; }
    double DepthValue(double depth) const { return Elevation() ? s.ValElevation - depth : depth; }

    // A count in the file that no run writes: the file is malformed at that word.
    [[noreturn]] void Malformed(const std::string& text) const
    {
        throw EInOutError("Error on Line " + std::to_string(r.Line() + 1) + " Item " +
                              std::to_string(r.Item()) + "\r" + text,
                          r.Line() + 1, r.Item());
    }

    // The file must still hold `words` words for what a count announces; otherwise it ends
    // early, and the count is not trusted to size the graphs.
    void RequireWords(long long words) const
    {
        if (r.RemainingWords() < words)
            throw EInOutError(TWordReader::InvalidFileMessage);
    }

    int ReadCount(const char* what, int minimum)
    {
        const int value = r.ReadInteger();
        if (value < minimum)
            Malformed(std::string("The ") + what + " " + std::to_string(value) +
                      " is not valid here.");
        return value;
    }

    void LabelGraphs()
    {
        for (TGraphPlot* graph : g.DepthGraphs()) {
            graph->YCaption = Elevation() ? "Elevation" : "Depth";
            graph->Yreversed = Elevation();
        }
        if (s.NLRFD == 1) {
            g.FSpltSkin.XCaption = "LRFD Side Resistance ";
            g.FSpltTip.XCaption = "LRFD Tip Resistance ";
            g.FSpltTotal.XCaption = "LRFD Total Resistance ";
            g.pltCombineD.XCaption = "LRFD Resistance ";
        } else {
            // Working-stress captions for every other design method (older projects hold 0).
            g.FSpltSkin.XCaption = "Side Resistance/F.S. ";
            g.FSpltTip.XCaption = "Tip Resistance/F.S. ";
            g.FSpltTotal.XCaption = "Total Resistance/F.S. ";
            g.pltCombineD.XCaption = "Resistance/F.S. ";
        }
        if (s.KCYCL > 1)
            g.FSpltTip.XCaption = "Self-Weight";
    }

    void NameFixedCurves()
    {
        const char* tipName = s.KCYCL != 1 ? "  Self-Weight" : "  Tip Resistance";
        for (TGraphPlot* graph : {&g.pltCombine, &g.pltCombineD}) {
            graph->Lines(0).fValueS = "  Skin Friction";
            graph->Lines(1).fValueS = tipName;
            graph->Lines(2).fValueS = "  Total Capacity";
        }
        g.pltCombinedSettle.Lines(0).fValueS = "  Trend (Averaged)";
        g.pltCombinedSettle.Lines(1).fValueS = "  Upper Bound";
        g.pltCombinedSettle.Lines(2).fValueS = "  Lower Bound";
    }

    void ReadMainSection()
    {
        const int NC = ReadCount("case count", 1);
        const int NR = ReadCount("depth row count", 2);
        const int NB = r.ReadInteger();
        if (static_cast<long long>(NC) * NR > MaxCaseRowProduct)
            Malformed("The case and depth row counts are too large for a plot data file.");
        RequireWords(static_cast<long long>(NR) * 5 + (NC - 1) * MinWordsPerCase +
                     SettlementPoints * 4);

        for (TGraphPlot* graph : g.PerCaseGraphs())
            graph->SetLineCount(NC);
        g.pltLoad.SetLineCount(LoadLevels);
        for (TGraphPlot* graph : {&g.pltCombine, &g.pltCombineD, &g.pltCombinedSettle})
            graph->SetLineCount(3);
        NameFixedCurves();

        for (TGraphPlot* graph : {&g.pltSkin, &g.pltTip, &g.pltTotal, &g.FSpltSkin, &g.FSpltTip,
                                  &g.FSpltTotal, &g.pltCombine, &g.pltCombineD})
            Resize(*graph, graph->LineCount(), NR);
        for (TGraphPlot* graph : {&g.pltAxial, &g.pltUpper, &g.pltLower, &g.pltCombinedSettle})
            Resize(*graph, graph->LineCount(), SettlementPoints + 1);
        g.pltLoad.SetCount(NR - 2);

        res.ID2 = NB;
        res.ID2Read = true;
        g.SetUnits(s.fUnits);

        int rows = NR;
        int caseNB = NB;
        for (int k = 0; k < NC; ++k) {
            ReadDepthRows(k, rows, NR);
            ReadSettlementCurve(g.pltAxial, k);
            // Each case block carries its own curve code: a run whose first cases stand in
            // rock and a later one in soil writes bound curves from that later case on.
            if (caseNB > 2) {
                ReadSettlementCurve(g.pltUpper, k);
                ReadSettlementCurve(g.pltLower, k);
            }
            if (k + 1 < NC) {
                r.ReadInteger(); // NC, counting down in multiple-length runs
                rows = r.ReadInteger();
                if (rows < 1 || rows > NR)
                    Malformed("The depth row count " + std::to_string(rows) + " of case " +
                              std::to_string(k + 2) + " lies outside 1 to " + std::to_string(NR) +
                              ".");
                caseNB = r.ReadInteger();
                RequireWords(static_cast<long long>(rows) * 5 + (NC - k - 2) * MinWordsPerCase +
                             SettlementPoints * 4);
            }
        }
        if (s.IChart >= 1)
            ReadDesignCharts();
    }

    void ReadDepthRows(int k, int rows, int NR)
    {
        TLine& skin = g.pltSkin.Lines(k);
        TLine& tip = g.pltTip.Lines(k);
        TLine& total = g.pltTotal.Lines(k);
        TLine& fsSkin = g.FSpltSkin.Lines(k);
        TLine& fsTip = g.FSpltTip.Lines(k);
        TLine& fsTotal = g.FSpltTotal.Lines(k);
        for (int row = 0; row < NR; ++row) {
            if (row >= rows) {
                // Short curves are filled up with their last row.
                for (TLine* line : {&skin, &tip, &total, &fsSkin, &fsTip, &fsTotal})
                    line->Data(row) = line->Data(row - 1);
                continue;
            }
            const double depth = r.ReadFloat();
            const double side = r.ReadFloat();
            const double base = r.ReadFloat();
            const double capacity = r.ReadFloat();
            double factoredSide = 0.0;
            double factoredBase = 0.0;
            double factoredTotal = 0.0;
            if (s.Yesnewversion != 0) {
                factoredSide = r.ReadFloat();
                factoredBase = r.ReadFloat();
                factoredTotal = r.ReadFloat();
                // In uplift the base column holds the shaft's weight, which takes no factor.
                if (s.KCYCL > 1)
                    factoredBase = base;
            } else {
                r.ReadFloat(); // not used in the oldest layout
                factoredSide = side / SafetyFactor(s.FST);
                factoredBase = s.KCYCL == 1 ? base / SafetyFactor(s.FSB) : base;
                factoredTotal = factoredSide + factoredBase;
            }
            const double y = DepthValue(depth);
            skin.Data(row) = {side, y};
            tip.Data(row) = {base, y};
            total.Data(row) = {capacity, y};
            fsSkin.Data(row) = {factoredSide, y};
            fsTip.Data(row) = {factoredBase, y};
            fsTotal.Data(row) = {factoredTotal, y};
        }
        // The tip curve must not end at zero.
        TFloatPoint& last = tip.Data(NR - 1);
        if (last.x < 1e-4)
            last.x = 1e-5;
    }

    // A factor of safety of zero or less (never accepted by the data entry) would divide the
    // capacity into infinity; the capacity is then shown unfactored.
    static double SafetyFactor(double factor) { return factor > 0.0 ? factor : 1.0; }

    void ReadSettlementCurve(TGraphPlot& graph, int k)
    {
        TLine& line = graph.Lines(k);
        line.Data(0) = {0.0, 0.0};
        for (int p = 1; p <= SettlementPoints; ++p) {
            const double load = r.ReadFloat();
            const double movement = r.ReadFloat();
            r.ReadFloat(); // tip load
            r.ReadFloat(); // tip movement
            line.Data(p) = {load, movement};
        }
    }

    void ReadDesignCharts()
    {
        const int charts = ReadCount("design chart count", 0);
        if (charts > MaxCharts)
            Malformed("The design chart count " + std::to_string(charts) +
                      " is above the limit of " + std::to_string(MaxCharts) + ".");
        const int diameters = ReadCount("design chart diameter count", 0);
        if (diameters > MaxChartDiameters)
            Malformed("The design chart diameter count " + std::to_string(diameters) +
                      " is above the limit of " + std::to_string(MaxChartDiameters) + ".");
        const int lengths = ReadCount("design chart length count", 0);
        RequireWords(static_cast<long long>(charts) *
                     (1 + static_cast<long long>(diameters) * (1 + 2LL * lengths)));
        for (int c = 0; c < charts; ++c) {
            TGraphPlot& chart = g.PltChart[static_cast<std::size_t>(c)];
            Resize(chart, diameters, lengths);
            const double movement = r.ReadFloat();
            chart.Caption = "Design Chart (" + GeneralNumberText(movement, 15) +
                            (English() ? "-in" : "-m") + " movement)";
            chart.UserCaption = chart.Caption;
            for (int d = 0; d < diameters; ++d) {
                TLine& line = chart.Lines(d);
                const double diameter = r.ReadFloat();
                line.fValueS =
                    English() ? "Dia=" + GeneralNumberText(diameter / InchesPerFoot, 15) + " ft"
                              : "Dia=" + GeneralNumberText(diameter, 15) + " m";
                for (int p = 0; p < lengths; ++p) {
                    const double length_in = r.ReadFloat();
                    const double capacity_lb = r.ReadFloat();
                    line.Data(p) = English() ? TFloatPoint{capacity_lb / PoundsPerTon,
                                                           length_in / InchesPerFoot}
                                             : TFloatPoint{capacity_lb / PoundsPerKilonewton,
                                                           length_in / InchesPerMetre};
                }
            }
        }
    }

    void NamePerCaseCurves()
    {
        const int cases = g.pltSkin.LineCount();
        const double step = s.IChart > 0 ? s.DIAMINCR : (English() ? 0.5 : 0.152);
        for (int k = 0; k < cases; ++k) {
            std::string name;
            if (s.IPENT != 0) {
                const TLine& skin = g.pltSkin.Lines(k);
                name = "L =" + GeneralNumberText(skin.Data(skin.Count() - 1).y, 15) + UnitWord();
            } else {
                name = "Dia=" + GeneralNumberText(s.DSTART + k * step, 15) + UnitWord();
            }
            for (TGraphPlot* graph : g.PerCaseGraphs())
                graph->Lines(k).fValueS = name;
        }
    }

    void FillCombinedGraphs()
    {
        const auto copyFirst = [](TGraphPlot& target, int index, const TGraphPlot& source) {
            target.Lines(index).Points() = source.Lines(0).Points();
        };
        copyFirst(g.pltCombine, 0, g.pltSkin);
        copyFirst(g.pltCombine, 1, g.pltTip);
        copyFirst(g.pltCombine, 2, g.pltTotal);
        copyFirst(g.pltCombineD, 0, g.FSpltSkin);
        copyFirst(g.pltCombineD, 1, g.FSpltTip);
        copyFirst(g.pltCombineD, 2, g.FSpltTotal);
        copyFirst(g.pltCombinedSettle, 0, g.pltAxial);
        copyFirst(g.pltCombinedSettle, 1, g.pltUpper);
        copyFirst(g.pltCombinedSettle, 2, g.pltLower);
    }

    void AddSoilStrip()
    {
        const int layers = static_cast<int>(s.Layers.size());
        for (TGraphPlot* graph : g.DepthGraphs()) {
            bool hasPoints = false;
            for (int i = 0; i < graph->LineCount(); ++i)
                hasPoints = hasPoints || graph->Lines(i).Count() > 0;
            if (!hasPoints)
                continue;
            graph->SetLayerLineCount(layers);
            for (int i = 0; i < layers; ++i) {
                const TPlotSoilLayer& layer = s.Layers[static_cast<std::size_t>(i)];
                TLine& line = graph->LayerLines(i);
                line.SetCount(1);
                const bool known = layer.SoilType >= 1 && layer.SoilType <= 9;
                const TStripStyle style =
                    known ? StripStyles[static_cast<std::size_t>(layer.SoilType - 1)]
                          : TStripStyle{nullptr, 0};
                line.fValueS = style.label ? style.label : "LAYER " + std::to_string(i + 1);
                line.Data(0) = {static_cast<double>(style.hatch), DepthValue(layer.BottomDepth)};
            }
            graph->LayersTop = Elevation() ? s.ValElevation : 0.0;
        }
    }

    // t-z and additional t-z curves: a count, then per curve a record whose last word is the
    // depth, and 10 points (t, z).
    void ReadTransferBlock(TGraphPlot& graph, bool additional)
    {
        const int curves =
            ReadCount(additional ? "additional t-z curve count" : "t-z curve count", 0);
        RequireWords(static_cast<long long>(curves) * (3 + 2 * TransferCurvePoints));
        Resize(graph, curves, TransferCurvePoints);
        for (int c = 0; c < curves; ++c) {
            r.ReadInteger(); // curve number
            r.ReadInteger(); // point count; every curve has 10 points
            const double depth = r.ReadFloat();
            graph.Lines(c).fValueS =
                "H=" + GeneralNumberText(CurveDepthInUnits(depth), 15) + UnitWord();
            ReadTransferPoints(graph.Lines(c));
        }
    }

    void ReadQwBlock()
    {
        const int curves = ReadCount("Q-w curve count", 0);
        RequireWords(static_cast<long long>(curves) * (3 + 2 * TransferCurvePoints));
        Resize(g.pltQw, curves, TransferCurvePoints);
        for (int c = 0; c < curves; ++c) {
            r.ReadInteger(); // diameter counter
            const double diameter = r.ReadFloat();
            r.ReadInteger(); // point count
            g.pltQw.Lines(c).fValueS = "Dia=" + GeneralNumberText(diameter, 15) + UnitWord();
            ReadTransferPoints(g.pltQw.Lines(c));
        }
    }

    void ReadTransferPoints(TLine& line)
    {
        for (int p = 0; p < TransferCurvePoints; ++p) {
            const double first = r.ReadFloat();  // t or Q
            const double second = r.ReadFloat(); // z or w
            line.Data(p) = {second, first};
        }
    }

    void ReadLoadDistribution()
    {
        const int points = g.pltLoad.Count();
        for (int level = 0; level < LoadLevels; ++level) {
            TLine& line = g.pltLoad.Lines(level);
            for (int p = 0; p < points; ++p) {
                const double depth = r.ReadFloat();
                const double load = r.ReadFloat();
                r.ReadFloat(); // average movement of the segment
                line.Data(p) = {load, depth};
            }
        }
    }

    TWordReader& r;
    const TPlotReadSettings& s;
    TResultGraphs& g;
    TPlotReadResult& res;
};

// Where the words ran out: after the last word of the last line that holds any.
void PositionAtEnd(const TWordReader& reader, int& line, int& item)
{
    for (int i = reader.GetLineCount() - 1; i >= 0; --i) {
        if (reader.GetWordCount(i) > 0) {
            line = i + 1;
            item = reader.GetWordCount(i) + 1;
            return;
        }
    }
    line = 1;
    item = 1;
}

} // namespace

TPlotReadResult ReadPlotData(TWordReader& reader, const TPlotReadSettings& settings,
                             TResultGraphs& graphs)
{
    TPlotReadResult result;
    try {
        TPlotFileReader(reader, settings, graphs, result).Read();
        result.ShowOutput = true;
    } catch (const EInOutError& e) {
        result.ShowOutput = false;
        if (e.Line() > 0) {
            result.ErrorMessage = e.what();
            result.ErrorLine = e.Line();
            result.ErrorItem = e.Item();
        } else {
            // The file ends where a value is expected: name the place after its last word.
            PositionAtEnd(reader, result.ErrorLine, result.ErrorItem);
            result.ErrorMessage = "Error on Line " + std::to_string(result.ErrorLine) + " Item " +
                                  std::to_string(result.ErrorItem) + "\r" + e.what();
        }
    }
    return result;
}

TPlotReadResult ReadPlotData(const std::filesystem::path& fileName,
                             const TPlotReadSettings& settings, TResultGraphs& graphs)
{
    try {
        TWordReader reader(fileName);
        return ReadPlotData(reader, settings, graphs);
    } catch (const EInOutError& e) {
        TPlotReadResult result;
        result.ErrorMessage = e.what();
        return result;
    }
}

} // namespace korva::gui
