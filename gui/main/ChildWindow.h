#pragma once
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenu;
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

// A child window that shows the project without editing it (the elevation and 3-D views). It
// reads the project again when it is activated and whenever the main window has learnt that
// the project was edited (a data window stored its values, a menu command changed a value).
class ProjectView
{
  public:
    virtual ~ProjectView() = default;
    virtual void ProjectChanged() = 0;
};

// A child window with commands of its own that the main window shows while the window exists:
// tool buttons on the tool bar and the items of its own menu on the menu bar.
class ViewCommandSource
{
  public:
    virtual ~ViewCommandSource() = default;
    // Tool buttons in order (owned by the window, so they go with it).
    virtual QList<QAction*> ToolBarCommands() const = 0;
    // Puts the window's items into the menu bar's menu kept for it.
    virtual void FillMenu(QMenu& menu) = 0;
};

// Where the data windows report what they stored into the project: the one notice of a
// project edit (a field accepted, a layer added, inserted or deleted, a kind changed, a
// window's values stored when it is left). The main window passes it on to its listeners,
// the live analysis among them.
class ProjectEditSink
{
  public:
    virtual ~ProjectEditSink() = default;
    // Something was stored into the project.
    virtual void ProjectEdited() = 0;
    // True while each accepted field is to be stored at once (live results on) rather than
    // when its window is left.
    virtual bool StoreEachAcceptedField() const = 0;
};

// What a child window works on: the open project, the result graphs, the per-user text
// editor command and where stored edits are reported (none in windows made on their own).
// All of it outlives the window: the main window closes every child window before it
// replaces the project.
struct TChildWindowContext
{
    TProgramData& Project;
    TResultGraphs& Graphs;
    QString& WordProcessor;
    // Results of a run of this project have been read and its plot data file exists.
    std::function<bool()> ResultsAvailable = [] { return false; };

    ProjectEditSink* Edits = nullptr;

    // Reports a stored edit to the sink, when there is one.
    void Edited() const
    {
        if (Edits != nullptr)
            Edits->ProjectEdited();
    }
    bool StoreEachAcceptedField() const
    {
        return Edits != nullptr && Edits->StoreEachAcceptedField();
    }
};

// Creates the widget of a child window; the main window puts it into a sub-window. nullptr
// when the window cannot be made for this project.
using ChildWindowFactory = std::function<QWidget*(const TChildWindowContext&)>;

} // namespace korva::gui
