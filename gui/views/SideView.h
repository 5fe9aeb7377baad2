#pragma once

#include "gui/main/ChildWindow.h"
#include "gui/views/ElevationGeometry.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QPrinter;
class QPushButton;

namespace korva::gui {

// "Elevation View": the soil profile and the shaft to scale, drawn from the project as it
// stands each time the window is activated or the project changes; prints the same picture
// on a landscape page.
class TDlgSideView : public QWidget, public ProjectView
{
    Q_OBJECT
  public:
    explicit TDlgSideView(const TChildWindowContext& context, QWidget* parent = nullptr);

    void ProjectChanged() override;

    const TElevationView& View() const { return fView; }
    bool OmitHatches() const;
    QPushButton* PrintButton() const { return fPrint; }
    QPushButton* CloseButton() const { return fClose; }
    QCheckBox* OmitHatchesBox() const { return fOmitHatches; }

    // "Print": the print dialog, or a PDF file when no printer is installed.
    void PrintClick();
    // The print-out on a printer (landscape, job "Soil-Pile Profile").
    void PrintOn(QPrinter& printer) const;
    // The window's picture at its current size.
    QImage Picture() const;

  protected:
    // The size the window opens with.
    QSize sizeHint() const override { return {640, 600}; }
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void LayOut();

    TChildWindowContext fContext;
    TElevationView fView;
    bool fBuilt = false;
    QPushButton* fPrint;
    QPushButton* fClose;
    QCheckBox* fOmitHatches;
};

} // namespace korva::gui
