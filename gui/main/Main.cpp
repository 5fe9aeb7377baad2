#include "gui/main/Main.h"

#include "gui/dialogs/DataWindowFactories.h"
#include "gui/dialogs/ExportDlg.h"
#include "gui/main/CascadeLayout.h"
#include "gui/main/EngineLibraryPath.h"
#include "gui/main/EngineRunFiles.h"
#include "gui/main/LiveAnalysis.h"
#include "gui/main/ProfileCheck.h"
#include "gui/main/ProjectFileNames.h"
#include "gui/main/TextEditorLauncher.h"
#include "gui/main/TextFileViewer.h"
#include "gui/main/ToolBarIcons.h"
#include "gui/main/UserSettings.h"
#include "gui/model/InOutError.h"
#include "gui/model/NumberText.h"
#include "gui/results/CalculationPackage.h"
#include "gui/results/OfferedGraphs.h"
#include "gui/results/PlotDataReader.h"
#include "gui/results/PlotForm.h"
#include "gui/results/ProjectPlotSettings.h"
#include "gui/views/ViewWindowFactories.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace korva::gui {

namespace {

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}
std::string FromQ(const QString& text)
{
    return text.toStdString();
}

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// Caption of a design chart item for settlement v (inches or metres).
QString DesignChartCaption(double settlement, int units)
{
    return ToQ("Design Chart (" + GeneralNumberText(settlement, 15) + (units == 2 ? "-m" : "-in") +
               " movement)");
}

// Added to a format error of a file that was refused.
constexpr const char* OpenRefusedNote = "The file was not opened.";

// Bottom-to-top arrangement of minimised windows along the lower edge of the area.
constexpr int IconWidth = 160;

} // namespace

TMainForm::TMainForm(std::unique_ptr<UserPrompt> prompt, QWidget* parent)
    : QMainWindow(parent), fPrompt(std::move(prompt)),
      fRun(EngineLibraryPath(FromQ(QCoreApplication::applicationDirPath())))
{
    if (!fPrompt)
        fPrompt = std::make_unique<DialogPrompt>(this);
    setObjectName("MainForm");
    fMdiArea = new QMdiArea(this);
    fMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(fMdiArea);
    connect(fMdiArea, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* window) { ChildWindowActivated(window); });
    setAcceptDrops(true);
    fLive = std::make_unique<TLiveAnalysis>(
        [this]() -> TProgramData& { return *fProject; }, fGraphs,
        QDir(QCoreApplication::applicationDirPath()).filePath("korva"));
    fLiveStatus = new QLabel(this);
    fLiveStatus->setObjectName("LiveStatus");
    // One line however long the reason: the whole text is the label's tool tip.
    fLiveStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(fLiveStatus, 1);
    connect(fLive.get(), &TLiveAnalysis::StatusChanged, fLiveStatus, [this](const QString& text) {
        fLiveStatus->setText(text.simplified());
        fLiveStatus->setToolTip(text);
        const bool stale = fLive->Schedule().State() == LiveResultState::Stale;
        fLiveStatus->setStyleSheet(stale ? QStringLiteral("color: #A00000;") : QString());
    });
    // Views that draw results (the combined plots of the 3-D view) follow every new set of
    // results, live or saved.
    fGraphs.SubscribeResults([this](TResultsFreshness) { NotifyProjectViews(); });
    CreateMenus();
    CreateToolBar();
    ReadSettingsAtCreation();
    // Pictures and printouts of the plots are offered in the project's folder.
    fGraphWindowFactory = TPlotForm::Factory(
        fMdiArea, [this] { return QFileInfo(ToQ(fProject->FileName)).absolutePath(); });
    for (auto& [kind, factory] : DataWindowFactories())
        RegisterChildWindow(kind, std::move(factory));
    for (auto& [kind, factory] : ViewWindowFactories())
        RegisterChildWindow(kind, std::move(factory));
    fProject = TProgramData::Create();
    SetCaption();
    UpdateResultButtons();
    resize(1000, 720);
}

TMainForm::~TMainForm()
{
    // Plot windows refer to the graphs: free them while the graphs still exist.
    fGraphs.HideAll();
    for (auto& [kind, window] : fChildWindows)
        if (window)
            delete window.data();
    // The released plot windows wait for a deferred delete that never comes once the window is
    // gone; left to the MDI area's own destruction they are freed while it still walks them.
    fLive.reset();
    qDeleteAll(fMdiArea->subWindowList());
}

// --- Start-up -------------------------------------------------------------------------------

void TMainForm::ReadSettingsAtCreation()
{
    UserSettings settings;
    settings.ReadEditorAndFolder();
    fWordProcessor = settings.wordProcessor;
    fCurDir = settings.directory;
    fLiveResults = UserSettings::ReadLiveResults();
    Command("CompLive")->setChecked(fLiveResults);
    // An empty editor command stays empty: the editor is then chosen when a file is shown
    // (the desktop's graphical editor, else the built-in viewer), never stored as the user's.
    if (fCurDir.isEmpty() || !QFileInfo(fCurDir).isDir())
        fCurDir = QCoreApplication::applicationDirPath();
    fPrevFile.Clear();
}

void TMainForm::ReadSettingsAtFirstShow()
{
    if (!UserSettings::Exists())
        return;
    UserSettings settings;
    settings.wordProcessor = fWordProcessor;
    settings.ReadEditorAndRecentFiles();
    if (!settings.wordProcessor.isEmpty())
        fWordProcessor = settings.wordProcessor;
    fPrevFile = settings.recentFiles;
}

void TMainForm::StartUp(const QStringList& arguments)
{
    Guarded([&] {
        ReadSettingsAtFirstShow();
        fStarted = true;
        if (!arguments.isEmpty()) {
            const QString path =
                QFileInfo(ToQ(CommandLineProjectPath(FromQ(arguments.first())))).absoluteFilePath();
            if (FileExists(path))
                OpenByExtension(path); // other extensions and missing files are ignored
        }
        SetCaption();
    });
}

void TMainForm::SetEngineLibraryPath(const QString& path)
{
    fRun.SetLibraryPath(FromQ(path));
}

void TMainForm::SetLiveEngineProgram(const QString& path)
{
    fLive->SetEngineProgram(path);
}

// --- Menus and tool bar ---------------------------------------------------------------------

QAction* TMainForm::AddCommand(QMenu* menu, const QString& objectName, const QString& caption,
                               std::function<void()> handler)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(objectName);
    if (menu != nullptr)
        menu->addAction(action);
    // Every command first lets the active data window store its edits; a window that refuses
    // a value stops the command.
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        Guarded([&] {
            if (StoreActiveChildEdits()) {
                handler();
                NotifyProjectViews();
            }
        });
    });
    return action;
}

QAction* TMainForm::Command(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

TMainForm::TMenuEntry TMainForm::ChildCommand(const char* name, const char* caption,
                                              ChildWindowKind kind)
{
    TMenuEntry entry{name, caption, [this, kind] { ShowChildWindow(kind); }};
    entry.Opens = kind;
    return entry;
}

void TMainForm::AddMenuEntries(QMenu* menu, const std::vector<TMenuEntry>& entries)
{
    for (const TMenuEntry& entry : entries) {
        if (!entry.Items.empty()) {
            AddMenuEntries(menu->addMenu(entry.Caption), entry.Items);
        } else if (entry.Name == nullptr) {
            menu->addSeparator();
        } else {
            QAction* action = AddCommand(menu, entry.Name, entry.Caption, entry.Run);
            if (entry.Shortcut != nullptr)
                action->setShortcut(QKeySequence(entry.Shortcut));
            action->setCheckable(entry.Checkable);
            if (entry.Opens)
                fChildCommands.emplace(*entry.Opens, action);
        }
    }
}

void TMainForm::CreateMenus()
{
    const TMenuEntry separator;
    auto units = [this](const char* name, const char* caption, int code) {
        return TMenuEntry{name, caption,
                          [this, code] {
                              if (fProject->ChangeUnits(code)) {
                                  ShowProjectValuesInChildWindows();
                                  ProjectEdited();
                              }
                          },
                          nullptr, true};
    };
    auto designMethod = [this](const char* name, const char* caption, int code) {
        // The soil layers window shows the LRFD factor columns only in an LRFD project.
        return TMenuEntry{name, caption,
                          [this, code] {
                              if (fProject->Store(fProject->NLRFD, code)) {
                                  ShowProjectValuesInChildWindows();
                                  ProjectEdited();
                              }
                          },
                          nullptr, true};
    };
    // Choosing a computation method closes the window of the other one.
    auto computationMethod = [this](const char* name, const char* caption, int code,
                                    ChildWindowKind close, ChildWindowKind show) {
        return TMenuEntry{name, caption,
                          [this, code, close, show] {
                              fProject->Store(fProject->METHOD, code);
                              CloseChildWindow(close);
                              ShowChildWindow(show);
                              ProjectEdited();
                          },
                          nullptr, true};
    };

    // File
    fFileMenu = menuBar()->addMenu("&File");
    AddMenuEntries(fFileMenu, {
                                  {"FileNew", "&New", [this] { FileNewClick(); }, "Ctrl+N"},
                                  {"FileOpen", "&Open...", [this] { FileOpenClick(); }, "Ctrl+O"},
                                  {"FileSave", "&Save", [this] { FileSaveClick(); }, "Ctrl+S"},
                                  {"FileSaveAs", "Save &As...", [this] { FileSaveAsClick(); }},
                                  {"FileExportPdf", "Export Report as &PDF...",
                                   [this] { FileExportPdfClick(); }},
                                  separator,
                              });
    for (int i = 0; i < RecentFiles::Capacity; ++i) {
        fRecentActions[i] = AddCommand(fFileMenu, QString("RecentFile%1").arg(i + 1), "",
                                       [this, i] { RecentFileClick(i); });
        fRecentActions[i]->setVisible(false);
    }
    fRecentSeparator = fFileMenu->addSeparator();
    fRecentSeparator->setVisible(false);
    AddCommand(fFileMenu, "FileExit", "E&xit", [this] { close(); });

    // Data
    fDataMenu = menuBar()->addMenu("Da&ta");
    AddMenuEntries(
        fDataMenu,
        {
            ChildCommand("DataTitle", "&Title", ChildWindowKind::Title),
            {"&Units",
             {units("UnitsEnglish", "&English Units (lbs, ft, in)", 1),
              units("UnitsSI", "&SI Units (kN, m)", 2)}},
            {"Design Method (ASD or LRFD)",
             {designMethod("MethodASD", "ASD (Allowable Stress Design)", 2),
              designMethod("MethodLRFD", "LRFD (Load Resistance Factor Design)", 1)}},
            ChildCommand("DataShaft", "&Drilled-Shaft Properties",
                         ChildWindowKind::ShaftProperties),
            ChildCommand("DataSoilLayers", "Soil &Layer Data", ChildWindowKind::SoilLayers),
            ChildCommand("DataSafety", "&Factor of Safety (Allowable Stress Design)",
                         ChildWindowKind::FactorOfSafety),
            {"&Computation Methods",
             {computationMethod("SpecifyLength", "Specify the shaft length", 2,
                                ChildWindowKind::DesignLoad, ChildWindowKind::ShaftLength),
              computationMethod("SpecifyLoad", "Specify the design load", 1,
                                ChildWindowKind::ShaftLength, ChildWindowKind::DesignLoad)}},
            ChildCommand("DataWater", "&Water Table", ChildWindowKind::WaterTable),
            separator,
            ChildCommand("DataMultipleLengths", "Evaluate Multiple Shaft Lengths",
                         ChildWindowKind::MultipleLengths),
            ChildCommand("DataDesignCharts", "ASD/LRFD Design Charts",
                         ChildWindowKind::DesignCharts),
            separator,
            ChildCommand("DataTzPrinting", "Print Additional t-z curves",
                         ChildWindowKind::TzPrinting),
            ChildCommand("DataOptions", "Control &Options...", ChildWindowKind::ControlOptions),
        });
    for (const char* name : {"DataMultipleLengths", "DataDesignCharts", "DataTzPrinting"})
        Command(name)->setCheckable(true);
    Command("DataTzPrinting")->setVisible(false);
    auto* unitGroup = new QActionGroup(this);
    unitGroup->addAction(Command("UnitsEnglish"));
    unitGroup->addAction(Command("UnitsSI"));

    // Computation
    fComputationMenu = menuBar()->addMenu("&Computation");
    AddMenuEntries(
        fComputationMenu,
        {
            {"CompRun", "&Run Analysis", [this] { CompRunClick(); }},
            {"CompLive", "&Live Results",
             [this] { SetLiveResults(Command("CompLive")->isChecked()); }, nullptr, true},
            separator,
            {"EditInput", "Edit I&nput Text", [this] { EditTextFile(ProjectDataExtension); }},
            {"EditNotes", "Edit &Processor-Run Notes", [this] { EditTextFile(".kv8r"); }},
            {"EditOutput", "Edit &Output Text", [this] { EditTextFile(".kv8o"); }},
            separator,
            ChildCommand("ViewElevation", "&View Shaft Elevation", ChildWindowKind::Elevation),
            ChildCommand("View3D", "3D View", ChildWindowKind::View3D),
        });

    // Opening a menu first lets the active data window store its edits.
    const std::vector<std::pair<QMenu*, std::function<void()>>> menuUpdates{
        {fFileMenu, [this] { UpdateFileMenu(); }},
        {fDataMenu, [this] { UpdateDataMenu(); }},
        {fComputationMenu, [this] { UpdateComputationMenu(); }},
    };
    for (const auto& [menu, update] : menuUpdates)
        connect(menu, &QMenu::aboutToShow, this, [this, update = update] {
            Guarded([&] {
                StoreActiveChildEdits();
                update();
            });
        });

    // Graphics
    fGraphicsMenu = menuBar()->addMenu("&Graphics");
    auto graph = [this](const QString& name, const QString& caption, TGraphPlot& plot) {
        QAction* action =
            AddCommand(fGraphicsMenu, name, caption, [this, &plot] { ShowGraph(plot); });
        fGraphCommands.push_back({action, &plot});
        return action;
    };
    graph("GraphSkin", "Ultimate &Skin Friction vs Depth", fGraphs.pltSkin);
    graph("GraphTip", "Ultimate &Tip Resistance vs Depth", fGraphs.pltTip);
    graph("GraphTotal", "Ultimate Total &Capacity vs Depth", fGraphs.pltTotal);
    graph("GraphCombine", "C&ombined Plots vs Depth (initial diameter)", fGraphs.pltCombine);
    fGraphicsMenu->addSeparator();
    graph("GraphFSSkin", "ASD/LRFD Skin Friction vs Depth ", fGraphs.FSpltSkin);
    graph("GraphFSTip", "ASD/LRFD Tip Resistance vs Depth ", fGraphs.FSpltTip);
    graph("GraphFSTotal", "ASD/LRFD Total Capacity vs Depth", fGraphs.FSpltTotal);
    graph("GraphCombineD", "Combined Plots vs Depth (initial diameter)", fGraphs.pltCombineD);
    fGraphicsMenu->addSeparator();
    graph("GraphAxial", "Axial Load vs Settlement (averaged)", fGraphs.pltAxial);
    graph("GraphUpper", "Axial Load vs Settlement (upper bound)", fGraphs.pltUpper);
    graph("GraphLower", "Axial Load vs Settlement (lower bound)", fGraphs.pltLower);
    graph("GraphCombinedSettle", "Combined Plots of Load vs Settlement (initial diameter)",
          fGraphs.pltCombinedSettle);
    fGraphicsMenu->addSeparator();
    graph("GraphTz", "t-z curves (averaged, initial diameter)", fGraphs.pltTz);
    graph("GraphQw", "Q-w curves (averaged)", fGraphs.pltQw);
    graph("GraphTzAdd", "Additional t-z curves (averaged, initial diameter)", fGraphs.pltTzAdd);
    graph("GraphLoad", "Load Distribution (averaged, initial diameter)", fGraphs.pltLoad);
    fGraphicsMenu->addSeparator();
    for (int i = 0; i < 10; ++i) {
        const QString caption = i == 0 ? QString("Design Chart (0.1-inch movement)")
                                       : QString("Design Chart %1").arg(i + 1);
        fChartActions[i] = graph(QString("GraphChart%1").arg(i + 1), caption, fGraphs.PltChart[i]);
    }
    fGraphicsMenu->addSeparator();
    AddCommand(fGraphicsMenu, "ExportExcel", "Export Plots to Excel",
               [this] { ExportExcelClick(); });
    connect(fGraphicsMenu, &QMenu::aboutToShow, this,
            [this] { Guarded([this] { UpdateGraphicsMenu(); }); });

    // Window
    fWindowMenu = menuBar()->addMenu("&Window");
    AddCommand(fWindowMenu, "WindowCascade", "&Cascade", [this] { CascadeChildWindows(); });
    AddCommand(fWindowMenu, "WindowArrange", "&Arrange Icons", [this] { ArrangeIcons(); });
    fWindowSeparator = fWindowMenu->addSeparator();
    fWindowSeparator->setVisible(false);
    for (int i = 0; i < 50; ++i) {
        QAction* action = AddCommand(fWindowMenu, QString("Window%1").arg(i), "", [this, i] {
            const auto windows = fMdiArea->subWindowList();
            if (i < windows.size()) {
                QMdiSubWindow* window = windows[i];
                if (window->isMinimized())
                    window->showNormal();
                fMdiArea->setActiveSubWindow(window);
            }
        });
        action->setVisible(false);
        fWindowActions.push_back(action);
    }
    connect(fWindowMenu, &QMenu::aboutToShow, this, [this] { UpdateWindowMenu(); });

    // Shown only while the 3-D view exists; the view fills it with its own commands.
    fShow3DMenu = menuBar()->addMenu("Show 3D View");
    fShow3DMenu->menuAction()->setVisible(false);

    // Help
    fHelpMenu = menuBar()->addMenu("&Help");
    const QString programFolder = QCoreApplication::applicationDirPath();
    auto openBeside = [this, programFolder](const QString& name) {
        const QString path = QDir(programFolder).filePath(name);
        if (!FileExists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            fPrompt->Information("The file " + QDir::toNativeSeparators(path) +
                                 " could not be opened.");
    };
    AddCommand(fHelpMenu, "HelpContents", "&Contents", [openBeside] {
        openBeside("Korva.chm");
    })->setVisible(false);
    AddCommand(fHelpMenu, "HelpUsersManual", "&User's Manual",
               [openBeside] { openBeside("Korva Users Manual.pdf"); });
    AddCommand(fHelpMenu, "HelpTechnicalManual", "&Technical Manual",
               [openBeside] { openBeside("KorvaTechnicalManual.bat"); });
    fHelpMenu->addSeparator();
    AddCommand(fHelpMenu, "HelpAbout", "&About...", [this] {
        QMessageBox::about(this, "About Korva 2017",
                           QString("<b>Korva 2017</b><br>Version %1<br><br>Axial capacity and "
                                   "load-settlement analysis of drilled shafts in layered soil "
                                   "and rock.")
                               .arg(ProgramVersion));
    });
    AddCommand(fHelpMenu, "HelpUpdates", "&Check for Updates", [this] {
        fPrompt->Information(QString("Korva 2017, version %1.\nNo update service is set up "
                                     "for this installation.")
                                 .arg(ProgramVersion));
    });
    connect(fHelpMenu, &QMenu::aboutToShow, this,
            [this] { Guarded([this] { StoreActiveChildEdits(); }); });
}

void TMainForm::CreateToolBar()
{
    fToolBar = addToolBar("Tools");
    fToolBar->setObjectName("ToolBar");
    fToolBar->setIconSize(QSize(24, 24));
    fToolBar->setMovable(false);
    auto button = [this](const QString& name, const QString& hint, ToolBarGlyph glyph,
                         std::function<void()> handler) {
        QAction* action = AddCommand(nullptr, name, hint, std::move(handler));
        action->setIcon(ToolBarIcon(glyph));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        fToolBar->addAction(action);
        return action;
    };
    auto childButton = [&](const QString& name, const QString& hint, ToolBarGlyph glyph,
                           ChildWindowKind kind) {
        QAction* action = button(name, hint, glyph, [this, kind] { ShowChildWindow(kind); });
        fChildCommands.emplace(kind, action);
    };
    button("SpeedNew", "New File", ToolBarGlyph::NewFile, [this] { FileNewClick(); });
    button("SpeedOpen", "Open File", ToolBarGlyph::OpenFile, [this] { FileOpenClick(); });
    button("SpeedSave", "Save File", ToolBarGlyph::SaveFile, [this] { FileSaveClick(); });
    fToolBar->addSeparator();
    childButton("SpeedTitle", "Title", ToolBarGlyph::Title, ChildWindowKind::Title);
    childButton("SpeedShaft", "Drilled Shaft Properties", ToolBarGlyph::ShaftProperties,
                ChildWindowKind::ShaftProperties);
    childButton("SpeedSoil", "Soil Layer Data", ToolBarGlyph::SoilLayers,
                ChildWindowKind::SoilLayers);
    childButton("SpeedSafety", "Factor of Safety (ASD)", ToolBarGlyph::FactorOfSafety,
                ChildWindowKind::FactorOfSafety);
    fToolBar->addSeparator();
    button("SpeedRun", "Run Data File", ToolBarGlyph::Run, [this] { CompRunClick(); });
    // The same command as Computation > Live Results, so that button and menu item agree.
    QAction* live = Command("CompLive");
    live->setIcon(ToolBarIcon(ToolBarGlyph::LiveResults));
    live->setToolTip("Live Results: analyse every edit at once");
    live->setStatusTip("Live Results: analyse every edit at once");
    fToolBar->addAction(live);
    fToolBar->widgetForAction(live)->setObjectName("SpeedLive");
    button("SpeedViewOutput", "View Output", ToolBarGlyph::ViewOutput,
           [this] { EditTextFile(".kv8o"); });
    fToolBar->addSeparator();
    childButton("SpeedProfile", "View Soil Profile", ToolBarGlyph::SoilProfile,
                ChildWindowKind::Elevation);
    childButton("Speed3D", "3D View", ToolBarGlyph::View3D, ChildWindowKind::View3D);
    fToolBar->addSeparator();
    button("SpeedCombined", "Combined Plot (Ultimate)", ToolBarGlyph::CombinedUltimate,
           [this] { ShowGraph(fGraphs.pltCombine); });
    button("SpeedCombinedD", "Combined Plot (LRFD/ASD)", ToolBarGlyph::CombinedFactored,
           [this] { ShowGraph(fGraphs.pltCombineD); });
    button("SpeedSettlement", "Load vs. Settlement", ToolBarGlyph::LoadSettlement,
           [this] { ShowGraph(fGraphs.pltAxial); });
    button("SpeedTz", "t-z curves", ToolBarGlyph::TzCurves, [this] { ShowGraph(fGraphs.pltTz); });
    button("SpeedQw", "Q-w curves", ToolBarGlyph::QwCurves, [this] { ShowGraph(fGraphs.pltQw); });
    // Commands that open child windows can be used only once the window is available.
    for (auto& [kind, action] : fChildCommands)
        action->setEnabled(ChildWindowAvailable(kind));
}

void TMainForm::Guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        fPrompt->Error(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        fPrompt->Error("An unexpected error occurred.");
    }
}

// --- Menu state -----------------------------------------------------------------------------

void TMainForm::UpdateFileMenu()
{
    const int count = fPrevFile.Count();
    const std::string current = FromQ(QDir::currentPath());
    for (int i = 0; i < RecentFiles::Capacity; ++i) {
        const bool used = i < count;
        fRecentActions[i]->setVisible(used);
        if (used) {
            QString caption = ToQ(fPrevFile.MenuCaption(i, current));
            caption.replace("&", "&&");
            fRecentActions[i]->setText(caption);
        }
    }
    fRecentSeparator->setVisible(count > 0);
    Command("FileExportPdf")
        ->setEnabled(ShowOutput && FileExists(ProjectPathWithExtension(".kv8o")));
}

void TMainForm::UpdateDataMenu()
{
    Command("DataSafety")
        ->setEnabled(fProject->NLRFD == 2 && ChildWindowAvailable(ChildWindowKind::FactorOfSafety));
    Command("DataTzPrinting")->setChecked(fProject->PrintTZCurves == 1);
    QAction* lengths = Command("DataMultipleLengths");
    QAction* charts = Command("DataDesignCharts");
    const bool lengthsAvailable = ChildWindowAvailable(ChildWindowKind::MultipleLengths);
    const bool chartsAvailable = ChildWindowAvailable(ChildWindowKind::DesignCharts);
    if (fProject->METHOD == 1) {
        lengths->setEnabled(false);
        charts->setEnabled(false);
    } else {
        lengths->setChecked(fProject->IPENT != 0);
        lengths->setEnabled(fProject->IChart == 0 && lengthsAvailable);
        charts->setChecked(fProject->IChart != 0);
        charts->setEnabled(fProject->IPENT == 0 && chartsAvailable);
    }
    Command("UnitsEnglish")->setChecked(fProject->Units() == 1);
    Command("UnitsSI")->setChecked(fProject->Units() == 2);
    Command("MethodLRFD")->setChecked(fProject->NLRFD == 1);
    Command("MethodASD")->setChecked(fProject->NLRFD == 2);
    Command("SpecifyLoad")->setChecked(fProject->METHOD == 1);
    Command("SpecifyLength")->setChecked(fProject->METHOD == 2);
}

void TMainForm::UpdateComputationMenu()
{
    // A command refused by a data window's check leaves the item toggled: show the state.
    Command("CompLive")->setChecked(fLiveResults);
    Command("EditInput")->setEnabled(FileExists(ProjectPathWithExtension(ProjectDataExtension)));
    Command("EditNotes")->setEnabled(FileExists(ProjectPathWithExtension(".kv8r")));
    Command("EditOutput")->setEnabled(FileExists(ProjectPathWithExtension(".kv8o")));
}

TGraphicsMenuState TMainForm::GraphicsMenuState() const
{
    TGraphicsMenuState state;
    state.Results = ShowOutput && FileExists(ProjectPathWithExtension(".kv8p"));
    state.showtzcurves = showtzcurves;
    state.showloadcurves = showloadcurves;
    state.ID2 = fProject->ID2;
    state.PrintTZCurves = fProject->PrintTZCurves;
    state.IChart = fProject->IChart;
    state.NPOINTPD = fProject->NPOINTPD;
    return state;
}

void TMainForm::UpdateGraphicsMenu()
{
    const TGraphicsMenuState state = GraphicsMenuState();
    for (const auto& command : fGraphCommands)
        command.action->setEnabled(GraphOffered(fGraphs, *command.graph, state));
    Command("ExportExcel")->setEnabled(state.Results);

    const bool lengths = fProject->IPENT == 1;
    Command("GraphCombine")
        ->setText(lengths ? "Combined Plots vs Depth (Initial Length)"
                          : "Combined Plots vs Depth (Initial Diameter)");
    Command("GraphCombineD")
        ->setText(lengths ? "Combined Plots vs Depth (Initial Length)"
                          : "Combined Plots vs Depth (Initial Diameter)");
    Command("GraphCombinedSettle")
        ->setText(lengths ? "Combined Plots of Load vs Settlement (Initial Length)"
                          : "Combined Plots of Load vs Settlement (Initial Diameter)");

    for (int i = 0; i < 10; ++i) {
        QAction* chart = fChartActions[i];
        chart->setText(QString("Design Chart %1").arg(i + 1));
        if (fProject->IChart == 1) {
            const bool used = fProject->NPOINTPD > i;
            chart->setVisible(used);
            if (used)
                chart->setText(DesignChartCaption(
                    static_cast<double>(fProject->PDSETT[static_cast<std::size_t>(i)]),
                    fProject->Units()));
        } else {
            // Charts are shown only for a design-chart project (IChart = 1).
            chart->setVisible(false);
        }
    }
}

void TMainForm::UpdateWindowMenu()
{
    const auto windows = fMdiArea->subWindowList();
    for (int i = 0; i < static_cast<int>(fWindowActions.size()); ++i) {
        const bool used = i < windows.size();
        fWindowActions[i]->setVisible(used);
        if (used)
            fWindowActions[i]->setText(windows[i]->windowTitle());
    }
    fWindowSeparator->setVisible(!windows.isEmpty());
}

void TMainForm::CascadeChildWindows()
{
    // Minimised windows stay among the icons; the others are cascaded in the order they were
    // opened, the last one on top.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : fMdiArea->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    QMdiSubWindow* active = fMdiArea->activeSubWindow();
    const QStyle* style = windows.front()->style();
    const int offset =
        style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front()) +
        style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.front());
    // A new plot window's size with the frame and title bar of a sub-window around it.
    const QSize frame = windows.front()->size() - windows.front()->contentsRect().size();
    const QSize usable = TPlotForm::InitialSize() + frame;
    const QSize area = fMdiArea->viewport()->size();
    const std::vector<TCascadePlace> places =
        CascadeLayout(area.width(), area.height(), static_cast<int>(windows.size()), offset,
                      usable.width(), usable.height());
    for (int k = 0; k < windows.size(); ++k) {
        QMdiSubWindow* window = windows[k];
        const TCascadePlace& place = places[static_cast<std::size_t>(k)];
        if (window->isMaximized())
            window->showNormal();
        window->setGeometry(place.X, place.Y, place.Width, place.Height);
        window->raise();
    }
    if (active && windows.contains(active))
        fMdiArea->setActiveSubWindow(active);
}

void TMainForm::ArrangeIcons()
{
    int x = 0;
    for (QMdiSubWindow* window : fMdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const int height = window->height();
        window->move(x, fMdiArea->viewport()->height() - height);
        x += IconWidth;
    }
}

// --- Changed flag and asking to save --------------------------------------------------------

bool TMainForm::GetDataChanged() const
{
    return fProject->GetDataChanged();
}

void TMainForm::SetDataChanged(bool changed)
{
    fProject->SetDataChanged(changed);
}

bool TMainForm::AskToSave()
{
    if (!GetDataChanged())
        return true;
    switch (fPrompt->AskSaveChanges()) {
    case UserPrompt::Answer::Cancel:
        return false;
    case UserPrompt::Answer::No:
        return true;
    case UserPrompt::Answer::Yes:
        // Go on only when the project really was written: a cancelled Save As leaves the
        // changes unsaved, also for a project read from an older layout.
        filesaved = true;
        FileSaveClick();
        return filesaved && !HasDefaultProjectName(fProject->FileName) && !GetDataChanged();
    }
    return false;
}

// --- File commands --------------------------------------------------------------------------

void TMainForm::ReplaceProject(std::unique_ptr<TProgramData> project)
{
    CloseChildWindows();
    fLive->Stop();
    fProject = std::move(project);
}

void TMainForm::SetCaption()
{
    setWindowTitle(ToQ(MainWindowCaption(fProject->FileName)));
}

void TMainForm::ClearResults()
{
    ShowOutput = false;
    showtzcurves = false;
    showloadcurves = false;
}

QString TMainForm::ProjectPathWithExtension(const char* extension) const
{
    return ToQ(ChangeFileExtension(fProject->FileName, extension));
}

void TMainForm::UpdateResultButtons()
{
    Command("SpeedViewOutput")->setEnabled(FileExists(ProjectPathWithExtension(".kv8o")));
    for (const char* name : {"SpeedCombined", "SpeedCombinedD", "SpeedSettlement"})
        Command(name)->setEnabled(ShowOutput);
    for (const char* name : {"SpeedTz", "SpeedQw"})
        Command(name)->setEnabled(ShowOutput && showtzcurves);
}

void TMainForm::DisableResultButtons()
{
    for (const char* name : {"SpeedViewOutput", "SpeedCombined", "SpeedCombinedD",
                             "SpeedSettlement", "SpeedTz", "SpeedQw"})
        Command(name)->setEnabled(false);
}

void TMainForm::FileNewClick()
{
    if (!AskToSave())
        return;
    ReplaceProject(TProgramData::Create());
    SetDataChanged(false);
    SetCaption();
    ClearResults();
    DisableResultButtons();
    CloseChildWindow(ChildWindowKind::View3D);
}

void TMainForm::FileOpenClick()
{
    if (!AskToSave())
        return;
    int filter = 1;
    const QString path = fPrompt->OpenFileName(fCurDir, OpenDialogFilters(), filter);
    if (!path.isEmpty())
        OpenFile(path, filter);
}

void TMainForm::OpenFile(const QString& path, int filter)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString folder = QFileInfo(absolute).absolutePath();
    // The file is read before anything of the open project is given up. A file that cannot
    // be read completely is refused: the project stays as it was, bound to its own file, so
    // that no later Save or run writes a misread project over the damaged file. A failure
    // other than a format error reaches the command guard with the project unchanged too.
    std::string readError;
    TProjectReadResult read = TProgramData::CreateFromFile(FromQ(absolute), filter);
    readError = read.ErrorMessage;
    if (!readError.empty()) {
        fPrompt->Information(ToQ(readError) + "\n" + OpenRefusedNote);
        return;
    }
    ReplaceProject(std::move(read.Project));
    QDir::setCurrent(folder);
    fCurDir = folder;
    SetCaption();
    ClearResults();
    const QString plotFile = ProjectPathWithExtension(".kv8p");
    if (FileExists(plotFile))
        ShowOutput = ReadPlotData(plotFile, false);
    UpdateResultButtons();
    AddRecentFile(absolute);
    CloseChildWindow(ChildWindowKind::View3D);
}

void TMainForm::OpenByExtension(const QString& path)
{
    switch (FilterForExtension(FromQ(path))) {
    case ProjectFileFilter::CurrentLayout:
        OpenFile(path, 1);
        break;
    case ProjectFileFilter::PreviousLayout:
        OpenFile(path, 2);
        break;
    case ProjectFileFilter::NotAProject:
        break;
    }
}

void TMainForm::FileSaveClick()
{
    const std::string fileName = fProject->FileName;
    std::string extension = FileExtension(fileName);
    for (auto& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (HasDefaultProjectName(fileName) || extension != ProjectDataExtension) {
        FileSaveAsClick();
        return;
    }
    fProject->Save();
    SetDataChanged(false);
}

void TMainForm::FileSaveAsClick()
{
    std::string fileName = fProject->FileName;
    if (FileExtension(fileName) != ProjectDataExtension)
        fileName = ChangeFileExtension(fileName, ProjectDataExtension);
    const QString title = ToQ("Save " + ProjectDisplayName(fProject->FileName) + " As");
    const QString chosen =
        fPrompt->SaveFileName(title, fCurDir, ToQ(FileNamePart(fileName)), SaveDialogFilters());

    // Whatever the answer, the results shown belong to the old name: they are cleared and
    // every child window is closed, also when writing fails.
    struct AfterSaveAs
    {
        TMainForm& form;
        ~AfterSaveAs()
        {
            form.ClearResults();
            form.DisableResultButtons();
            form.CloseChildWindows();
        }
    } after{*this};

    if (chosen.isEmpty()) {
        filesaved = false;
        return;
    }
    fProject->FileName = FromQ(QFileInfo(chosen).absoluteFilePath());
    SetCaption();
    fProject->Save();
    SetDataChanged(false);
    WriteSettings();
}

void TMainForm::RecentFileClick(int index)
{
    const QString path = ToQ(fPrevFile.Entry(index));
    if (path.isEmpty())
        return;
    if (!AskToSave())
        return;
    OpenByExtension(path);
}

void TMainForm::OpenDroppedFile(const QString& path)
{
    // Only project files are taken; anything else dropped on the window is ignored.
    if (FilterForExtension(FromQ(path)) == ProjectFileFilter::NotAProject || !FileExists(path))
        return;
    if (!AskToSave())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    QDir::setCurrent(folder);
    fCurDir = folder;
    OpenByExtension(path);
}

void TMainForm::AddRecentFile(const QString& path)
{
    fPrevFile.Add(FromQ(path));
    WriteSettings();
}

void TMainForm::WriteSettings()
{
    UserSettings settings;
    settings.wordProcessor = fWordProcessor;
    settings.directory = fCurDir;
    settings.recentFiles = fPrevFile;
    settings.Write();
}

// --- Text editor ----------------------------------------------------------------------------

void TMainForm::EditTextFile(const char* extension)
{
    const QString path = ProjectPathWithExtension(extension);
    const TEditorLaunch launch = ResolveTextEditor(fWordProcessor);
    if (launch.BuiltInViewer) {
        ShowTextViewer(path);
        return;
    }
    if (!StartTextEditor(launch.Command, path))
        fPrompt->Information(EditorStartFailedMessage);
}

TTextFileViewer* TMainForm::ShowTextViewer(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    TTextFileViewer* viewer = nullptr;
    for (const QPointer<TTextFileViewer>& open : fTextViewers)
        if (open && open->FilePath() == absolute)
            viewer = open;
    if (viewer) {
        viewer->Reload(); // a run may have rewritten the file
    } else {
        // A window of its own beside the main window, as an editor's would be.
        viewer = new TTextFileViewer(absolute, this);
        viewer->setWindowFlag(Qt::Window);
        fTextViewers.erase(std::remove(fTextViewers.begin(), fTextViewers.end(), nullptr),
                           fTextViewers.end());
        fTextViewers.push_back(viewer);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

// --- Result graphs --------------------------------------------------------------------------

bool TMainForm::ReadPlotData(const QString& fileName, bool reportErrors)
{
    const TPlotReadResult result = gui::ReadPlotData(std::filesystem::path(FromQ(fileName)),
                                                     PlotReadSettingsOf(*fProject), fGraphs);
    if (result.ID2Read)
        fProject->ID2 = result.ID2;
    showtzcurves = result.showtzcurves;
    showloadcurves = result.showloadcurves;
    if (!result.ShowOutput && reportErrors) {
        // The reader's reason (line and item) follows, so that the message says what failed.
        QString message = PlotReadFailureMessage;
        if (!result.ErrorMessage.empty())
            message += "\n" + QString::fromStdString(result.ErrorMessage);
        fPrompt->Information(message);
    }
    fGraphs.NotifyResultsChanged(TResultsFreshness::Saved);
    return result.ShowOutput;
}

void TMainForm::AfterResultsRead(bool reportErrors)
{
    ClearResults();
    const QString plotFile = ProjectPathWithExtension(".kv8p");
    if (FileExists(plotFile))
        ShowOutput = ReadPlotData(plotFile, reportErrors);
    UpdateResultButtons();
}

void TMainForm::SetGraphWindowFactory(TGraphWindowFactory factory)
{
    fGraphWindowFactory = std::move(factory);
}

void TMainForm::ShowGraph(TGraphPlot& graph)
{
    if (!fGraphWindowFactory)
        return;
    graph.Show(fGraphWindowFactory);
}

// --- Child windows --------------------------------------------------------------------------

void TMainForm::RegisterChildWindow(ChildWindowKind kind, ChildWindowFactory factory)
{
    fChildFactories[kind] = std::move(factory);
    auto [first, last] = fChildCommands.equal_range(kind);
    for (auto it = first; it != last; ++it)
        it->second->setEnabled(true);
}

bool TMainForm::ChildWindowAvailable(ChildWindowKind kind) const
{
    return fChildFactories.count(kind) != 0;
}

bool TMainForm::ChildWindowExists(ChildWindowKind kind) const
{
    const auto it = fChildWindows.find(kind);
    return it != fChildWindows.end() && !it->second.isNull();
}

void TMainForm::ShowChildWindow(ChildWindowKind kind)
{
    if (!ChildWindowExists(kind)) {
        const auto factory = fChildFactories.find(kind);
        if (factory == fChildFactories.end())
            return;
        QWidget* widget = factory->second(ChildContext());
        if (widget == nullptr)
            return;
        // Data windows have a fixed border and only a close box.
        const bool editing = dynamic_cast<EditingWindow*>(widget) != nullptr;
        QMdiSubWindow* window = fMdiArea->addSubWindow(
            widget, editing ? Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint
                            : Qt::WindowFlags());
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (editing && widget->layout() != nullptr) {
            widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
            window->adjustSize();
            window->setFixedSize(window->sizeHint());
        }
        fChildWindows[kind] = window;
        if (auto* source = dynamic_cast<ViewCommandSource*>(widget))
            ShowViewCommands(*source, window);
    }
    QMdiSubWindow* window = fChildWindows[kind];
    window->show();
    if (window->isMinimized())
        window->showNormal();
    fMdiArea->setActiveSubWindow(window);
}

void TMainForm::CloseChildWindow(ChildWindowKind kind)
{
    if (ChildWindowExists(kind))
        fChildWindows[kind]->close();
}

void TMainForm::CloseChildWindows()
{
    StoreActiveChildEdits();
    fGraphs.HideAll();
    const QScopedValueRollback closing(fRestoringActive, true);
    for (QMdiSubWindow* window : fMdiArea->subWindowList()) {
        QPointer<QMdiSubWindow> alive(window);
        window->close();
        // A data window keeps itself open while one of its fields holds a refused value; the
        // project it edits is about to be replaced or left, so it goes all the same.
        if (alive)
            delete alive.data();
    }
    fActiveChild = nullptr;
}

TChildWindowContext TMainForm::ChildContext()
{
    return {*fProject, fGraphs, fWordProcessor, [this] { return GraphicsMenuState().Results; },
            this};
}

void TMainForm::ShowViewCommands(ViewCommandSource& source, QMdiSubWindow* window)
{
    // The window owns its commands: they leave the tool bar and the menu when it is freed.
    for (QAction* action : source.ToolBarCommands())
        fToolBar->addAction(action);
    fShow3DMenu->clear();
    source.FillMenu(*fShow3DMenu);
    fShow3DMenu->menuAction()->setVisible(true);
    connect(window, &QObject::destroyed, this,
            [this] { fShow3DMenu->menuAction()->setVisible(false); });
}

void TMainForm::NotifyProjectViews()
{
    for (QMdiSubWindow* window : fMdiArea->subWindowList())
        if (auto* view = dynamic_cast<ProjectView*>(window->widget()))
            view->ProjectChanged();
}

bool TMainForm::StoreActiveChildEdits()
{
    QMdiSubWindow* active = fMdiArea->activeSubWindow();
    if (active == nullptr)
        return true;
    auto* editing = dynamic_cast<EditingWindow*>(active->widget());
    return editing == nullptr || editing->StoreEdits();
}

void TMainForm::ShowProjectValuesInChildWindows()
{
    for (QMdiSubWindow* window : fMdiArea->subWindowList())
        if (auto* editing = dynamic_cast<EditingWindow*>(window->widget()))
            editing->ShowProjectValues();
    NotifyProjectViews();
}

void TMainForm::ChildWindowActivated(QMdiSubWindow* window)
{
    // Storing may show a message box, which deactivates the area again: one change at a time.
    if (fRestoringActive)
        return;
    if (window == fActiveChild)
        return;
    const QScopedValueRollback busy(fRestoringActive, true);
    QPointer<QMdiSubWindow> previous = fActiveChild;
    if (previous && previous != window) {
        if (auto* editing = dynamic_cast<EditingWindow*>(previous->widget())) {
            bool stored = false;
            Guarded([&] { stored = editing->StoreEdits(); });
            if (!stored && previous) {
                // The window that refused a value is shown again with its field.
                fMdiArea->setActiveSubWindow(previous);
                return;
            }
        }
    }
    fActiveChild = window;
    // What the window that was left stored shows in every view at once.
    NotifyProjectViews();
    if (window != nullptr)
        if (auto* editing = dynamic_cast<EditingWindow*>(window->widget()))
            Guarded([&] { editing->ShowProjectValues(); });
}

// --- Run ------------------------------------------------------------------------------------

EngineRunEnd TMainForm::CompRunClick()
{
    const EngineRunEnd outcome = fRun.Execute(*this);
    // The results of the saved project are shown now: live results start again at the next
    // edit.
    if (outcome == EngineRunEnd::Completed || outcome == EngineRunEnd::CompletedWithErrors)
        fLive->Stop();
    return outcome;
}

void TMainForm::SetLiveResults(bool on)
{
    fLiveResults = on;
    Command("CompLive")->setChecked(on);
    UserSettings::WriteLiveResults(on);
    if (on) {
        // The project as it is now is analysed at once.
        ProjectEdited();
        return;
    }
    ShowSavedResults();
}

void TMainForm::ShowSavedResults()
{
    fLive->Stop();
    // Back to the results of the last Run Analysis.
    if (fGraphs.Freshness() != TResultsFreshness::Saved) {
        AfterResultsRead(false);
        fGraphs.NotifyResultsChanged(TResultsFreshness::Saved);
    }
}

void TMainForm::ProjectEdited()
{
    // The views show each stored edit at once, whether or not results are live.
    NotifyProjectViews();
    if (fLiveResults)
        fLive->ProjectEdited();
}

QString TMainForm::LiveStatusText() const
{
    return fLiveStatus->text();
}

std::vector<TGraphPlot*> TMainForm::OfferedExportGraphs()
{
    return OfferedGraphs(ExportTableGraphs(fGraphs), fGraphs, GraphicsMenuState());
}

TCalculationPackage TMainForm::CalculationPackageOfProject()
{
    const std::vector<TGraphPlot*> offered =
        OfferedGraphs(GraphicsMenuGraphs(fGraphs), fGraphs, GraphicsMenuState());
    return CalculationPackageOfRun(fProject->FileName, fProject->Title, fProject->Units(),
                                   fProject->NLRFD, ProgramVersion,
                                   std::vector<const TGraphPlot*>(offered.begin(), offered.end()));
}

QString TMainForm::ChooseExportFile(const QString& title, const char* extension,
                                    const QString& filter)
{
    const QFileInfo project(ToQ(fProject->FileName));
    QString path =
        fPrompt->SaveFileName(title, project.absolutePath(), project.completeBaseName() + extension,
                              {filter, QStringLiteral("All Files (*)")});
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += extension;
    if (!path.isEmpty() && IsRunFile(fProject->FileName, FromQ(path))) {
        fPrompt->Warning(QDir::toNativeSeparators(path) +
                         " is a file of the project's runs.\nPlease choose another file name.");
        return {};
    }
    return path;
}

void TMainForm::ExportExcelClick()
{
    // Exported plots are those of the saved run, like the report beside them.
    ShowSavedResults();
    if (!fExportDialog) {
        TDlgExport::THooks hooks;
        hooks.Offered = [this] { return OfferedExportGraphs(); };
        hooks.ChooseFile = [this] {
            return ChooseExportFile(QStringLiteral("Export Plots to Excel"), ".xlsx",
                                    QStringLiteral("Excel Workbook (*.xlsx)"));
        };
        hooks.Inform = [this](const QString& text) { fPrompt->Information(text); };
        hooks.Warn = [this](const QString& text) { fPrompt->Warning(text); };
        hooks.Open = [this](const QString& path) { return fOpenDocument(path); };
        fExportDialog = new TDlgExport(std::move(hooks), this);
    }
    fExportDialog->exec();
}

void TMainForm::FileExportPdfClick()
{
    // The package's plots belong to the same run as its report: the saved one.
    ShowSavedResults();
    const QString path = ChooseExportFile(QStringLiteral("Export Report as PDF"), ".pdf",
                                          QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    TPackagePages pages;
    SetBusy(true);
    try {
        pages = WriteCalculationPackage(FromQ(path), CalculationPackageOfProject());
    } catch (const EInOutError& e) {
        SetBusy(false);
        fPrompt->Warning(ToQ(e.what()));
        return;
    } catch (...) {
        SetBusy(false);
        throw;
    }
    SetBusy(false);
    fPrompt->Information(QStringLiteral("The calculation package was written to %1 (%2 pages).")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(pages.Total()));
}

bool TMainForm::CheckData()
{
    const auto warning = CheckProfile(ProfileCheckInputOf(*fProject));
    if (!warning)
        return true;
    fPrompt->Warning(ToQ(*warning));
    return false;
}

void TMainForm::ShowInformation(const std::string& message)
{
    fPrompt->Information(ToQ(message));
}

void TMainForm::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMainForm::ReadResults(bool reportErrors)
{
    AfterResultsRead(reportErrors);
}

void TMainForm::SetCurrentFolder(const std::string& folder)
{
    QDir::setCurrent(ToQ(folder));
    fCurDir = ToQ(folder);
}

// --- Window events --------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    Guarded([&] {
        StoreActiveChildEdits();
        mayClose = AskToSave();
    });
    if (!mayClose) {
        event->ignore();
        return;
    }
    WriteSettings();
    CloseChildWindows();
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const auto urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    Guarded([&] { OpenDroppedFile(path); });
}

} // namespace korva::gui
