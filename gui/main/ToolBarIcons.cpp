#include "gui/main/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korva::gui {

namespace {

constexpr int Size = 32; // drawn at 32 px, shown scaled to the tool bar's icon size

void Page(QPainter& p)
{
    QPolygonF outline{{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}};
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
    p.drawPolyline(QPolygonF{{20, 3}, {20, 9}, {26, 9}});
}

void TextLines(QPainter& p, int top, int count)
{
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(11, top + 4 * i, 22, top + 4 * i);
}

// Axes of a small graph with depth growing downward, as the result plots draw them.
void DepthAxes(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(5, 6, 28, 6);
    p.drawLine(5, 6, 5, 29);
}

void Curve(QPainter& p, const QColor& colour, std::initializer_list<QPointF> points)
{
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(points));
}

void Letters(QPainter& p, const QString& text, const QColor& colour, int pixelSize)
{
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
}

void Shaft(QPainter& p, bool belled)
{
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(0xA0, 0xA0, 0xA0));
    QPolygonF body{{12, 3}, {20, 3}, {20, 22}};
    if (belled)
        body << QPointF(25, 28) << QPointF(7, 28) << QPointF(12, 22);
    else
        body << QPointF(20, 28) << QPointF(12, 28);
    p.drawPolygon(body);
}

void Layers(QPainter& p)
{
    const QColor colours[] = {QColor(0xE8, 0xD0, 0x90), QColor(0xA0, 0x78, 0x50),
                              QColor(0x90, 0x90, 0x90)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(3, 4 + 8.5 * i, 26, 8.5));
    }
}

void Draw(QPainter& p, ToolBarGlyph glyph)
{
    switch (glyph) {
    case ToolBarGlyph::NewFile:
        Page(p);
        p.setPen(QPen(QColor(0xD0, 0x90, 0x00), 2));
        p.drawLine(22, 18, 22, 28);
        p.drawLine(17, 23, 27, 23);
        break;
    case ToolBarGlyph::OpenFile: {
        p.setPen(QPen(Qt::black, 1.3));
        p.setBrush(QColor(0xF0, 0xC8, 0x50));
        p.drawPolygon(QPolygonF{{3, 8}, {11, 8}, {14, 11}, {27, 11}, {27, 27}, {3, 27}});
        p.setBrush(QColor(0xF8, 0xE0, 0x90));
        p.drawPolygon(QPolygonF{{3, 27}, {8, 15}, {31, 15}, {27, 27}});
        break;
    }
    case ToolBarGlyph::SaveFile:
        p.setPen(QPen(Qt::black, 1.3));
        p.setBrush(QColor(0x30, 0x50, 0xA0));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0xD0, 0xD0, 0xD0));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case ToolBarGlyph::Title:
        Page(p);
        Letters(p, "T", QColor(0x00, 0x00, 0x80), 16);
        break;
    case ToolBarGlyph::ShaftProperties:
        Shaft(p, true);
        break;
    case ToolBarGlyph::SoilLayers:
        Layers(p);
        break;
    case ToolBarGlyph::FactorOfSafety:
        Letters(p, "FS", QColor(0x80, 0x00, 0x00), 14);
        break;
    case ToolBarGlyph::Run:
        p.setPen(QPen(QColor(0x00, 0x60, 0x00), 1.3));
        p.setBrush(QColor(0x20, 0xB0, 0x20));
        p.drawPolygon(QPolygonF{{8, 4}, {28, 16}, {8, 28}});
        break;
    case ToolBarGlyph::LiveResults: {
        // A capacity curve on its axes with two circling arrows: results that follow edits.
        p.setPen(QPen(Qt::black, 1.3));
        p.drawLine(QPointF(5, 4), QPointF(5, 27));
        p.drawLine(QPointF(5, 27), QPointF(28, 27));
        p.setPen(QPen(QColor(0x00, 0x40, 0xC0), 2.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath curve(QPointF(6, 25));
        curve.cubicTo(QPointF(12, 24), QPointF(16, 12), QPointF(27, 6));
        p.drawPath(curve);
        p.setPen(QPen(QColor(0x00, 0x80, 0x00), 1.6));
        p.drawArc(QRectF(15, 13, 11, 11), 30 * 16, 150 * 16);
        p.drawArc(QRectF(15, 13, 11, 11), 210 * 16, 150 * 16);
        p.setBrush(QColor(0x00, 0x80, 0x00));
        p.drawPolygon(QPolygonF{{15, 17}, {18, 20}, {13, 21}});
        p.drawPolygon(QPolygonF{{26, 20}, {23, 17}, {28, 16}});
        break;
    }
    case ToolBarGlyph::ViewOutput:
        Page(p);
        TextLines(p, 12, 4);
        break;
    case ToolBarGlyph::SoilProfile:
        Layers(p);
        Shaft(p, false);
        break;
    case ToolBarGlyph::View3D: {
        p.setPen(QPen(Qt::black, 1.3));
        p.setBrush(QColor(0x70, 0x90, 0xD0));
        p.drawPolygon(QPolygonF{{5, 11}, {19, 11}, {19, 27}, {5, 27}});
        p.setBrush(QColor(0xA0, 0xC0, 0xF0));
        p.drawPolygon(QPolygonF{{5, 11}, {12, 4}, {26, 4}, {19, 11}});
        p.setBrush(QColor(0x40, 0x60, 0xA0));
        p.drawPolygon(QPolygonF{{19, 11}, {26, 4}, {26, 20}, {19, 27}});
        break;
    }
    case ToolBarGlyph::CombinedUltimate:
        DepthAxes(p);
        Curve(p, Qt::black, {{5, 7}, {10, 16}, {14, 28}});
        Curve(p, Qt::blue, {{5, 7}, {7, 18}, {9, 28}});
        Curve(p, Qt::red, {{5, 7}, {17, 16}, {26, 28}});
        break;
    case ToolBarGlyph::CombinedFactored:
        DepthAxes(p);
        Curve(p, Qt::black, {{5, 7}, {8, 16}, {11, 28}});
        Curve(p, Qt::blue, {{5, 7}, {6, 18}, {7, 28}});
        Curve(p, Qt::red, {{5, 7}, {12, 16}, {18, 28}});
        Letters(p, "F", QColor(0x80, 0x00, 0x80), 11);
        break;
    case ToolBarGlyph::LoadSettlement:
        DepthAxes(p);
        Curve(p, Qt::blue, {{5, 7}, {16, 9}, {22, 13}, {25, 20}, {26, 28}});
        break;
    case ToolBarGlyph::TzCurves:
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(5, 27, 28, 27);
        p.drawLine(5, 27, 5, 4);
        Curve(p, Qt::red, {{5, 27}, {10, 12}, {16, 9}, {28, 9}});
        Letters(p, "t-z", Qt::black, 9);
        break;
    case ToolBarGlyph::QwCurves:
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(5, 27, 28, 27);
        p.drawLine(5, 27, 5, 4);
        Curve(p, QColor(0x00, 0x80, 0x00), {{5, 27}, {12, 14}, {20, 9}, {28, 7}});
        Letters(p, "Q-w", Qt::black, 9);
        break;
    }
}

} // namespace

QIcon ToolBarIcon(ToolBarGlyph glyph)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        Draw(painter, glyph);
    }
    return QIcon(pixmap);
}

} // namespace korva::gui
