#pragma once

#include "gui/results/PlotLayout.h"
#include "gui/results/PlotScale.h"

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;
namespace korva::gui {

class TGraphPlot;

// One drawing surface of a plot: the window, a printer page or a bitmap. The same routine
// paints all three; only the surface, its size, its pixels per inch and two flags differ.
struct TDrawArea
{
    TDeviceRect Rect; // drawing rectangle
    TDeviceRect GraphArea;
    TDeviceRect LayersArea;
    int PpiX = 96;
    int PpiY = 96;
    QPainter* Canvas = nullptr;
    // Pixel height of the surface's font before the graph's text size is applied.
    int BaseTextHeight = 12;
    bool MessedUp = false;    // drawing to a bitmap: screen variants of the layer patterns
    bool PrintLegend = false; // printer or bitmap: the legend is drawn into the picture
};

// The drawing surface of one picture: the drawing rectangle, its layout, the pixels per inch
// and the surface's font height; the flags as for the window (both off).
TDrawArea MakeDrawArea(QPainter& canvas, const TDeviceRect& drawing, const TPlotLayout& layout,
                       int ppiX, int ppiY, int baseTextHeight);

// Graph text height H: the surface's font height scaled by SizeFont (tenths).
int GraphTextHeight(int baseTextHeight, int sizeFont);

// Font of all graph text (a serif face standing in where Times New Roman is missing).
QFont GraphFont(int pixelHeight, bool bold);

// Curve colour of the k-th active curve.
QColor CurveColour(int activeIndex);

// Layout input of a graph at the given text height and pixels per inch.
TPlotLayoutInput LayoutInputFor(const TGraphPlot& graph, int textHeight, int ppiX, int ppiY);

// Where the legend drawn into a picture goes. Automatic: the corner of the graph area that
// the curves leave free (PlaceLegendBox). Otherwise the on-screen box's position within the
// room the window's graph area leaves around it, as fractions (0 = left/top edge, 1 =
// right/bottom edge), applied to the picture's graph area; the box stays inside the frame.
struct TLegendAnchor
{
    bool Automatic = true;
    double FractionX = 1.0;
    double FractionY = 1.0;
};

// Clearance of a legend box from the graph frame: beyond the tick marks (a 16th of an inch).
int LegendInset(int ppi);

// The visible active curves in device pixels over the graph area (points without a value
// left out), for placing the legend where it covers the fewest of them.
std::vector<std::vector<TDevicePoint>> CurveDevicePoints(const TGraphPlot& graph,
                                                         const TLogicBounds& bounds,
                                                         const TDeviceRect& graphArea);

// Least room between two neighbouring tick labels, in pixels, at text height H.
int TickLabelGap(int textHeight);

// Tick spacing of a graph area at text height H whose labels never overlap: where the labels
// of the spacing chosen from the area's size would collide, the next coarser spacing is taken.
TTickSpacing LabelledTickSpacing(const TLogicBounds& bounds, const TDeviceRect& graphArea,
                                 int textHeight);

// One tick label as painted: its text and its box in device pixels (for a y label, the box
// of the text turned to read upward).
struct TTickLabel
{
    QString Text;
    QRect Box;
    QPoint Anchor; // x label: centre of its top edge; y label: its left edge at the tick
    bool YAxis = false;
};

// The tick labels of a paint of the graph with spacing t at text height H.
std::vector<TTickLabel> TickLabels(const TGraphPlot& graph, const TLogicBounds& bounds,
                                   const TDrawArea& area, int textHeight, const TTickSpacing& t);

// Paints the graph on area.Canvas: background, captions and title, grid and tick labels,
// curves with markers, the legend (with PrintLegend), the soil-layer strip and the frame.
void PaintPlot(const TGraphPlot& graph, const TLogicBounds& bounds, const TDrawArea& area,
               const TLegendAnchor& legend);

// Paints the graph on a printer or PDF page: laid out by the printer rules inside the drawing
// rectangle (device pixels at ppi in both directions), with the legend drawn into the picture
// and the print variants of the layer patterns. baseTextHeight is the pixel height of the
// surface's font before the graph's text size is applied.
void PaintPlotOnPage(const TGraphPlot& graph, const TLogicBounds& bounds, QPainter& painter,
                     const TDeviceRect& drawing, int ppi, int baseTextHeight,
                     const TLegendAnchor& legend);

// Text of an axis caption or a curve name as Qt text.
QString ToQString(const std::string& text);

} // namespace korva::gui
