#pragma once

#include "gui/results/GraphWindow.h"
#include "gui/results/PlotLayout.h"
#include "gui/results/PlotPainter.h"
#include "gui/results/PlotScale.h"

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QRubberBand;
namespace korva::gui {

class TGraphPlot;
class TPlotForm;
class TPlotLegend;

// Client area of a plot window: paints the graph and passes the mouse to the window.
class TPlotCanvas : public QWidget
{
  public:
    explicit TPlotCanvas(TPlotForm* form);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TPlotForm* fForm;
};

// The window showing one result graph: full extent with rounded limits, grid, tick labels,
// captions, curves with markers, an optional graph title, the legend box and the soil-layer
// strip; rubber-band zoom, right-click zoom out, the mouse read-out in the caption, curve
// toggling and renaming, active curves, text size, line width and marker spacing, printing
// and saving as a picture. Reads and writes its display choices in the graph.
//
// The main window shows a graph with
//   graph.Show(TPlotForm::Factory(mdiArea));
// which creates the window (a maximised MDI child) the first time and brings it up later.
class TPlotForm : public QMainWindow, public TGraphWindow
{
    Q_OBJECT
  public:
    explicit TPlotForm(TGraphPlot& graph, QWidget* parent = nullptr);
    ~TPlotForm() override;

    // Creates the window as a child of the MDI area (a top-level window when area is null).
    static TPlotForm* Create(TGraphPlot& graph, QMdiArea* area);
    // documentFolder: where the save and print dialogs start (the project's folder).
    static TGraphWindowFactory Factory(QMdiArea* area,
                                       std::function<QString()> documentFolder = {});

    // Size of a new window before it is shown maximised.
    static QSize InitialSize() { return {800, 600}; }

    void ShowRestored() override;
    void Release() override;
    // New results in the graph: the full extent, legend and curve items are made again and the
    // caption says whether the results are live or stale.
    void ResultsChanged(TResultsFreshness freshness) override;

    TGraphPlot* Data() const { return fData; }
    const TLogicBounds& LogicBounds() const { return fLogicBounds; }
    const TLogicBounds& MaxLogicBounds() const { return fMaxLogicBounds; }
    void SetLogicBounds(const TLogicBounds& bounds);

    // Layout of the client area as last computed, and the graph text height H.
    TPlotLayout WindowPlotLayout() const;
    int TextHeight() const;
    // Font height of a picture at ppi pixels per inch before the graph's text size: the
    // window's, scaled from the window's pixels per inch to the picture's.
    int PictureBaseTextHeight(int ppi) const;
    TPlotCanvas* Canvas() const { return fCanvas; }
    TPlotLegend* Legend() const { return fLegend; }
    QMenu* PlotMenu() const { return fPlotMenu; }
    // The tick labels as the window paints them at its present size and zoom.
    std::vector<TTickLabel> TickLabelsShown() const;
    // Curve indexes listed in the legend (the active curves, in order).
    const std::vector<int>& LegendCurves() const { return fLegendCurves; }

    // Commands of the "&Plot" menu.
    void ShowLegendClick();
    void ShowSoilLayerClick();
    void SetMarkers(int spacing);
    void SetFontSize(int sizeFont);
    void SetLineWidth(int widthLine);
    void GraphTitleClick();
    void EditLegendClick();
    void ActiveCurvesClick();
    void PrintClick();
    void PageSetupClick();
    void SaveToDiskClick();

    // What the dialogs store when they are confirmed.
    void ApplyGraphCaption(const QString& caption, bool onTop);
    void ApplyLineNames(const QStringList& names);
    void ApplyActiveCurves(const std::vector<bool>& active);
    // Toggles the visibility of the curve of legend entry k.
    void ToggleLegendEntry(int k);

    // The picture of the graph on a bitmap of the given size in inches at the given pixels
    // per inch, laid out by the window's rules, legend drawn in; null when the bitmap cannot
    // be created.
    QImage RenderPicture(double widthInches, double heightInches, int ppi) const;
    // Saves the picture as BMP (PNG when the name ends with .png); false with a message.
    bool SavePicture(const QString& path, double widthInches, double heightInches, int ppi,
                     QString* message = nullptr) const;
    // Paints the graph on a printer page (margins in thousandths of an inch).
    void PrintOn(QPrinter& printer) const;
    std::array<int, 4> PageMarginsMils() const { return fMarginsMils; }

    // Mouse handling of the client area (device coordinates of the canvas).
    void CanvasMousePress(QPoint pos, Qt::MouseButton button);
    void CanvasMouseMove(QPoint pos);
    void CanvasMouseRelease(QPoint pos, Qt::MouseButton button);
    void CanvasResized();
    void PaintCanvas(QPainter& painter);

    // Shows a message to the user (an information box unless replaced, e.g. by tests).
    std::function<void(const QString&)> Inform;
    // Folder the save and print dialogs start in (the project's folder); the current folder
    // when not set.
    std::function<QString()> DocumentFolder;

  private:
    void BuildMenu();
    void UpdateMenuChecks();
    void RebuildLegend();
    // Puts the legend box where the curves leave room, until the user drags it.
    void PlaceLegend();
    QPoint ClampToGraph(QPoint pos) const;
    TLegendAnchor LegendAnchor() const;
    int BaseTextHeight() const;
    QString StartFolder() const;

    TGraphPlot* fData;
    QPointer<QMdiSubWindow> fSubWindow;
    TPlotCanvas* fCanvas;
    TPlotLegend* fLegend;
    QRubberBand* fRubberBand;
    QMenu* fPlotMenu = nullptr;
    QAction* fShowLegend = nullptr;
    QAction* fShowSoilLayer = nullptr;
    QMenu* fFontMenu = nullptr;
    QMenu* fWidthMenu = nullptr;
    QMenu* fMarkersMenu = nullptr;
    QAction* fCurveSeparator = nullptr;
    std::vector<QAction*> fCurveItems;
    std::vector<int> fLegendCurves;

    TLogicBounds fLogicBounds;
    TLogicBounds fMaxLogicBounds;
    bool fZooming = false;
    QPoint fZoomOrigin;
    QPoint fMovePoint;
    bool fLegendMoved = false; // dragged by the user: stays where it was put
    std::array<int, 4> fMarginsMils{1000, 1000, 1000, 1000};
};

} // namespace korva::gui
