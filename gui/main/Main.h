#pragma once
#include "gui/main/ChildWindow.h"
#include "gui/main/EngineRun.h"
#include "gui/main/RecentFiles.h"
#include "gui/main/UserPrompt.h"
#include "gui/model/ProgramData.h"
#include "gui/results/CalculationPackage.h"
#include "gui/results/GraphWindow.h"
#include "gui/results/OfferedGraphs.h"
#include "gui/results/ResultGraphs.h"

#include <QDesktopServices>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace korva::gui {

class TDlgExport;
class TTextFileViewer;
class TLiveAnalysis;

// The main window of the desktop program: the frame of every other window, the menus and the
// tool bar, the project file commands, the settings, the text editor commands and the run.
class TMainForm : public QMainWindow, private RunHost, private ProjectEditSink
{
    Q_OBJECT

  public:
    explicit TMainForm(std::unique_ptr<UserPrompt> prompt = nullptr, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reads the settings, opens the project named by the first argument (".kv8d" appended
    // when its name has no dot) or creates a new project, and sets the caption.
    void StartUp(const QStringList& arguments);

    // Commands ------------------------------------------------------------------------------
    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    // Run Analysis.
    EngineRunEnd CompRunClick();
    // Computation > "Live Results": analyses every stored edit at once and redraws the open
    // result windows; remembered in the user settings.
    void SetLiveResults(bool on);
    bool LiveResults() const { return fLiveResults; }
    TLiveAnalysis& Live() { return *fLive; }
    // Path of the korva program that live runs start (the one beside this program by default).
    void SetLiveEngineProgram(const QString& path);
    // The text of the status bar's live-results field.
    QString LiveStatusText() const;
    // The one notice of a stored project edit (ProjectEditSink): data windows and the data
    // commands of the menus report here; with Live Results on it starts an analysis.
    void ProjectEdited() override;
    // Graphics > "Export Plots to Excel": the export window over the offered graphs.
    void ExportExcelClick();
    // File > "Export Report as PDF...": the calculation package of the project's last run.
    void FileExportPdfClick();
    void RecentFileClick(int index);
    // A project file dropped on the window.
    void OpenDroppedFile(const QString& path);
    // Opens a project with the reader of filter (1 current layout, 2 previous, ...).
    void OpenFile(const QString& path, int filter);
    // Shows the project file with extension (".kv8d", ".kv8r", ".kv8o") in the text editor
    // (ResolveTextEditor), or in the built-in viewer when no editor can be started.
    void EditTextFile(const char* extension);
    // The built-in read-only viewer on a file: the one already open on it, or a new one.
    TTextFileViewer* ShowTextViewer(const QString& path);
    // Shows a result graph in its plot window.
    void ShowGraph(TGraphPlot& graph);

    // "Do you want to save any changes?": true when the command may go on.
    bool AskToSave();
    bool GetDataChanged() const;
    void SetDataChanged(bool changed);

    // Menu state, recomputed each time a menu opens.
    void UpdateFileMenu();
    void UpdateDataMenu();
    void UpdateComputationMenu();
    void UpdateGraphicsMenu();
    // What the Graphics menu's enabling depends on, as it stands now.
    TGraphicsMenuState GraphicsMenuState() const;
    // The offered graphs in the order of the export table.
    std::vector<TGraphPlot*> OfferedExportGraphs();
    // The calculation package of the project's last run: its report and the offered graphs
    // in the order of the Graphics menu.
    TCalculationPackage CalculationPackageOfProject();
    // Opens a written document with the desktop's application for it (QDesktopServices by
    // default); false when there is none.
    void SetDocumentOpener(std::function<bool(const QString&)> open)
    {
        fOpenDocument = std::move(open);
    }
    void UpdateWindowMenu();

    // Reads the project's plot data into the result graphs; true when the whole file was
    // read. With reportErrors a failure is shown to the user.
    bool ReadPlotData(const QString& fileName, bool reportErrors);

    // Hooks for the windows of other folders --------------------------------------------
    void SetGraphWindowFactory(TGraphWindowFactory factory);
    void RegisterChildWindow(ChildWindowKind kind, ChildWindowFactory factory);
    bool ChildWindowAvailable(ChildWindowKind kind) const;
    // Shows a child window, creating it when it does not exist.
    void ShowChildWindow(ChildWindowKind kind);
    void CloseChildWindow(ChildWindowKind kind);
    bool ChildWindowExists(ChildWindowKind kind) const;
    // Closes every child window (data windows, views and plot windows).
    void CloseChildWindows() override;
    // Lets the active data window store its edits; false when it refused a value (the
    // command that asked does not go on).
    bool StoreActiveChildEdits();
    // Shows the project's values again in every open data window (after a unit switch).
    void ShowProjectValuesInChildWindows();
    // Tells every open view that the project may have changed.
    void NotifyProjectViews();

    // State -----------------------------------------------------------------------------
    TProgramData& Project() { return *fProject; }
    TResultGraphs& Graphs() { return fGraphs; }
    QMdiArea* MdiArea() const { return fMdiArea; }
    RecentFiles& PrevFile() { return fPrevFile; }
    const QString& CurDir() const { return fCurDir; }
    const QString& WordProcessor() const { return fWordProcessor; }
    void SetWordProcessor(const QString& command) { fWordProcessor = command; }
    void SetEngineLibraryPath(const QString& path);
    EngineRun& Run() { return fRun; }
    // The command (menu item or tool button) with this object name.
    QAction* Command(const QString& objectName) const;
    // Writes the per-user settings.
    void WriteSettings();

    bool ShowOutput = false;     // plot data of the current project has been read
    bool showtzcurves = false;   // t-z and Q-w curves were in the plot data
    bool showloadcurves = false; // the load distribution was in the plot data
    bool filesaved = true;       // cleared when a Save As dialog is cancelled

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // RunHost
    void SaveProject() override { FileSaveClick(); }
    bool FileSaved() const override { return filesaved; }
    void SetFileSaved(bool saved) override { filesaved = saved; }
    std::string ProjectFileName() const override { return fProject->FileName; }
    bool CheckData() override;
    void ShowInformation(const std::string& message) override;
    void SetBusy(bool busy) override;
    void ReadResults(bool reportErrors) override;
    void SetCurrentFolder(const std::string& folder) override;
    bool StoreEachAcceptedField() const override { return fLiveResults; }

    // One entry of a menu table: a command, a separator (no name) or a submenu (items).
    struct TMenuEntry
    {
        TMenuEntry() = default; // a separator
        TMenuEntry(const char* name, QString caption, std::function<void()> run,
                   const char* shortcut = nullptr, bool checkable = false)
            : Name(name), Caption(std::move(caption)), Run(std::move(run)), Shortcut(shortcut),
              Checkable(checkable)
        {
        }
        TMenuEntry(QString caption, std::vector<TMenuEntry> items)
            : Caption(std::move(caption)), Items(std::move(items))
        {
        }

        const char* Name = nullptr; // object name of the command
        QString Caption;
        std::function<void()> Run;
        const char* Shortcut = nullptr;
        bool Checkable = false;
        std::vector<TMenuEntry> Items;
        // The child window the command shows: enabled only while the window can be made.
        std::optional<ChildWindowKind> Opens;
    };
    TMenuEntry ChildCommand(const char* name, const char* caption, ChildWindowKind kind);
    void AddMenuEntries(QMenu* menu, const std::vector<TMenuEntry>& entries);
    void CreateMenus();
    void CreateToolBar();
    QAction* AddCommand(QMenu* menu, const QString& objectName, const QString& caption,
                        std::function<void()> handler);
    // Deactivation of the data window that was active, activation of the new one.
    void ChildWindowActivated(QMdiSubWindow* window);
    // Runs a command; an exception that escapes it is shown in a message box.
    void Guarded(const std::function<void()>& command);
    void ReplaceProject(std::unique_ptr<TProgramData> project);
    TChildWindowContext ChildContext();
    // Puts a view's own commands on the tool bar and into the "Show 3D View" menu.
    void ShowViewCommands(ViewCommandSource& source, QMdiSubWindow* window);
    void SetCaption();
    void ClearResults();
    // Stops live results and shows the results of the last Run Analysis again (live results
    // off, and before a document of the run is exported).
    void ShowSavedResults();
    // Enables "View Output" and the result tool buttons from the files and flags.
    void UpdateResultButtons();
    // New project and Save As: the results shown belong to no file of the project any more.
    void DisableResultButtons();
    void AfterResultsRead(bool reportErrors);
    void OpenByExtension(const QString& path);
    void AddRecentFile(const QString& path);
    void ReadSettingsAtCreation();
    void ReadSettingsAtFirstShow();
    QString ProjectPathWithExtension(const char* extension) const;
    void ArrangeIcons();
    // Window > Cascade: every window keeps a usable size (CascadeLayout).
    void CascadeChildWindows();
    // Save dialog for an exported document: the project's folder and name with `extension`;
    // a name typed without extension gets it.
    QString ChooseExportFile(const QString& title, const char* extension, const QString& filter);

    std::unique_ptr<UserPrompt> fPrompt;
    std::unique_ptr<TProgramData> fProject;
    TResultGraphs fGraphs;
    EngineRun fRun;
    RecentFiles fPrevFile;
    QString fCurDir;
    QString fWordProcessor;
    bool fStarted = false;
    TDlgExport* fExportDialog = nullptr; // made at first use, kept while the program runs
    std::function<bool(const QString&)> fOpenDocument = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };

    QMdiArea* fMdiArea = nullptr;
    QMenu* fFileMenu = nullptr;
    QMenu* fDataMenu = nullptr;
    QMenu* fComputationMenu = nullptr;
    QMenu* fGraphicsMenu = nullptr;
    QMenu* fWindowMenu = nullptr;
    QMenu* fHelpMenu = nullptr;
    QMenu* fShow3DMenu = nullptr;
    QToolBar* fToolBar = nullptr;
    QLabel* fLiveStatus = nullptr;
    std::unique_ptr<TLiveAnalysis> fLive;
    bool fLiveResults = false;
    std::array<QAction*, RecentFiles::Capacity> fRecentActions{};
    QAction* fRecentSeparator = nullptr;
    QAction* fWindowSeparator = nullptr;
    std::vector<QAction*> fWindowActions;
    std::array<QAction*, 10> fChartActions{};

    struct GraphCommand
    {
        QAction* action;
        TGraphPlot* graph;
    };
    std::vector<GraphCommand> fGraphCommands;
    TGraphWindowFactory fGraphWindowFactory;
    std::map<ChildWindowKind, ChildWindowFactory> fChildFactories;
    std::map<ChildWindowKind, QPointer<QMdiSubWindow>> fChildWindows;
    // The sub-window that was active last, told to store its edits when another one becomes
    // active; fRestoringActive while focus is given back to a window that refused a value.
    QPointer<QMdiSubWindow> fActiveChild;
    bool fRestoringActive = false;
    // Commands that open a child window, enabled only while the window can be made.
    std::multimap<ChildWindowKind, QAction*> fChildCommands;
    std::vector<QPointer<TTextFileViewer>> fTextViewers;
};

} // namespace korva::gui
