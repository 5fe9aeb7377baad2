// The 3-D view drawn through OpenGL under an X server (xvfb-run): the framebuffer of an example
// project is grabbed and checked for the soil colours, the shaft grey and the translucent
// water plane; mouse drags turn the scene. Writes pictures of both views of three example
// projects (the 3-D view also turned and with the combined plots) to
// <build>/snapshots/views/<project>/. Without an X display the test reports itself skipped.
#include "ScriptedPrompt.h"
#include "gui/main/Main.h"
#include "gui/views/Block.h"
#include "gui/views/GlWindow.h"
#include "gui/views/PileDiagrams.h"
#include "gui/views/SideView.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>

using namespace korva::gui;

class SceneViewTest : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir fSettingsHome;

    // The main window with a project copied into `folder` and opened.
    std::unique_ptr<TMainForm> OpenExample(const QString& example, const QString& folder)
    {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const QString project = folder + "/" + example + ".kv8d";
        QFile::copy(QString(KORVA_EXAMPLES) + "/" + example + ".kv8d", project);
        auto form = std::make_unique<TMainForm>(std::make_unique<ScriptedPrompt>());
        form->SetEngineLibraryPath(KORVA_ENGINE_LIBRARY);
        form->resize(1200, 900);
        form->show();
        form->StartUp({project});
        return form;
    }
    static TDlgBlock* Open3D(TMainForm& form)
    {
        form.Command("View3D")->trigger();
        QMdiSubWindow* window = form.MdiArea()->activeSubWindow();
        auto* view = window != nullptr ? qobject_cast<TDlgBlock*>(window->widget()) : nullptr;
        if (view != nullptr) {
            window->showMaximized();
            (void)QTest::qWaitForWindowExposed(view->GlWindow());
        }
        return view;
    }
    // Pixel of the grabbed scene at a scene point.
    static QRgb At(TDlgBlock& view, const QImage& image, const TVec3& point)
    {
        const auto p = view.ScreenPoint(point);
        if (!p)
            return 0;
        return image.pixel(std::clamp(int(p->x()), 0, image.width() - 1),
                           std::clamp(int(p->y()), 0, image.height() - 1));
    }
    static bool Near(QRgb pixel, int r, int g, int b, int tolerance = 3)
    {
        return std::abs(qRed(pixel) - r) <= tolerance && std::abs(qGreen(pixel) - g) <= tolerance &&
               std::abs(qBlue(pixel) - b) <= tolerance;
    }
    static QString Describe(QRgb pixel)
    {
        return QString("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
    }
    static void Drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(widget, Qt::LeftButton, keys, from);
        QTest::mouseMove(widget, (from + to) / 2);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, keys, to);
    }

  private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", fSettingsHome.path().toUtf8()); }

    void sceneShowsSoilShaftAndWater()
    {
        QTemporaryDir work;
        auto form = OpenExample("BelledShaftClayOverSand", work.path());
        TDlgBlock* view = Open3D(*form);
        QVERIFY(view != nullptr);
        QVERIFY(view->GlWindow() != nullptr);
        QImage image = view->GrabScene();
        QVERIFY(!image.isNull());
        const double G = view->Extent().G;

        // Looking along +y: the front faces of the blocks, each soil colour at alpha 0.5 over
        // white; clay (row 0) above 25 ft, sand (row 1) below.
        const QRgb clay = At(*view, image, {-G / 2, -G, -10.0});
        QVERIFY2(Near(clay, 230, 198, 128), qPrintable(Describe(clay)));
        const QRgb sand = At(*view, image, {-G / 2, -G, -50.0});
        QVERIFY2(Near(sand, 198, 179, 153), qPrintable(Describe(sand)));

        // Without the soil the shaft shows in its own colours: dark grey body, the ignored
        // top portion of a belled shaft olive-dark.
        view->Command("Soil Layers")->trigger();
        image = view->GrabScene();
        const QRgb body = At(*view, image, {0.0, -1.6, -20.0});
        QVERIFY2(Near(body, 64, 64, 64), qPrintable(Describe(body)));
        const QRgb top = At(*view, image, {0.0, -1.6, -2.5});
        QVERIFY2(Near(top, 64, 64, 0), qPrintable(Describe(top)));

        // Dragged down by half the height in rotating mode the scene turns 45 degrees about x:
        // the water plane is seen from above, translucent blue over the white background.
        view->Command("Rotating")->trigger();
        QWidget* gl = view->GlWindow();
        Drag(gl, QPoint(gl->width() / 2, gl->height() / 4),
             QPoint(gl->width() / 2, gl->height() * 3 / 4));
        QVERIFY(std::abs(view->State().RotX - 45.0) < 0.5);
        image = view->GrabScene();
        const double wtd = form->Project().WTD;
        const QRgb water = At(*view, image, {G * 0.6, -G * 0.6, -wtd});
        QVERIFY2(Near(water, 64, 64, 255), qPrintable(Describe(water)));
        // With the soil back, the plane tints what lies below it: neither pure soil nor blue.
        view->Command("Soil Layers")->trigger();
        image = view->GrabScene();
        const QRgb tinted = At(*view, image, {G * 0.6, -G * 0.2, -wtd});
        QVERIFY2(qBlue(tinted) > qRed(tinted) + 40 && qRed(tinted) > 20,
                 qPrintable(Describe(tinted)));

        // A click in zoom-window mode changes nothing; a box zooms in.
        view->Command("Zoom Window")->trigger();
        const double z2 = view->State().Z2;
        QTest::mouseClick(gl, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(view->State().Z2, z2);
        Drag(gl, QPoint(100, 100), QPoint(300, 250));
        QVERIFY(view->State().Z2 > z2);
    }

    void snapshotsOfBothViews()
    {
        for (const char* name :
             {"BelledShaftClayOverSand", "StrongRockSocketSideAndBase", "SiSandOverClay"}) {
            const QString example(name);
            const QString folder = QString(KORVA_BUILD_DIR) + "/snapshots/views/" + example;
            auto form = OpenExample(example, folder + "/project");
            form->CompRunClick();
            QVERIFY2(form->ShowOutput, qPrintable(example));

            form->Command("ViewElevation")->trigger();
            QMdiSubWindow* side = form->MdiArea()->activeSubWindow();
            side->resize(700, 820);
            QTest::qWait(50);
            QVERIFY(side->grab().save(folder + "/elevation.png"));
            if (auto* elevation = qobject_cast<TDlgSideView*>(side->widget())) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(folder + "/elevation_page.pdf");
                elevation->PrintOn(printer);
            }
            side->close();

            TDlgBlock* view = Open3D(*form);
            QVERIFY(view != nullptr);
            QVERIFY(view->GrabScene().save(folder + "/3d_front.png"));
            view->Command("Layer Labels")->trigger();
            view->Command("Layer Depths")->trigger();
            view->Command("Rotating")->trigger();
            QWidget* gl = view->GlWindow();
            Drag(gl, QPoint(400, 200), QPoint(520, 330));
            QVERIFY(view->GrabScene().save(folder + "/3d_turned.png"));

            view->UpdateShowMenu();
            QVERIFY(view->Command("Combined Plots")->isEnabled());
            view->Command("Combined Plots")->trigger();
            TDlgPileDiagrams* options = view->DiagramsDialog();
            QVERIFY(options != nullptr);
            options->ShowPlots()->click();
            options->MaximumValues()->click();
            view->Command("Restart View")->trigger();
            view->Command("Layer Labels")->trigger();
            QVERIFY(view->GrabScene().save(folder + "/3d_combined.png"));
            Drag(gl, QPoint(400, 200), QPoint(560, 320));
            QVERIFY(view->GrabScene().save(folder + "/3d_combined_turned.png"));
            QVERIFY(form->grab().save(folder + "/main_window.png"));
        }
    }
};

int main(int argc, char** argv)
{
    // The test draws through OpenGL in X windows; without a display it cannot run.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("SceneViewTest: no X display (run the tests under xvfb-run); skipped");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    RequestSceneSurfaceFormat();
    QApplication app(argc, argv);
    SceneViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SceneViewTest.moc"
