#include "gui/results/PlotPainter.h"
#include "gui/model/NumberText.h"

#include "gui/results/GraphColours.h"
#include "gui/results/GraphPlot.h"
#include "gui/results/GraphText.h"
#include "gui/results/PlotHatchTiles.h"
#include "gui/results/PlotMarkerShape.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace korva::gui {

namespace {

QRect ToQRect(const TDeviceRect& r)
{
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom));
}

bool Finite(const TFloatPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Draws text centred on (cx) with its top at (top), horizontal.
void TextTopCentred(QPainter& p, const QString& text, int cx, int top)
{
    QFontMetrics fm(p.font());
    int w = fm.horizontalAdvance(text);
    p.drawText(cx - w / 2, top + fm.ascent(), text);
}

// Text rotated by 90 degrees, reading upward, centred on cy; its upper side (before the
// rotation) lies on x = left, so the text occupies left .. left + font height.
void TextUpwardCentred(QPainter& p, const QString& text, int left, int cy)
{
    QFontMetrics fm(p.font());
    int w = fm.horizontalAdvance(text);
    p.save();
    p.translate(left, cy);
    p.rotate(-90.0);
    p.drawText(-w / 2, fm.ascent(), text);
    p.restore();
}

void DrawMarker(QPainter& p, int curveIndex, int px, int py, int rx, int ry)
{
    std::vector<TMarkerVertex> vertices = MarkerVertices(curveIndex, px, py, rx, ry);
    QPolygonF polygon;
    for (const TMarkerVertex& v : vertices)
        polygon << QPointF(v.x, v.y);
    p.drawPolygon(polygon);
}

// Indexes of the active curves, in curve order; the position in this list picks the colour.
std::vector<int> ActiveCurves(const TGraphPlot& graph)
{
    std::vector<int> active;
    for (int i = 0; i < graph.LineCount(); ++i)
        if (graph.Lines(i).fActive)
            active.push_back(i);
    return active;
}

void PaintCaptions(const TGraphPlot& graph, const TDrawArea& a, int h)
{
    QPainter& p = *a.Canvas;
    p.setFont(GraphFont(h, true));
    p.setPen(Qt::black);
    const TDeviceRect& r = a.Rect;
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2;
    const bool hasTitle = !graph.UserCaption.empty();
    QFontMetrics fm(p.font());
    QString xCaption = ToQString(graph.XCaptionText());
    if (graph.XOnTop) {
        int top = r.Top;
        if (hasTitle && graph.UserCaptionOnTop)
            top += h / 8 + h;
        TextTopCentred(p, xCaption, cx, top);
    } else {
        int bottom = r.Bottom;
        if (hasTitle && !graph.UserCaptionOnTop)
            bottom -= h;
        TextTopCentred(p, xCaption, cx, bottom - fm.height());
    }
    if (hasTitle) {
        QString title = ToQString(graph.UserCaption);
        if (graph.UserCaptionOnTop)
            TextTopCentred(p, title, cx, r.Top);
        else
            TextTopCentred(p, title, cx, r.Bottom - fm.height());
    }
    TextUpwardCentred(p, ToQString(graph.YCaptionText()), r.Left, cy);
}

void PaintGrid(const TGraphPlot& graph, const TLogicBounds& b, const TDrawArea& a, int h)
{
    const TDeviceRect& g = a.GraphArea;
    QPainter& p = *a.Canvas;
    p.setFont(GraphFont(h, false));
    const TTickSpacing t = LabelledTickSpacing(b, g, h);
    if (!t.Valid)
        return;
    QPen gridPen(Qt::black, 1, Qt::DotLine);
    QPen markPen(Qt::black, 1, Qt::SolidLine);
    gridPen.setCosmetic(true);
    // Dots a 96th of an inch apart on every surface (a printer's pixel is too small to see).
    const double dot = std::max(1.0, a.PpiX / 96.0);
    gridPen.setDashPattern({dot, dot});
    markPen.setCosmetic(true);
    const int markX = a.PpiY / 16;
    const int markY = a.PpiX / 16;

    if (t.FinishX > t.StartX) {
        for (long long i = t.StartX; i <= t.FinishX; ++i) {
            double x = static_cast<double>(i) * t.MinorX;
            int px = DataToDeviceX(x, b, g);
            if (px < g.Left || px > g.Right)
                continue;
            int axisY = graph.XOnTop ? g.Top : g.Bottom;
            int inward = graph.XOnTop ? markX : -markX;
            if (i % 5 == 0) {
                p.setPen(gridPen);
                p.drawLine(px, g.Top, px, g.Bottom);
            }
            p.setPen(markPen);
            p.drawLine(px, axisY, px, axisY + inward);
        }
    }
    if (t.FinishY > t.StartY) {
        for (long long i = t.StartY; i <= t.FinishY; ++i) {
            double y = static_cast<double>(i) * t.MinorY;
            int py = DataToDeviceY(y, b, g, graph.XOnTop);
            if (py < g.Top || py > g.Bottom)
                continue;
            if (i % 5 == 0) {
                p.setPen(gridPen);
                p.drawLine(g.Left, py, g.Right, py);
            }
            p.setPen(markPen);
            p.drawLine(g.Left, py, g.Left + markY, py);
        }
    }
    p.setPen(Qt::black);
    for (const TTickLabel& label : TickLabels(graph, b, a, h, t)) {
        if (label.YAxis)
            TextUpwardCentred(p, label.Text, label.Anchor.x(), label.Anchor.y());
        else
            TextTopCentred(p, label.Text, label.Anchor.x(), label.Anchor.y());
    }
}

QPen CurvePen(const TGraphPlot& graph, const TDrawArea& a, int activeIndex)
{
    int width = (static_cast<int>(std::lround(a.PpiX / 300.0)) + 1) * std::max(1, graph.WidthLine);
    QPen pen(CurveColour(activeIndex), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

void PaintCurves(const TGraphPlot& graph, const TLogicBounds& b, const TDrawArea& a)
{
    bool anyWithTwoPoints = false;
    for (int i = 0; i < graph.LineCount(); ++i)
        anyWithTwoPoints = anyWithTwoPoints || graph.Lines(i).Count() >= 2;
    if (!anyWithTwoPoints)
        return;
    QPainter& p = *a.Canvas;
    const TDeviceRect& g = a.GraphArea;
    p.save();
    p.setClipRect(ToQRect(g).adjusted(0, 0, 1, 1));
    p.setBrush(Qt::NoBrush);
    const int rx = a.PpiX / 32;
    const int ry = a.PpiY / 32;
    std::vector<int> active = ActiveCurves(graph);
    for (std::size_t k = 0; k < active.size(); ++k) {
        const TLine& line = graph.Lines(active[k]);
        if (!line.fVisible)
            continue;
        p.setPen(CurvePen(graph, a, static_cast<int>(k)));
        QPolygon polyline;
        const std::vector<TFloatPoint>& points = line.Points();
        for (const TFloatPoint& point : points) {
            if (!Finite(point)) {
                // A point without a value interrupts the curve.
                if (polyline.size() > 1)
                    p.drawPolyline(polyline);
                polyline.clear();
                continue;
            }
            polyline << QPoint(DataToDeviceX(point.x, b, g),
                               DataToDeviceY(point.y, b, g, graph.XOnTop));
        }
        if (polyline.size() > 1)
            p.drawPolyline(polyline);
        if (graph.Markers > 0) {
            for (std::size_t j = 0; j < points.size(); ++j) {
                if (j % static_cast<std::size_t>(graph.Markers) != 0 || !Finite(points[j]))
                    continue;
                DrawMarker(p, active[k], DataToDeviceX(points[j].x, b, g),
                           DataToDeviceY(points[j].y, b, g, graph.XOnTop), rx, ry);
            }
        }
    }
    p.restore();
}

void PaintPictureLegend(const TGraphPlot& graph, const TLogicBounds& b, const TDrawArea& a, int h,
                        const TLegendAnchor& anchor)
{
    std::vector<int> active = ActiveCurves(graph);
    std::vector<std::size_t> shown; // positions in `active` of the visible curves
    for (std::size_t k = 0; k < active.size(); ++k)
        if (graph.Lines(active[k]).fVisible)
            shown.push_back(k);
    if (shown.empty())
        return;
    QPainter& p = *a.Canvas;
    p.save();
    p.setFont(GraphFont(h, false));
    QFontMetrics fm(p.font());
    int widest = 0;
    for (std::size_t k : shown)
        widest =
            std::max(widest, fm.horizontalAdvance(ToQString(graph.Lines(active[k]).GetLineName())));
    const int textHeight = fm.height();
    const int spacing = textHeight + a.PpiY / 32;
    const int width = widest + 3 * a.PpiX / 16;
    const int height = spacing * static_cast<int>(shown.size()) + a.PpiY / 32;
    const TDeviceRect& g = a.GraphArea;
    const int insetX = LegendInset(a.PpiX);
    const int insetY = LegendInset(a.PpiY);
    TDeviceRect box;
    if (anchor.Automatic) {
        box = PlaceLegendBox(g, width, height, insetX, insetY, CurveDevicePoints(graph, b, g));
    } else {
        // The same relative place in the room the graph area leaves around the box, so that
        // a legend in a corner on screen is in that corner of the picture, inside the frame.
        const double fx = std::clamp(anchor.FractionX, 0.0, 1.0);
        const double fy = std::clamp(anchor.FractionY, 0.0, 1.0);
        const int roomX = g.Width() - 2 * insetX - width;
        const int roomY = g.Height() - 2 * insetY - height;
        box = KeepBoxInside(g, g.Left + insetX + static_cast<int>(std::lround(fx * roomX)),
                            g.Top + insetY + static_cast<int>(std::lround(fy * roomY)), width,
                            height, insetX, insetY);
    }
    const int left = box.Left;
    const int top = box.Top;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(left, top, width, height);
    p.setBrush(Qt::NoBrush);
    int entryTop = top + a.PpiY / 32;
    const int entryLeft = left + a.PpiX / 16;
    for (std::size_t k : shown) {
        const int curve = active[k];
        QPen pen = CurvePen(graph, a, static_cast<int>(k));
        p.setPen(pen);
        DrawMarker(p, curve, entryLeft, entryTop + textHeight / 2, a.PpiX / 32, a.PpiY / 32);
        p.setPen(CurveColour(static_cast<int>(k)));
        p.drawText(entryLeft + a.PpiX / 16, entryTop + fm.ascent(),
                   ToQString(graph.Lines(curve).GetLineName()));
        entryTop += spacing;
    }
    p.restore();
}

// Lines of a layer label: the whole name, or one word a line when it is wider than the
// strip and the band is tall enough.
QStringList LabelLines(const QString& name, const QFontMetrics& fm, int width, int height)
{
    const QString trimmed = name.trimmed();
    if (fm.horizontalAdvance(name) <= width || fm.horizontalAdvance(trimmed) <= width)
        return {fm.horizontalAdvance(name) <= width ? name : trimmed};
    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() > 1 && words.size() * fm.height() <= height)
        return words;
    return {trimmed};
}

// Writes a layer's name centred in the visible part of its band, on white: at the graph's
// text size when it fits the strip, word by word on separate lines when that fits, else in a
// smaller type; left out when the band is too thin for readable type.
void PaintLayerLabel(QPainter& p, const QString& name, const QRect& band, int baseTextHeight)
{
    // A couple of pixels of white around the type keep the hatching off the letters.
    const int pad = 2;
    const int room = band.width() - 2 - 2 * pad;
    const int minimum = std::max(6, baseTextHeight * 3 / 5);
    for (int size = std::max(1, baseTextHeight); size >= minimum; --size) {
        const QFont font = GraphFont(size, false);
        const QFontMetrics fm(font);
        const QStringList lines = LabelLines(name, fm, room, band.height() - 2);
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, fm.horizontalAdvance(line));
        const int height = static_cast<int>(lines.size()) * fm.height();
        if (width > room || height > band.height() - 2)
            continue;
        QRect textRect(0, 0, width, height);
        textRect.moveCenter(band.center());
        p.setFont(font);
        p.fillRect(textRect.adjusted(-pad, 0, pad, 0), Qt::white);
        p.setPen(Qt::black);
        p.drawText(textRect, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
        return;
    }
}

void PaintLayerStrip(const TGraphPlot& graph, const TLogicBounds& b, const TDrawArea& a)
{
    const TDeviceRect& s = a.LayersArea;
    if (s.Width() <= 0 || s.Height() <= 0)
        return;
    QPainter& p = *a.Canvas;
    p.save();
    const QRect strip = ToQRect(s);
    p.setClipRect(strip.adjusted(0, 0, 1, 1));
    const THatchResolution resolution =
        a.PrintLegend && !a.MessedUp ? THatchResolution::Print : THatchResolution::Screen;
    // The strip shares the vertical scale of the graph area.
    int previous = DataToDeviceY(graph.LayersTop, b, a.GraphArea, graph.XOnTop);
    for (int i = 0; i < graph.LayerLineCount(); ++i) {
        const TLine& layer = graph.LayerLines(i);
        if (layer.Count() < 1 || !Finite(layer.Data(0)))
            continue;
        int bottom = DataToDeviceY(layer.Data(0).y, b, a.GraphArea, graph.XOnTop);
        // Only the part of the band inside the strip is drawn, outline included, so a layer
        // reaching below the graph's range is closed at the strip's edge.
        const int bandTop = std::min(previous, bottom);
        const QRect band = QRect(s.Left, bandTop, s.Width(), std::max(previous, bottom) - bandTop)
                               .intersected(QRect(s.Left, s.Top, s.Width(), s.Height()));
        previous = bottom;
        if (band.height() <= 0)
            continue;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(band);
        int code = static_cast<int>(std::lround(layer.Data(0).x));
        QBrush hatch = HatchBrush(code, resolution, a.PpiX);
        if (hatch.style() != Qt::NoBrush) {
            // Patterns are anchored to the surface so that neighbouring bands line up.
            p.setPen(Qt::NoPen);
            p.setBrush(hatch);
            p.drawRect(band.adjusted(1, 1, 0, 0));
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(band);
        }
        PaintLayerLabel(p, ToQString(layer.GetLineName()), band, a.BaseTextHeight);
    }
    p.restore();
}

} // namespace

QString ToQString(const std::string& text)
{
    return QString::fromStdString(text);
}

int TickLabelGap(int textHeight)
{
    return std::max(2, textHeight / 3);
}

TTickSpacing LabelledTickSpacing(const TLogicBounds& bounds, const TDeviceRect& graphArea,
                                 int textHeight)
{
    const QFontMetrics fm(GraphFont(textHeight, false));
    const TLabelLength length = [&fm](double value) {
        return fm.horizontalAdvance(ToQString(GeneralNumberText(value, 4)));
    };
    return ComputeTickSpacing(bounds, graphArea.Width(), graphArea.Height(), textHeight, length,
                              length, TickLabelGap(textHeight));
}

std::vector<TTickLabel> TickLabels(const TGraphPlot& graph, const TLogicBounds& b,
                                   const TDrawArea& a, int h, const TTickSpacing& t)
{
    std::vector<TTickLabel> labels;
    if (!t.Valid)
        return labels;
    const TDeviceRect& g = a.GraphArea;
    const QFontMetrics fm(GraphFont(h, false));
    if (t.FinishX > t.StartX) {
        for (long long i = t.StartX; i <= t.FinishX; ++i) {
            if (i % 5 != 0)
                continue;
            const double x = static_cast<double>(i) * t.MinorX;
            const int px = DataToDeviceX(x, b, g);
            if (px < g.Left || px > g.Right)
                continue;
            const QString text = ToQString(GeneralNumberText(x, 4));
            const int w = fm.horizontalAdvance(text);
            const int top =
                graph.XOnTop ? g.Top - fm.height() - a.PpiY / 32 : g.Bottom + a.PpiY / 16;
            labels.push_back(
                {text, QRect(px - w / 2, top, w, fm.height()), QPoint(px, top), false});
        }
    }
    if (t.FinishY > t.StartY) {
        for (long long i = t.StartY; i <= t.FinishY; ++i) {
            if (i % 5 != 0)
                continue;
            const double y = static_cast<double>(i) * t.MinorY;
            const int py = DataToDeviceY(y, b, g, graph.XOnTop);
            if (py < g.Top || py > g.Bottom)
                continue;
            const QString text = ToQString(GeneralNumberText(y, 4));
            const int w = fm.horizontalAdvance(text);
            // Rotated to read upward: as tall as the text is long, as wide as the font is high.
            const int left = g.Left - a.PpiX / 32 - fm.height();
            labels.push_back(
                {text, QRect(left, py - w / 2, fm.height(), w), QPoint(left, py), true});
        }
    }
    return labels;
}

int GraphTextHeight(int baseTextHeight, int sizeFont)
{
    return std::abs(baseTextHeight) * std::max(1, sizeFont) / 10;
}

QFont GraphFont(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QColor CurveColour(int activeIndex)
{
    return QColor::fromRgb(static_cast<QRgb>(CurveColourRgb(activeIndex)));
}

TPlotLayoutInput LayoutInputFor(const TGraphPlot& graph, int textHeight, int ppiX, int ppiY)
{
    TPlotLayoutInput in;
    in.PpiX = ppiX;
    in.PpiY = ppiY;
    in.TextHeight = textHeight;
    in.XOnTop = graph.XOnTop;
    in.HasTitle = !graph.UserCaption.empty();
    in.TitleOnTop = graph.UserCaptionOnTop;
    in.ShowLayers = graph.ShowLayers && graph.LayerLineCount() > 0;
    return in;
}

int LegendInset(int ppi)
{
    return ppi / 16 + 2;
}

std::vector<std::vector<TDevicePoint>>
CurveDevicePoints(const TGraphPlot& graph, const TLogicBounds& bounds, const TDeviceRect& graphArea)
{
    std::vector<std::vector<TDevicePoint>> curves;
    for (int i = 0; i < graph.LineCount(); ++i) {
        const TLine& line = graph.Lines(i);
        if (!line.fActive || !line.fVisible)
            continue;
        std::vector<TDevicePoint>& curve = curves.emplace_back();
        for (const TFloatPoint& point : line.Points()) {
            if (!Finite(point))
                continue;
            curve.push_back({DataToDeviceX(point.x, bounds, graphArea),
                             DataToDeviceY(point.y, bounds, graphArea, graph.XOnTop)});
        }
    }
    return curves;
}

void PaintPlot(const TGraphPlot& graph, const TLogicBounds& bounds, const TDrawArea& area,
               const TLegendAnchor& legend)
{
    if (!area.Canvas)
        return;
    QPainter& p = *area.Canvas;
    p.save();
    p.fillRect(ToQRect(area.Rect).adjusted(0, 0, 1, 1), Qt::white);
    if (area.Rect.Width() < area.PpiX || area.Rect.Height() < area.PpiY) {
        p.restore();
        return;
    }
    const int h = GraphTextHeight(area.BaseTextHeight, graph.SizeFont);
    PaintCaptions(graph, area, h);
    PaintGrid(graph, bounds, area, h);
    PaintCurves(graph, bounds, area);
    if (area.PrintLegend)
        PaintPictureLegend(graph, bounds, area, h, legend);
    if (graph.ShowLayers)
        PaintLayerStrip(graph, bounds, area);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const TDeviceRect& g = area.GraphArea;
    p.drawRect(g.Left, g.Top, g.Width(), g.Height());
    p.restore();
}

void PaintPlotOnPage(const TGraphPlot& graph, const TLogicBounds& bounds, QPainter& painter,
                     const TDeviceRect& drawing, int ppi, int baseTextHeight,
                     const TLegendAnchor& legend)
{
    const int h = GraphTextHeight(baseTextHeight, graph.SizeFont);
    const TPlotLayout layout = PrintLayout(drawing, LayoutInputFor(graph, h, ppi, ppi));
    TDrawArea area = MakeDrawArea(painter, drawing, layout, ppi, ppi, baseTextHeight);
    area.PrintLegend = true;
    PaintPlot(graph, bounds, area, legend);
}

TDrawArea MakeDrawArea(QPainter& canvas, const TDeviceRect& drawing, const TPlotLayout& layout,
                       int ppiX, int ppiY, int baseTextHeight)
{
    TDrawArea area;
    area.Rect = drawing;
    area.GraphArea = layout.Graph;
    area.LayersArea = layout.Layers;
    area.PpiX = ppiX;
    area.PpiY = ppiY;
    area.Canvas = &canvas;
    area.BaseTextHeight = baseTextHeight;
    return area;
}

} // namespace korva::gui
