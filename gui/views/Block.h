#pragma once

#include "gui/main/ChildWindow.h"
#include "gui/views/CombinedPlotDiagrams.h"
#include "gui/views/SceneGeometry.h"
#include "gui/views/SceneViewState.h"

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPainter;

namespace korva::gui {

class TDlgPileDiagrams;
class TglWindow;

// "3-D View": the soil layers as translucent blocks around the shaft, the water table with its
// symbols, the shaft as stacked cylinders with rings and discs, labels, axes and, on request,
// the capacity diagrams beside the shaft. Turned, panned and zoomed with the mouse in the mode
// of the view's tool buttons. Drawn by an OpenGL control that fills the window.
class TDlgBlock : public QWidget, public ProjectView, public ViewCommandSource
{
    Q_OBJECT
  public:
    explicit TDlgBlock(const TChildWindowContext& context, QWidget* parent = nullptr);
    ~TDlgBlock() override;

    // ProjectView: the scene follows the project and the results as they stand.
    void ProjectChanged() override;
    // ViewCommandSource: the seven view tool buttons and the "Show 3D View" items.
    QList<QAction*> ToolBarCommands() const override;
    void FillMenu(QMenu& menu) override;
    // Checks and enables the "Show 3D View" items (each time the menu opens).
    void UpdateShowMenu();

    // A command of the view by its caption ("Panning", "Zoom In", "Shaft", "Combined Plots").
    QAction* Command(const QString& caption) const;

    TSceneViewState& State() { return fState; }
    const TSceneShowFlags& ShowFlags() const { return fShow; }
    const TSceneExtent& Extent() const { return fExtent; }
    const TDiagramOptions& DiagramOptions() const { return fDiagramOptions; }
    // Stores the combined-plot options and rebuilds the scene.
    void SetDiagramOptions(const TDiagramOptions& options);
    // "Combined Plots": the options window, made the first time.
    void CombinedPlotsClick();
    TDlgPileDiagrams* DiagramsDialog() const;

    // The OpenGL control (none on a display without OpenGL windows, e.g. offscreen).
    TglWindow* GlWindow() const { return fGl; }
    // A new set-up (projection, fit zoom, display lists) at the next paint.
    void Rebuild();
    // Window position (pixels, y down) of a scene point in the last frame drawn.
    std::optional<QPointF> ScreenPoint(const TVec3& point) const;
    // The scene as last drawn by the control, text included; null without OpenGL.
    QImage GrabScene();
    // The display lists' contents as last built (for the picture's legend and tests).
    const TSceneList& SoilList() const { return fSoilList; }
    const TSceneList& ShaftList() const { return fShaftList; }

  protected:
    // The size the window opens with.
    QSize sizeHint() const override { return {720, 600}; }
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateCommands();
    void Render(QPainter& painter);
    void SetUp(int width, int height);
    void CompileList(unsigned list, const TSceneList& scene);
    // Writes the labels at their projected points; `written` holds the boxes already used.
    void DrawLabels(QPainter& painter, const std::vector<TSceneLabel>& labels,
                    std::vector<QRect>& written);
    void BuildScene();
    const TGraphPlot& DiagramSource() const;

    TChildWindowContext fContext;
    TViewProject fProject;
    bool fHaveProject = false;
    TSceneExtent fExtent;
    TSceneShowFlags fShow;
    TDiagramOptions fDiagramOptions;
    TSceneViewState fState;
    TSceneList fSoilList;
    TSceneList fShaftList;
    bool fNeedsSetUp = true;
    unsigned fLists = 0; // two display lists: soil layers, shaft
    // Matrices of the last frame (column-major, as OpenGL keeps them).
    std::array<double, 16> fModelView{};
    std::array<double, 16> fProjection{};
    TMatrix3 fM3{1, 0, 0, 0, 1, 0, 0, 0, 1};

    TglWindow* fGl = nullptr;
    QLabel* fNoOpenGl = nullptr;
    QList<QAction*> fToolCommands;
    QActionGroup* fModeGroup = nullptr;
    std::vector<QAction*> fShowCommands;
    QPointer<TDlgPileDiagrams> fDiagrams;
};

} // namespace korva::gui
