// The elevation view, the 3-D view's commands and the combined-plots window as a user meets
// them: tool buttons and menu commands clicked, fields typed into, the mouse moved over the
// picture; then what the windows show and hold is checked. Runs headless: the 3-D view's
// OpenGL drawing is checked by SceneViewTest under an X server.
#include "ModalDialog.h"
#include "ScriptedPrompt.h"
#include "gui/controls/DataEdit.h"
#include "gui/main/Main.h"
#include "gui/results/ResultGraphs.h"
#include "gui/views/Block.h"
#include "gui/views/PileDiagrams.h"
#include "gui/views/SideView.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace korva::gui;

class ViewWindowsTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;
    std::unique_ptr<QTemporaryDir> fWork;
    std::unique_ptr<TMainForm> fForm;

    TMainForm& Form() { return *fForm; }
    QString Example(const QString& name)
    {
        const QString target = QDir(fWork->path()).filePath(name);
        QFile::copy(QString(KORVA_EXAMPLES) + "/" + name, target);
        return target;
    }
    QWidget* ActiveWindow()
    {
        QMdiSubWindow* window = Form().MdiArea()->activeSubWindow();
        return window != nullptr ? window->widget() : nullptr;
    }
    // Clicks the tool bar button of a command.
    void ClickTool(QAction* action)
    {
        QVERIFY(action != nullptr);
        auto* toolBar = Form().findChild<QToolBar*>("ToolBar");
        QWidget* button = toolBar->widgetForAction(action);
        QVERIFY(button != nullptr);
        QTRY_VERIFY2(button->isVisible(), qPrintable(QString("%1 at %2, tool bar %3 wide")
                                                         .arg(action->text())
                                                         .arg(button->x())
                                                         .arg(toolBar->width())));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void Type(QWidget* field, const QString& text)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    static void Click(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static int CountColour(const QImage& image, QRgb colour, const QRect& area)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    ++count;
        return count;
    }
    QMenu* Show3DMenu()
    {
        for (QAction* action : Form().menuBar()->actions())
            if (action->text() == "Show 3D View")
                return action->menu();
        return nullptr;
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }
    void init()
    {
        fWork = std::make_unique<QTemporaryDir>();
        fForm = std::make_unique<TMainForm>(std::make_unique<ScriptedPrompt>());
        Form().resize(1100, 800);
        Form().show();
        Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
    }
    void cleanup()
    {
        fForm.reset();
        QDir::setCurrent(QDir::tempPath());
        fWork.reset();
    }

    void elevationViewDrawsBandsAndShaftParts()
    {
        Form().OpenFile(Example("BelledShaftClayOverSand.kv8d"), 1);
        ClickTool(Form().Command("SpeedProfile"));
        auto* view = qobject_cast<TDlgSideView*>(ActiveWindow());
        QVERIFY(view != nullptr);
        QCOMPARE(view->windowTitle(), QString("Elevation View"));
        view->parentWidget()->resize(520, 640);
        QTest::qWait(20);
        const TElevationView& geometry = view->View();
        QCOMPARE(geometry.Parts().size(), std::size_t{4});

        // Clay to 25 ft hatched in olive, sand below in silver; the shaft's parts in their colours.
        const QImage picture = view->Picture();
        const double ground = geometry.GroundY();
        auto band = [&](double top, double bottom) {
            return QRect(0, geometry.MapY(top + ground) + 2, view->width() / 3,
                         geometry.MapY(bottom + ground) - geometry.MapY(top + ground) - 4);
        };
        QVERIFY(CountColour(picture, qRgb(0x80, 0x80, 0x00), band(0, 25)) > 50);
        QCOMPARE(CountColour(picture, qRgb(0x80, 0x80, 0x00), band(25, 40)), 0);
        QVERIFY(CountColour(picture, qRgb(0xC0, 0xC0, 0xC0), band(25, 40)) > 50);
        const int axis = geometry.MapX(0.0);
        auto at = [&](double depth) { return picture.pixel(axis, geometry.MapY(depth + ground)); };
        QCOMPARE(at(2.5) & 0xFFFFFF, qRgb(0xFF, 0, 0) & 0xFFFFFF);        // ignored top portion
        QCOMPARE(at(12.0) & 0xFFFFFF, qRgb(0x80, 0x80, 0x80) & 0xFFFFFF); // effective shaft
        // The bell widens to 2.5 D at the tip (40 ft): grey beside the stem just above it.
        const int beside = geometry.MapX(2.5);
        QCOMPARE(picture.pixel(beside, geometry.MapY(39.8 + ground)) & 0xFFFFFF,
                 qRgb(0x80, 0x80, 0x80) & 0xFFFFFF);

        const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/views/windows";
        QDir().mkpath(folder);
        QVERIFY(view->parentWidget()->grab().save(folder + "/elevation_view.png"));

        // "Omit Hatches" takes the fills away.
        QCOMPARE(view->OmitHatchesBox()->toolTip(), QString("Click to omit hatches from printing"));
        Click(view->OmitHatchesBox());
        QVERIFY(view->OmitHatches());
        QCOMPARE(CountColour(view->Picture(), qRgb(0x80, 0x80, 0x00), band(0, 25)), 0);

        // The mouse read-out: the ground line reads a depth of 0.0.
        QTest::mouseMove(view, QPoint(40, geometry.MapY(ground)));
        QCOMPARE(view->windowTitle(), QString("  Depth: 0.0"));
        QTest::mouseMove(view, QPoint(40, geometry.MapY(ground + 15.0)));
        QVERIFY(view->windowTitle().startsWith("  Depth: "));
        QVERIFY(std::abs(view->windowTitle().mid(9).toDouble() - 15.0) <= 0.15);

        // "Close" closes the window.
        QTest::mouseClick(view->CloseButton(), Qt::LeftButton);
        QTRY_VERIFY(!Form().ChildWindowExists(ChildWindowKind::Elevation));
    }

    void elevationViewFollowsTheProjectAsEdited()
    {
        Form().OpenFile(Example("BelledShaftClayOverSand.kv8d"), 1);
        Form().UpdateComputationMenu();
        Form().Command("ViewElevation")->trigger();
        auto* view = qobject_cast<TDlgSideView*>(ActiveWindow());
        QVERIFY(view != nullptr);
        QCOMPARE(view->View().Project().DSTART, 3.0);

        // The shaft diameter typed into the shaft window shows as soon as the user is back.
        Form().UpdateDataMenu();
        Form().Command("DataShaft")->trigger();
        QWidget* shaft = ActiveWindow();
        QVERIFY(shaft != view);
        Type(shaft->findChild<TDataEdit*>("DSTART"), "4");
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_COMPARE(ActiveWindow(), static_cast<QWidget*>(view));
        QVERIFY(Form().Project().DSTART == 4.0L);
        QCOMPARE(view->View().Project().DSTART, 4.0);
        QCOMPARE(view->View().Parts()[1].Corners[1].x, 2.0);

        // A menu command that changes the project shows at once too.
        Form().Command("UnitsSI")->trigger();
        QCOMPARE(view->View().Project().Units, 2);
        QVERIFY(std::abs(view->View().Project().DSTART - 4.0 * 0.3048) < 1e-6);
    }

    void elevationViewPrintsALandscapePage()
    {
        Form().OpenFile(Example("SiSandOverClay.kv8d"), 1);
        Form().Command("ViewElevation")->trigger();
        auto* view = qobject_cast<TDlgSideView*>(ActiveWindow());
        QVERIFY(view != nullptr);
        const QString pdf = QDir(fWork->path()).filePath("profile.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        view->PrintOn(printer);
        QCOMPARE(printer.docName(), QString("Soil-Pile Profile"));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
                             .match(QString::fromLatin1(bytes));
        QVERIFY(box.hasMatch());
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
    }

    void elevationViewPrintOffersThePdfInTheProjectFolder()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed: the print dialog is shown instead");
        const QString project = Example("SiSandOverClay.kv8d");
        Form().OpenFile(project, 1);
        Form().Command("ViewElevation")->trigger();
        auto* view = qobject_cast<TDlgSideView*>(ActiveWindow());
        QVERIFY(view != nullptr);
        QString startedIn;
        WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
            startedIn = dialog->directory().absolutePath();
            dialog->reject();
        });
        QTest::mouseClick(view->PrintButton(), Qt::LeftButton);
        QCOMPARE(startedIn, QFileInfo(project).absolutePath());
    }

    void view3DBringsItsCommandsAndTakesThemAway()
    {
        Form().OpenFile(Example("BelledShaftClayOverSand.kv8d"), 1);
        QMenu* menu = Show3DMenu();
        QVERIFY(menu != nullptr);
        QVERIFY(!menu->menuAction()->isVisible());
        ClickTool(Form().Command("Speed3D"));
        auto* view = qobject_cast<TDlgBlock*>(ActiveWindow());
        QVERIFY(view != nullptr);
        QCOMPARE(view->windowTitle(), QString("3-D View"));
        QVERIFY(menu->menuAction()->isVisible());

        // The seven view buttons on the tool bar.
        for (const char* caption : {"Panning", "Zooming", "Rotating", "Zoom Window", "Zoom In",
                                    "Zoom Out", "Restart View"})
            QVERIFY2(view->Command(caption) != nullptr, caption);
        ClickTool(view->Command("Zoom In"));
        ClickTool(view->Command("Zoom In"));
        ClickTool(view->Command("Zoom Out"));
        QVERIFY(std::abs(view->State().Z2 - 1.4142) < 1e-9);
        ClickTool(view->Command("Rotating"));
        QVERIFY(view->State().Mode == TMouseMode::Rotating);
        ClickTool(view->Command("Zoom Window"));
        QVERIFY(view->State().Mode == TMouseMode::ZoomWindow);
        QVERIFY(view->Command("Zoom Window")->isChecked());
        QVERIFY(!view->Command("Rotating")->isChecked());
        ClickTool(view->Command("Restart View"));
        QCOMPARE(view->State().Z2, 1.0);

        // The menu's checks and enabling.
        emit menu->aboutToShow();
        QVERIFY(view->Command("Shaft")->isChecked());
        QVERIFY(view->Command("Global Axes")->isChecked());
        QVERIFY(!view->Command("Layer Labels")->isChecked());
        QVERIFY(view->Command("Layer Labels")->isEnabled());
        QVERIFY(!view->Command("Combined Plots")->isEnabled()); // no results yet
        QVERIFY(menu->actions().contains(view->Command("Soil Layers")));
        view->Command("Soil Layers")->trigger();
        emit menu->aboutToShow();
        QVERIFY(!view->ShowFlags().SoilLayers);
        QVERIFY(!view->Command("Layer Labels")->isEnabled());
        QVERIFY(!view->Command("Layer Depths")->isEnabled());
        QVERIFY(view->SoilList().Primitives.size() > 0); // the water table is still there

        // A project opened afresh closes the view and its commands go with it.
        Form().OpenFile(Example("ClaySite.kv8d"), 1);
        QTRY_VERIFY(!Form().ChildWindowExists(ChildWindowKind::View3D));
        QTRY_VERIFY(!menu->menuAction()->isVisible());
        auto* toolBar = Form().findChild<QToolBar*>("ToolBar");
        for (QAction* action : toolBar->actions())
            QVERIFY(action->text() != "Zoom In");
    }

    void view3DFollowsTheProjectAsEdited()
    {
        Form().OpenFile(Example("BelledShaftClayOverSand.kv8d"), 1);
        Form().Command("View3D")->trigger();
        auto* view = qobject_cast<TDlgBlock*>(ActiveWindow());
        QVERIFY(view != nullptr);
        QCOMPARE(view->Extent().G, 37.5);
        Form().Command("DataWater")->trigger();
        QWidget* water = ActiveWindow();
        Type(water->findChild<TDataEdit*>("WTD"), "50");
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(30, 30));
        QTRY_COMPARE(ActiveWindow(), static_cast<QWidget*>(view));
        QCOMPARE(view->Extent().G, 50.0);
    }

    void combinedPlotsWindowStoresEveryChange()
    {
        TResultGraphs graphs;
        TGraphPlot& ultimate = graphs.pltCombine;
        ultimate.SetLineCount(3);
        ultimate.SetCount(3);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                ultimate.Data(i, j) = {10.0 * (i + 1) * j, 5.0 * j};
        QString editor;
        TChildWindowContext context{Form().Project(), graphs, editor, [] { return true; }};
        TDlgBlock view(context);
        view.UpdateShowMenu();
        QAction* combined = view.Command("Combined Plots");
        QVERIFY(combined->isEnabled());
        combined->trigger();
        TDlgPileDiagrams* dialog = view.DiagramsDialog();
        QVERIFY(dialog != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->windowTitle(), QString("Combined Plots"));
        // "Show Plots" off: nothing else can be used, nothing is drawn.
        QVERIFY(!dialog->ShowPlots()->isChecked());
        for (QWidget* w :
             std::initializer_list<QWidget*>{dialog->SkinFriction(), dialog->Factored(),
                                             dialog->SizeFactor(), dialog->SizeUp()})
            QVERIFY(!w->isEnabled());
        const auto strips = [&] {
            int n = 0;
            for (const TPrimitive& p : view.ShaftList().Primitives)
                n += p.Kind == TPrimitiveKind::LineStrip ? 1 : 0;
            return n;
        };
        QCOMPARE(strips(), 0);

        Click(dialog->ShowPlots());
        QVERIFY(view.DiagramOptions().Show);
        QVERIFY(dialog->SizeFactor()->isEnabled());
        QCOMPARE(strips(), 6);
        Click(dialog->TipResistance());
        QVERIFY(!view.DiagramOptions().TipResistance);
        QCOMPARE(strips(), 4);

        // The size factor: typed, then stepped with the arrows.
        Type(dialog->SizeFactor(), "2");
        QCOMPARE(view.DiagramOptions().SizeFactor, 2.0);
        QTest::mouseClick(dialog->SizeDown(), Qt::LeftButton);
        QCOMPARE(dialog->SizeFactor()->text(), QString("1"));
        QTest::mouseClick(dialog->SizeDown(), Qt::LeftButton);
        QCOMPARE(dialog->SizeFactor()->text(), QString("0.9"));
        QCOMPARE(view.DiagramOptions().SizeFactor, 0.9);
        Type(dialog->SizeFactor(), "9");
        QTest::mouseClick(dialog->SizeUp(), Qt::LeftButton);
        QTest::mouseClick(dialog->SizeUp(), Qt::LeftButton);
        QCOMPARE(dialog->SizeFactor()->text(), QString("20"));
        // Text that is not a positive number is refused; the factor stays.
        Type(dialog->SizeFactor(), "abc");
        QCOMPARE(view.DiagramOptions().SizeFactor, 20.0);
        QVERIFY(dialog->SizeFactorNote()->isVisible());

        Click(dialog->Factored());
        QCOMPARE(view.DiagramOptions().ResultSet, 1);
        QCOMPARE(strips(), 0); // the factored graph holds no curves here
        Click(dialog->Ultimate());
        Click(dialog->MaximumValues());
        QCOMPARE(view.ShaftList().Labels.size(), std::size_t{2});

        // The window's picture, for looking at: labels readable, nothing clipped.
        const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/views/windows";
        QDir().mkpath(folder);
        QVERIFY(dialog->grab().save(folder + "/combined_plots_options.png"));

        // Closing frees the window; reopened, it shows the view's options.
        QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton);
        QTRY_VERIFY(view.DiagramsDialog() == nullptr);
        combined->trigger();
        QVERIFY(view.DiagramsDialog() != nullptr);
        QVERIFY(view.DiagramsDialog()->ShowPlots()->isChecked());
        QVERIFY(!view.DiagramsDialog()->TipResistance()->isChecked());
        QCOMPARE(view.DiagramsDialog()->SizeFactor()->text(), QString("20"));
    }
};

QTEST_MAIN(ViewWindowsTest)
#include "ViewWindowsTest.moc"
