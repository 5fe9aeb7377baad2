// Runs the example projects through the engine library of this build and renders the main
// window and every result graph that has curves to PNG files under <build>/snapshots/, for
// looking at the pictures: axes, labels, legend, hatches, nothing clipped. Each picture is
// read back from its file and checked: it has the size asked for, it is not blank, and every
// curve drawn in it shows its colour.
#include "ScriptedPrompt.h"
#include "gui/main/Main.h"
#include "gui/results/GraphColours.h"
#include "gui/results/PlotForm.h"

#include <cstdlib>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
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

    // Picture size of the graphs: 10 by 7.5 inches at 96 pixels per inch.
    static constexpr double PictureWidth_in = 10.0;
    static constexpr double PictureHeight_in = 7.5;
    static constexpr int PicturePpi = 96;

    // Pixels of the picture within a small distance of the colour (antialiased edges blend a
    // curve into the white behind it; the middle of a line keeps the pen's colour).
    static int PixelsNear(const QImage& image, QRgb colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int distance = std::abs(qRed(row[x]) - qRed(colour)) +
                                     std::abs(qGreen(row[x]) - qGreen(colour)) +
                                     std::abs(qBlue(row[x]) - qBlue(colour));
                if (distance <= 24)
                    ++count;
            }
        }
        return count;
    }

    // The picture file as a user opens it: present, of the expected size in pixels, and not
    // blank (a real share of its pixels is not the white background).
    static QImage CheckedPicture(const QString& path, QSize expected)
    {
        QImage image(path);
        [&] {
            QVERIFY2(!image.isNull(), qPrintable(path + " was not written or cannot be read"));
            QCOMPARE(image.size(), expected);
        }();
        if (image.isNull())
            return image;
        image = image.convertToFormat(QImage::Format_RGB32);
        const int pixels = image.width() * image.height();
        const int white = PixelsNear(image, qRgb(255, 255, 255));
        [&] {
            QVERIFY2(pixels - white > pixels / 200,
                     qPrintable(path + " is blank: " + QString::number(pixels - white) +
                                " pixels are not white"));
        }();
        return image;
    }

    // Every curve the picture draws (active, visible, two points or more) shows its colour,
    // the colour of its position among the active curves, in its line or its legend entry.
    static void CheckCurveColours(const QImage& image, const TGraphPlot& graph, const QString& path)
    {
        int activeIndex = 0;
        for (int i = 0; i < graph.LineCount(); ++i) {
            const TLine& line = graph.Lines(i);
            if (!line.fActive)
                continue;
            const int position = activeIndex++;
            if (!line.fVisible || line.Count() < 2)
                continue;
            const QRgb colour = static_cast<QRgb>(CurveColourRgb(position)) | 0xFF000000u;
            QVERIFY2(PixelsNear(image, colour) > 0,
                     qPrintable(QString("%1: curve %2 (colour %3) does not appear")
                                    .arg(path)
                                    .arg(i + 1)
                                    .arg(QColor(colour).name())));
        }
    }

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
            const QSize pictureSize(qRound(PictureWidth_in * PicturePpi),
                                    qRound(PictureHeight_in * PicturePpi));
            QVERIFY(window->RenderPicture(PictureWidth_in, PictureHeight_in, PicturePpi)
                        .save(folder + "/" + name));
            const QImage picture = CheckedPicture(folder + "/" + name, pictureSize);
            if (QTest::currentTestFailed())
                return;
            CheckCurveColours(picture, graph, folder + "/" + name);
            if (QTest::currentTestFailed())
                return;
            ++written;
            const bool depth =
                std::find(depthGraphs.begin(), depthGraphs.end(), &graph) != depthGraphs.end();
            if (depth && graph.LayerLineCount() > 0 && !graph.ShowLayers) {
                window->ShowSoilLayerClick();
                QString layered = name;
                layered.replace(".png", "_layers.png");
                QVERIFY(window->RenderPicture(PictureWidth_in, PictureHeight_in, PicturePpi)
                            .save(folder + "/" + layered));
                const QImage withLayers = CheckedPicture(folder + "/" + layered, pictureSize);
                if (QTest::currentTestFailed())
                    return;
                CheckCurveColours(withLayers, graph, folder + "/" + layered);
                if (QTest::currentTestFailed())
                    return;
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
        const QPixmap mainWindow = form.grab();
        QVERIFY(mainWindow.save(folder + "/00_main_window.png"));
        CheckedPicture(folder + "/00_main_window.png", mainWindow.size());
        if (QTest::currentTestFailed())
            return;
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
