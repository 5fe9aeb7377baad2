#include "gui/results/PlotLegend.h"

#include "gui/results/PlotPainter.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>

namespace korva::gui {

TPlotLegend::TPlotLegend(QWidget* parent) : QListWidget(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
    viewport()->installEventFilter(this);
    viewport()->setCursor(Qt::SizeAllCursor);
}

void TPlotLegend::SetEntries(const QStringList& names, const std::vector<bool>& visible)
{
    // Reuse entries, adding or deleting at the end.
    while (count() > names.size())
        delete takeItem(count() - 1);
    while (count() < names.size())
        addItem(QString());
    for (int k = 0; k < names.size(); ++k) {
        QListWidgetItem* entry = item(k);
        bool shown = k < static_cast<int>(visible.size()) && visible[static_cast<std::size_t>(k)];
        entry->setText(names[k].trimmed() + (shown ? QStringLiteral(" *") : QString()));
        entry->setForeground(CurveColour(k));
        entry->setSizeHint(QSize(0, fItemHeight));
    }
}

void TPlotLegend::SetFontSize(int sizeFont, int legendFont)
{
    int points = std::max(1, sizeFont * legendFont / 10);
    QFont f = GraphFont(1, false);
    f.setPointSize(points);
    setFont(f);
    QFontMetrics fm(f);
    // One and a half times the font size, in pixels of this screen.
    fItemHeight = std::max(fm.height(), QFontInfo(f).pixelSize() * 3 / 2);
    for (int k = 0; k < count(); ++k)
        item(k)->setSizeHint(QSize(0, fItemHeight));
}

void TPlotLegend::FitToEntries()
{
    QFontMetrics fm(font());
    int width = 21;
    for (int k = 0; k < count(); ++k) {
        QString text = item(k)->text();
        if (!text.endsWith(QStringLiteral(" *")))
            text += QStringLiteral(" *");
        width = std::max(width, fm.horizontalAdvance(text) + logicalDpiX() / 4);
    }
    // The frame and the item margins need a few pixels of their own.
    int frame = 2 * frameWidth();
    resize(width + frame + 4, count() * fItemHeight + 3 + frame);
}

void TPlotLegend::KeepInsideParent()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    int x = std::min(this->x(), parent->width() - width());
    int y = std::min(this->y(), parent->height() - height());
    move(std::max(0, x), std::max(0, y));
}

bool TPlotLegend::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != viewport())
        return QListWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            fDragLegend = true;
            fDragPoint = mapFromGlobal(mouse->globalPosition().toPoint());
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (fDragLegend && parentWidget()) {
            QPoint inParent = parentWidget()->mapFromGlobal(mouse->globalPosition().toPoint());
            move(inParent - fDragPoint);
            KeepInsideParent();
            emit Moved();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        fDragLegend = false;
        return true;
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        int row = indexAt(mouse->position().toPoint()).row();
        if (row >= 0)
            emit EntryDoubleClicked(row);
        return true;
    }
    default:
        return QListWidget::eventFilter(watched, event);
    }
}

} // namespace korva::gui
