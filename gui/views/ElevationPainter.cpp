#include "gui/views/ElevationPainter.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace korva::gui {

namespace {

QColor ColourOf(std::uint32_t rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

Qt::BrushStyle BrushStyleOf(TSoilHatch hatch)
{
    switch (hatch) {
    case TSoilHatch::Vertical:
        return Qt::VerPattern;
    case TSoilHatch::DiagonalUp:
        return Qt::BDiagPattern; // lines rising to the right
    case TSoilHatch::DiagonalCross:
        return Qt::DiagCrossPattern;
    case TSoilHatch::Cross:
        return Qt::CrossPattern;
    }
    return Qt::NoBrush;
}

// One tile of a hatch drawn `scale` times the size of a screen hatch (8 pixels), with lines
// of a width that stays visible on a printer page.
QImage HatchTile(TSoilHatch hatch, const QColor& colour, double scale)
{
    const int n = std::max(8, static_cast<int>(std::lround(8.0 * scale)));
    QImage tile(n, n, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    p.setPen(QPen(colour, std::max(1.0, 0.8 * scale), Qt::SolidLine, Qt::FlatCap));
    const double m = n / 2.0;
    switch (hatch) {
    case TSoilHatch::Vertical:
        p.drawLine(QPointF(m, 0), QPointF(m, n));
        break;
    case TSoilHatch::Cross:
        p.drawLine(QPointF(m, 0), QPointF(m, n));
        p.drawLine(QPointF(0, m), QPointF(n, m));
        break;
    case TSoilHatch::DiagonalCross:
        p.drawLine(QPointF(0, 0), QPointF(n, n));
        [[fallthrough]];
    case TSoilHatch::DiagonalUp:
        p.drawLine(QPointF(0, n), QPointF(n, 0));
        break;
    }
    return tile;
}

// Fills a soil band with its hatch; `hatchScale` widens the hatch spacing on devices of
// higher resolution than a screen, so a page shows the same pattern.
void FillBand(QPainter& painter, int kind, const QRect& band, bool omitHatches,
              double hatchScale = 1.0)
{
    const auto style = SoilTypeStyleOf(kind);
    if (omitHatches || !style || band.height() <= 0)
        return;
    QBrush brush(ColourOf(style->Colour), BrushStyleOf(style->Hatch));
    if (hatchScale > 1.0)
        brush = QBrush(HatchTile(style->Hatch, ColourOf(style->Colour), hatchScale));
    painter.fillRect(band, brush);
}

// The shaft parts as filled quadrilaterals in their colours, corners mapped by `map`.
template <class TMap> void PaintParts(QPainter& painter, const TElevationView& view, TMap map)
{
    painter.setPen(Qt::NoPen);
    const auto& parts = view.Parts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto& c = parts[i].Corners;
        // Upper left, upper right, lower right, lower left around the outline.
        QPolygon outline{map(c[0]), map(c[1]), map(c[3]), map(c[2])};
        painter.setBrush(ColourOf(ShaftPartColour(i)));
        painter.drawPolygon(outline);
    }
}

} // namespace

void PaintElevation(QPainter& painter, const TElevationView& view, int width, int height,
                    bool omitHatches, const QFont& labelFont)
{
    painter.fillRect(0, 0, width, height, Qt::white);
    if (view.NoDrawing())
        return;
    painter.setFont(labelFont);
    const QFontMetrics metrics(labelFont);
    const double ground = view.GroundY();
    const auto bands = view.Bands();
    for (const TSoilBand& band : bands) {
        const int top = view.MapY(band.TopDepth + ground);
        const int bottom = view.MapY(band.BottomDepth + ground);
        FillBand(painter, band.Kind, QRect(0, top, width, bottom - top), omitHatches);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(0, bottom, width, bottom);
        const int textY = (top + bottom) / 2 + (metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(10, textY, QString::fromStdString(band.Label));
    }
    if (!bands.empty()) {
        // The ground surface with short hatch strokes into the ground.
        const int y = view.MapY(ground);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(0, y, width, y);
        for (const int x : ScreenGroundStrokeStarts(width))
            painter.drawLine(x, y, x + 5, y + 5);
    }
    const TDrawingExtent& visible = view.Visible();
    if (visible.Right != visible.Left && visible.Bottom != visible.Top)
        PaintParts(painter, view,
                   [&](const TDrawPoint& p) { return QPoint(view.MapX(p.x), view.MapY(p.y)); });
}

void PaintElevationPage(QPainter& painter, const TElevationView& view, int pageWidth,
                        int pageHeight, bool omitHatches, const QFont& labelFont)
{
    const TElevationPage page(view, pageWidth, pageHeight);
    if (!page.Valid())
        return;
    painter.setFont(labelFont);
    const QFontMetrics metrics(labelFont, painter.device());
    const QPen linePen(Qt::black, 12);
    const double hatchScale = painter.device()->logicalDpiY() / 96.0;
    const auto bands = view.Bands(true);
    for (std::size_t r = 0; r < bands.size(); ++r) {
        const TSoilBand& band = bands[r];
        const int top = page.MapDepth(band.TopDepth);
        const int bottom = page.MapDepth(band.BottomDepth);
        FillBand(painter, band.Kind,
                 QRect(page.Left(), top, page.Right() - page.Left(), bottom - top), omitHatches,
                 hatchScale);
        painter.setPen(linePen);
        painter.drawLine(page.Left(), bottom, page.Right(), bottom);
        painter.drawText(page.LabelX(), top + metrics.ascent() + page.StrokeLength(),
                         QString::fromStdString(band.Label));
        if (r == 0) {
            painter.drawLine(page.Left(), top, page.Right(), top);
            const int stroke = page.StrokeLength();
            for (const int x : page.GroundStrokeStarts())
                painter.drawLine(x, top, x + stroke, top + stroke);
        }
    }
    PaintParts(painter, view,
               [&](const TDrawPoint& p) { return QPoint(page.MapX(p.x), page.MapY(p.y)); });
}

} // namespace korva::gui
