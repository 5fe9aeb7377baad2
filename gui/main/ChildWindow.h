#pragma once
#include <QString>

#include <functional>

class QWidget;

namespace korva::gui {

class TProgramData;
class TResultGraphs;

// Child windows of the main window that edit project data or show the project; each kind is
// shown at most once.
enum class ChildWindowKind {
    Title,
    ShaftProperties,
    ShaftLength,
    DesignLoad,
    WaterTable,
    FactorOfSafety,
    ControlOptions,
    SoilLayers,
    MultipleLengths,
    DesignCharts,
    TzPrinting,
    Elevation,
    View3D,
};

// A child window that edits project data. It shows the project's values each time it becomes
// active and stores its edits into the project when it is left; every main-window command
// asks the active one to store first.
class EditingWindow
{
  public:
    virtual ~EditingWindow() = default;
    // Stores the window's values into the project. False when a value is refused (the window
    // has told the user why and keeps the focus on it): the command that asked does not go
    // on, and nothing of the window was stored.
    virtual bool StoreEdits() = 0;
    // Shows the project's current values (after activation and after a unit switch).
    virtual void ShowProjectValues() = 0;
};

// What a child window works on: the open project, the result graphs and the per-user text
// editor command. All of it outlives the window: the main window closes every child window
// before it replaces the project.
struct TChildWindowContext
{
    TProgramData& Project;
    TResultGraphs& Graphs;
    QString& WordProcessor;
};

// Creates the widget of a child window; the main window puts it into a sub-window. nullptr
// when the window cannot be made for this project.
using ChildWindowFactory = std::function<QWidget*(const TChildWindowContext&)>;

} // namespace korva::gui
