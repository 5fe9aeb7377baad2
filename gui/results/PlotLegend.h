#pragma once

#include <QListWidget>
#include <QPoint>
#include <QStringList>

#include <vector>

namespace korva::gui {

// The legend box floating over a plot window: one entry per active curve, drawn in the
// curve's colour on white, with " *" after the (trimmed) name when the curve is visible.
// Double-clicking an entry asks to toggle its curve; the box can be dragged with the mouse
// and stays inside its parent.
class TPlotLegend : public QListWidget
{
    Q_OBJECT
  public:
    explicit TPlotLegend(QWidget* parent);

    // Entries in order (names and visibility of the active curves).
    void SetEntries(const QStringList& names, const std::vector<bool>& visible);
    // Font of SizeFont * LegendFont / 10 points, item height one and a half times its size.
    void SetFontSize(int sizeFont, int legendFont);
    // Height = entries x item height + 3; width = widest "name *" + a quarter inch, at least 21.
    void FitToEntries();
    // Moves the box so that it lies inside its parent (left and up first, never beyond 0).
    void KeepInsideParent();

    bool Dragging() const { return fDragLegend; }

  signals:
    void EntryDoubleClicked(int row);
    void Moved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int fItemHeight = 16;
    bool fDragLegend = false;
    QPoint fDragPoint; // grab offset inside the box
};

} // namespace korva::gui
