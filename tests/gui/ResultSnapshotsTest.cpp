// Runs the example projects through the engine library of this build and renders the main
// window and every result graph that has curves to PNG files under <build>/snapshots/, for
// looking at the pictures: axes, labels, legend, hatches, nothing clipped.
#include "ScriptedPrompt.h"
#include "gui/main/Main.h"
#include "gui/results/PlotForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

using namespace korva::gui;

class ResultSnapshotsTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;

    static QString FileNameOf(int index, const TGraphPlot& graph)
    {
        QString name = QString::fromStdString(graph.Caption).simplified();
        name.replace(QRegularExpression("[^A-Za-z0-9]+"), "_");
        return QString("%1_%2.png").arg(index, 2, 10, QChar('0')).arg(name);
    }

    // Renders the results of an example project: of a run through the engine, or, with
    // plotData, of a plot data file put beside the project and read when it is opened.
    void Snapshot(const QString& example, const QString& plotData = {})
    {
        const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/" + example +
                               (plotData.isEmpty() ? "" : "_" + QFileInfo(plotData).baseName());
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder + "/project"));
        const QString project = folder + "/project/" + example + ".kv8d";
        QString source = QString(KORVA_EXAMPLES) + "/" + example + ".kv8d";
        if (!QFileInfo::exists(source))
            source = QString(KORVA_TEST_DATA) + "/gui/" + example + ".kv8d";
        QVERIFY(QFile::copy(source, project));

        auto prompt = std::make_unique<ScriptedPrompt>();
        ScriptedPrompt& answers = *prompt;
        TMainForm form(std::move(prompt));
        form.SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        form.resize(1280, 900);
        form.show();
        if (!plotData.isEmpty())
            QVERIFY(QFile::copy(plotData, folder + "/project/" + example + ".kv8p"));
        form.StartUp({project});
        if (plotData.isEmpty())
            form.CompRunClick();
        QVERIFY2(answers.errors.isEmpty(), qPrintable(answers.errors.join("|")));
        QVERIFY2(form.ShowOutput, qPrintable(answers.informations.join("|")));

        // Every graph the Graphics menu offers, in menu order; the depth graphs also with the
        // soil-layer strip shown.
        static const char* const items[] = {
            "GraphSkin",   "GraphTip",    "GraphTotal",   "GraphCombine",
            "GraphFSSkin", "GraphFSTip",  "GraphFSTotal", "GraphCombineD",
            "GraphAxial",  "GraphUpper",  "GraphLower",   "GraphCombinedSettle",
            "GraphLoad",   "GraphTz",     "GraphTzAdd",   "GraphQw",
            "GraphChart1", "GraphChart2", "GraphChart3",  "GraphChart4",
            "GraphChart5", "GraphChart6", "GraphChart7",  "GraphChart8",
            "GraphChart9", "GraphChart10"};
        const std::vector<TGraphPlot*> graphs = form.Graphs().All();
        const std::vector<TGraphPlot*> depthGraphs = form.Graphs().DepthGraphs();
        form.UpdateGraphicsMenu();
        int written = 0;
        for (std::size_t i = 0; i < graphs.size(); ++i) {
            QAction* item = form.Command(items[i]);
            if (!item->isEnabled() || !item->isVisible())
                continue;
            TGraphPlot& graph = *graphs[i];
            item->trigger();
            auto* window = dynamic_cast<TPlotForm*>(graph.Form());
            QVERIFY(window != nullptr);
            const QString name = FileNameOf(static_cast<int>(i) + 1, graph);
            QVERIFY(window->RenderPicture(10, 7.5, 96).save(folder + "/" + name));
            ++written;
            const bool depth =
                std::find(depthGraphs.begin(), depthGraphs.end(), &graph) != depthGraphs.end();
            if (depth && graph.LayerLineCount() > 0 && !graph.ShowLayers) {
                window->ShowSoilLayerClick();
                QString layered = name;
                layered.replace(".png", "_layers.png");
                QVERIFY(window->RenderPicture(10, 7.5, 96).save(folder + "/" + layered));
                window->ShowSoilLayerClick();
            }
        }
        QVERIFY(written > 0);

        // The main window with the combined plots open, as a user sees it after a run.
        form.CloseChildWindows();
        form.Command("SpeedCombined")->trigger();
        form.Command("SpeedSettlement")->trigger();
        form.MdiArea()->tileSubWindows();
        QTest::qWait(50);
        QVERIFY(form.grab().save(folder + "/00_main_window.png"));
        form.CloseChildWindows();
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }
    void englishSand() { Snapshot("Example"); }
    void siSandOverClay() { Snapshot("SiSandOverClay"); }
    void clayDesignLoad() { Snapshot("ClaySite"); }
    void stiffClayLrfdSi() { Snapshot("StiffClayLrfdSi"); }
    void rockAndIntermediateLayers()
    {
        Snapshot("StrongRockSocketSideAndBase");
        Snapshot("WeakRockSocketBelowClay");
        Snapshot("DecomposedRockBelowSand");
        Snapshot("GravellySandBelowSand");
        Snapshot("ClayShaleBelowClay");
    }
    void multipleLengthsAndDesignCharts()
    {
        Snapshot("MultipleLengthsSand");
        Snapshot("DesignCharts");
    }
    void storedResults()
    {
        Snapshot("Example", QString(KORVA_TEST_DATA) + "/results/soil_tip_full.kv8p");
    }
};

QTEST_MAIN(ResultSnapshotsTest)
#include "ResultSnapshotsTest.moc"
