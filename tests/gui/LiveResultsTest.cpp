// Live results as the user meets them: with Computation > Live Results on, an edit accepted in
// a data window redraws the open plot window without Run Analysis; quick edits end with the
// plot of the last one; a profile that fails the check is told in the status bar and the plot
// stays, marked stale; the project and its result files are not touched; an engine that
// crashes leaves the window working.
#include "ExampleRun.h"

#include "gui/controls/DataEdit.h"
#include "gui/main/LiveAnalysis.h"
#include "gui/results/PlotForm.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>
#include <vector>

using namespace korva::gui;

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// Every point of every curve of a graph.
std::vector<std::pair<double, double>> Points(const TGraphPlot& graph)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < graph.LineCount(); ++i)
        for (const TFloatPoint& p : graph.Lines(i).Points())
            points.emplace_back(p.x, p.y);
    return points;
}

} // namespace

class LiveResultsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir fSettingsHome;
    std::unique_ptr<TExampleRun> fRun;

    TMainForm& Form() { return *fRun->form; }
    TGraphPlot& Capacity() { return Form().Graphs().pltTotal; }
    TPlotForm* PlotWindow() { return dynamic_cast<TPlotForm*>(Capacity().Form()); }

    // The example analysed by Run Analysis, its capacity plot open, Live Results turned on
    // with the menu command and its first live run ended.
    void Prepare(const QString& example = "Example")
    {
        fRun = std::make_unique<TExampleRun>(example);
        QVERIFY(fRun->Ran());
        Form().SetLiveEngineProgram(KORVA_CLI_PROGRAM);
        Form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        Form().UpdateGraphicsMenu();
        Form().Command("GraphTotal")->trigger();
        QVERIFY(PlotWindow() != nullptr);
        QVERIFY(!Form().LiveResults());
        Form().Command("CompLive")->trigger();
        QVERIFY(Form().LiveResults());
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        // From here on nothing may be shown in a box: the messages of the Run are forgotten.
        fRun->answers->informations.clear();
        fRun->answers->warnings.clear();
    }
    // Waits until no live run is in flight.
    void Settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!Form().Live().Running(), 20000);
        QTest::qWait(1);
    }
    QWidget* OpenShaftWindow()
    {
        Form().UpdateDataMenu();
        Form().Command("DataShaft")->trigger();
        QMdiSubWindow* active = Form().MdiArea()->activeSubWindow();
        return active ? active->widget() : nullptr;
    }
    // Replaces a field's text as a user does and accepts it with Enter.
    static void Type(TDataEdit* field, const QString& text)
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QImage Picture() { return PlotWindow()->RenderPicture(6, 4, 60); }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }
    void cleanup()
    {
        if (fRun && fRun->form)
            Form().SetLiveResults(false);
        fRun.reset();
    }

    void theCommandIsACheckItemAndAToolButtonRememberedForTheUser()
    {
        Prepare();
        QAction* live = Form().Command("CompLive");
        QVERIFY(live->isCheckable());
        QVERIFY(live->isChecked());
        QCOMPARE(live->text(), QString("&Live Results"));
        auto* button = Form().findChild<QToolButton*>("SpeedLive");
        QVERIFY(button != nullptr);
        QVERIFY(button->isChecked());
        // A second window reads the setting: on, as the user left it.
        {
            TMainForm other(std::make_unique<ScriptedPrompt>());
            QVERIFY(other.LiveResults());
        }
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!Form().LiveResults());
        QVERIFY(!live->isChecked());
        QCOMPARE(Form().LiveStatusText(), QString());
        {
            TMainForm other(std::make_unique<ScriptedPrompt>());
            QVERIFY(!other.LiveResults());
        }
    }

    void anAcceptedDiameterRedrawsTheOpenCapacityPlotAndLeavesTheProjectFilesAlone()
    {
        Prepare();
        const QStringList files{fRun->File("Example.kv8d"), fRun->File("Example.kv8o"),
                                fRun->File("Example.kv8p")};
        std::vector<QByteArray> before;
        for (const QString& file : files)
            before.push_back(Bytes(file));
        const auto saved = Points(Capacity());
        const QImage savedPicture = Picture();

        QWidget* shaft = OpenShaftWindow();
        QVERIFY(shaft != nullptr);
        auto* diameter = shaft->findChild<TDataEdit*>("DSTART");
        QSignalSpy shown(&Form().Live(), &TLiveAnalysis::ResultsShown);
        Type(diameter, "4");
        QCOMPARE(Form().Project().DSTART, 4.0L); // stored on Enter, the window still open
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 1, 20000);
        Settle();
        QVERIFY(Points(Capacity()) != saved);
        QVERIFY(Picture() != savedPicture);
        QVERIFY(PlotWindow()->windowTitle().endsWith("(live, not saved)"));
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        QVERIFY2(fRun->answers->informations.isEmpty(),
                 qPrintable(fRun->answers->informations.join("|")));
        QVERIFY(fRun->answers->warnings.isEmpty());

        // More edits, a unit switch among them: the saved files stay as they were.
        Type(diameter, "3.5");
        Settle();
        Form().Command("UnitsSI")->trigger();
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(Bytes(files[i]) == before[static_cast<std::size_t>(i)], qPrintable(files[i]));
        QVERIFY(!QFileInfo::exists(fRun->File("names.dat")));
    }

    void tenQuickEditsEndWithThePlotOfTheLastEdit()
    {
        Prepare();
        QWidget* shaft = OpenShaftWindow();
        auto* diameter = shaft->findChild<TDataEdit*>("DSTART");
        // Ten diameters typed one after the other without waiting for any run.
        for (int i = 1; i <= 10; ++i)
            Type(diameter, QString::number(3.0 + 0.1 * i));
        QCOMPARE(Form().Project().DSTART, 4.0L);
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        const auto live = Points(Capacity());
        // Run Analysis of the same data gives the same capacity curves.
        QCOMPARE(Form().CompRunClick(), EngineRunEnd::Completed);
        QVERIFY(!Points(Capacity()).empty());
        QVERIFY(Points(Capacity()) == live);
    }

    void aProfileThatFailsTheCheckIsToldInTheStatusBarAndThePlotStaysMarkedStale()
    {
        Prepare();
        QWidget* shaft = OpenShaftWindow();
        auto* diameter = shaft->findChild<TDataEdit*>("DSTART");
        Type(diameter, "4");
        Settle();
        const auto good = Points(Capacity());
        const QImage goodPicture = Picture();
        // Shaft length 30 ft plus two diameters of 11 ft reaches below the 50-ft profile.
        QSignalSpy ended(&Form().Live(), &TLiveAnalysis::RunEnded);
        Type(diameter, "11");
        QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= 1, 20000);
        Settle();
        const QString status = Form().LiveStatusText();
        QVERIFY2(status.contains("stale"), qPrintable(status));
        QVERIFY2(!status.contains('\n'), "the status bar shows one line");
        QVERIFY2(status.size() > QString("stale").size() + 20, qPrintable(status));
        QVERIFY(fRun->answers->warnings.isEmpty()); // no message box
        QVERIFY(fRun->answers->informations.isEmpty());
        QVERIFY(Points(Capacity()) == good);
        QVERIFY(Picture() == goodPicture);
        QVERIFY(PlotWindow()->windowTitle().endsWith("(stale)"));
        // Mended: live again.
        Type(diameter, "3");
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        QVERIFY(PlotWindow()->windowTitle().endsWith("(live, not saved)"));
    }

    void anEngineThatCrashesLeavesTheWindowWorking()
    {
        Prepare();
        const auto good = Points(Capacity());
        Form().SetLiveEngineProgram(KORVA_ABORT_ENGINE);
        QWidget* shaft = OpenShaftWindow();
        auto* diameter = shaft->findChild<TDataEdit*>("DSTART");
        Type(diameter, "4");
        Settle();
        QVERIFY2(Form().LiveStatusText().contains("stopped unexpectedly"),
                 qPrintable(Form().LiveStatusText()));
        QVERIFY(Points(Capacity()) == good);
        QVERIFY(PlotWindow()->windowTitle().endsWith("(stale)"));
        // A program that cannot be started is told the same way.
        Form().SetLiveEngineProgram(fRun->File("no-such-program"));
        Type(diameter, "4.2");
        Settle();
        QVERIFY2(Form().LiveStatusText().contains("could not be started"),
                 qPrintable(Form().LiveStatusText()));
        QVERIFY(fRun->answers->warnings.isEmpty());
        QVERIFY(fRun->answers->errors.isEmpty());
        // The window goes on: typing is taken, and with the real engine the plot follows again.
        Form().SetLiveEngineProgram(KORVA_CLI_PROGRAM);
        Type(diameter, "4.5");
        QCOMPARE(Form().Project().DSTART, 4.5L);
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
        QVERIFY(Points(Capacity()) != good);
    }

    void aRunWithAnotherStatusIsShownWithThatStatus()
    {
        Prepare();
        // Specify the design load: a load the 50-ft profile cannot carry.
        Form().UpdateDataMenu();
        Form().Command("SpecifyLoad")->trigger();
        Settle();
        QWidget* load = Form().MdiArea()->activeSubWindow()->widget();
        auto* field = load->findChild<TDataEdit*>("LPD");
        QVERIFY(field != nullptr);
        Type(field, "900000");
        Settle();
        const QString status = Form().LiveStatusText();
        QVERIFY2(status.contains("Status 7"), qPrintable(status));
        QVERIFY(fRun->answers->warnings.isEmpty());
        QVERIFY(fRun->answers->informations.isEmpty());
    }

    void anExportedCalculationPackageHoldsThePlotsOfTheSavedRun()
    {
        Prepare();
        const auto saved = Points(Capacity());
        QWidget* shaft = OpenShaftWindow();
        Type(shaft->findChild<TDataEdit*>("DSTART"), "4");
        Settle();
        QVERIFY(Points(Capacity()) != saved);
        fRun->answers->saveFileNames.enqueue(fRun->File("package.pdf"));
        Form().FileExportPdfClick();
        QVERIFY(QFileInfo::exists(fRun->File("package.pdf")));
        // The report of the package is the saved run's: so are its plots, and the windows.
        QVERIFY(Points(Capacity()) == saved);
        QCOMPARE(Form().Graphs().Freshness(), TResultsFreshness::Saved);
        QVERIFY(!PlotWindow()->windowTitle().contains("live"));
        QCOMPARE(Form().LiveStatusText(), QString());
        // Live results stay on: the next edit is analysed again.
        QVERIFY(Form().LiveResults());
        Type(shaft->findChild<TDataEdit*>("DSTART"), "4.5");
        Settle();
        QCOMPARE(Form().LiveStatusText(), QString("live, not saved"));
    }

    void layerCommandsOfTheSoilLayersWindowAreAnalysedToo()
    {
        Prepare();
        Form().UpdateDataMenu();
        Form().Command("DataSoilLayers")->trigger();
        QWidget* layers = Form().MdiArea()->activeSubWindow()->widget();
        auto* add = layers->findChild<QPushButton*>("AddLayer");
        QVERIFY(add != nullptr);
        const auto revision = Form().Live().Schedule().Newest();
        QSignalSpy ended(&Form().Live(), &TLiveAnalysis::RunEnded);
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(Form().Live().Schedule().Newest() > revision);
        QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= 1, 20000);
        Settle();
        // Shown live, or refused by the profile check with its reason: never a message box.
        QVERIFY(!Form().LiveStatusText().isEmpty());
        QVERIFY(fRun->answers->warnings.isEmpty());
    }

    void snapshotOfTheWindowWithLiveResults()
    {
        Prepare();
        QWidget* shaft = OpenShaftWindow();
        Type(shaft->findChild<TDataEdit*>("DSTART"), "4");
        Settle();
        Form().resize(1400, 800);
        Form().MdiArea()->tileSubWindows();
        PlotWindow()->parentWidget()->setGeometry(720, 0, 660, 620);
        QTest::qWait(20);
        const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/live";
        QDir().mkpath(folder);
        QVERIFY(Form().grab().save(folder + "/MainWindowLive.png"));
        Type(shaft->findChild<TDataEdit*>("DSTART"), "11");
        Settle();
        QVERIFY(Form().grab().save(folder + "/MainWindowStale.png"));
    }
};

QTEST_MAIN(LiveResultsTest)
#include "LiveResultsTest.moc"
