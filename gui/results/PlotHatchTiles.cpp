#include "gui/results/PlotHatchTiles.h"

#include <QPainter>
#include <QTransform>

namespace korva::gui {

namespace {

// Tiles are designed on a 16 x 16 grid; the print tile is drawn four times finer.
constexpr int kTileUnits = 16;
constexpr int kPrintScale = 4;
// Physical size of one tile: a sixth of an inch, 16 pixels at 96 pixels per inch.
constexpr int kTilesPerInch = 6;

void Dot(QPainter& p, double x, double y, double scale)
{
    double r = scale <= 1.0 ? 0.5 : 0.6 * scale;
    if (scale <= 1.0)
        p.drawPoint(QPointF(x, y));
    else
        p.drawEllipse(QPointF(x * scale, y * scale), r, r);
}

void Pebble(QPainter& p, double x, double y, double w, double h, double scale)
{
    p.drawEllipse(QRectF(x * scale, y * scale, w * scale, h * scale));
}

void Line(QPainter& p, double x1, double y1, double x2, double y2, double scale)
{
    p.drawLine(QPointF(x1 * scale, y1 * scale), QPointF(x2 * scale, y2 * scale));
}

void Bricks(QPainter& p, double s, bool strokes)
{
    // Two courses of bricks per tile, joints staggered by half a brick.
    Line(p, 0, 0, 16, 0, s);
    Line(p, 0, 8, 16, 8, s);
    Line(p, 0, 0, 0, 8, s);
    Line(p, 8, 8, 8, 16, s);
    if (strokes) {
        Line(p, 2, 6, 14, 2, s);
        Line(p, 10, 14, 16, 12, s);
        Line(p, 0, 12, 6, 10, s);
    }
}

void DrawPattern(QPainter& p, int code, double s)
{
    switch (code) {
    case 1: // lines rising to the right, 8 units apart
        Line(p, 0, 8, 8, 0, s);
        Line(p, 0, 16, 16, 0, s);
        Line(p, 8, 16, 16, 8, s);
        break;
    case 2: // lines falling to the right
        Line(p, 0, 8, 8, 16, s);
        Line(p, 0, 0, 16, 16, s);
        Line(p, 8, 0, 16, 8, s);
        break;
    case 3: // horizontal-and-vertical cross-hatch
        Line(p, 0, 4, 16, 4, s);
        Line(p, 0, 12, 16, 12, s);
        Line(p, 4, 0, 4, 16, s);
        Line(p, 12, 0, 12, 16, s);
        break;
    case 4: // diagonal cross-hatch
        DrawPattern(p, 1, s);
        DrawPattern(p, 2, s);
        break;
    case 5: // horizontal lines
        Line(p, 0, 4, 16, 4, s);
        Line(p, 0, 12, 16, 12, s);
        break;
    case 6: // vertical lines
        Line(p, 4, 0, 4, 16, s);
        Line(p, 12, 0, 12, 16, s);
        break;
    case 7: // staggered dots
        Dot(p, 2, 3, s);
        Dot(p, 10, 3, s);
        Dot(p, 6, 11, s);
        Dot(p, 14, 11, s);
        break;
    case 8: // staggered dashes
        Line(p, 1, 4, 6, 4, s);
        Line(p, 9, 4, 14, 4, s);
        Line(p, 5, 12, 10, 12, s);
        Line(p, 13, 12, 16, 12, s);
        Line(p, 0, 12, 2, 12, s);
        break;
    case 9:
        Bricks(p, s, false);
        break;
    case 10:
        Bricks(p, s, true);
        break;
    case 11: // dots with scattered pebbles
        Dot(p, 2, 2, s);
        Dot(p, 9, 5, s);
        Dot(p, 14, 1, s);
        Dot(p, 5, 13, s);
        Dot(p, 12, 10, s);
        Pebble(p, 4, 5, 4, 3, s);
        Pebble(p, 10, 12, 4, 3, s);
        break;
    case 12: // scattered pebbles
        Pebble(p, 1, 1, 5, 4, s);
        Pebble(p, 9, 3, 4, 3, s);
        Pebble(p, 3, 9, 4, 4, s);
        Pebble(p, 10, 10, 5, 4, s);
        break;
    default:
        break;
    }
}

} // namespace

QImage HatchTile(int code, THatchResolution resolution)
{
    if (code < 1 || code > 12)
        return {};
    const int scale = resolution == THatchResolution::Print ? kPrintScale : 1;
    QImage tile(kTileUnits * scale, kTileUnits * scale, QImage::Format_RGB32);
    tile.fill(Qt::white);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing, resolution == THatchResolution::Print);
    p.setPen(QPen(Qt::black, resolution == THatchResolution::Print ? 1.5 : 0.0));
    p.setBrush(Qt::NoBrush);
    DrawPattern(p, code, scale);
    return tile;
}

QBrush HatchBrush(int code, THatchResolution resolution, int ppi)
{
    // Every pattern is a tile scaled to a sixth of an inch, so that line spacing and
    // pebble size stay the same on screen, in saved pictures and on paper.
    QImage tile = HatchTile(code, resolution);
    if (tile.isNull())
        return QBrush(Qt::NoBrush);
    QBrush brush(tile);
    double scale = static_cast<double>(ppi) / kTilesPerInch / tile.width();
    brush.setTransform(QTransform::fromScale(scale, scale));
    return brush;
}

} // namespace korva::gui
