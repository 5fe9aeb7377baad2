// Plot window: opening state, legend and menu, dialogs, zoom by mouse, pictures.
// The pictures of every kind of plot are written to <build>/plots for inspection.

#include "gui/results/PlotForm.h"
#include "ExampleRun.h"
#include "ModalDialog.h"
#include "gui/dialogs/Caption.h"
#include "gui/dialogs/ChangeActiveLines.h"
#include "gui/dialogs/ChangeLineNames.h"
#include "gui/dialogs/SaveAttb.h"
#include "gui/results/GraphPlot.h"
#include "gui/results/PlotHatchTiles.h"
#include "gui/results/PlotLegend.h"
#include "gui/results/PlotPainter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace korva::gui;

namespace {

QString PlotFolder()
{
    QString folder = QStringLiteral(KORVA_BUILD_DIR) + QStringLiteral("/plots");
    QDir().mkpath(folder);
    return folder;
}

// Capacity against depth for three shaft diameters, with a soil-layer strip of every
// hatch code.
void FillDepthGraph(TGraphPlot& g, bool elevation)
{
    g.Caption = "Ultimate Total Capacity vs Depth";
    g.XCaption = "Ultimate Total Capacity ";
    g.XUnits = "F2";
    g.YCaption = elevation ? "Elevation" : "Depth";
    g.YUnits = "L2";
    g.Yreversed = elevation;
    const double top = elevation ? 100.0 : 0.0;
    g.SetLineCount(3);
    g.SetCount(41);
    for (int c = 0; c < 3; ++c) {
        g.Lines(c).fValueS = "Dia=" + std::to_string(3 + c) + " ft";
        for (int j = 0; j <= 40; ++j) {
            double depth = j;
            g.Data(c, j).x = (c + 1) * 12.0 * depth + 0.08 * depth * depth * (c + 1);
            g.Data(c, j).y = elevation ? top - depth : depth;
        }
    }
    static const char* names[] = {" CLAY ",      " SAND ",   " SHALE ",  " ROCK ",
                                  " WEAK ROCK ", " GW ",     " GRAVEL ", "LAYER 8",
                                  "LAYER 9",     "LAYER 10", "LAYER 11", "LAYER 12"};
    static const int codes[] = {1, 7, 8, 9, 10, 11, 12, 2, 3, 4, 5, 6};
    g.SetLayerLineCount(12);
    g.SetLayerCount(1);
    for (int i = 0; i < 12; ++i) {
        g.LayerLines(i).fValueS = names[i];
        g.LayerData(i, 0).x = codes[i];
        double bottom = 3.5 * (i + 1);
        g.LayerData(i, 0).y = elevation ? top - bottom : bottom;
    }
    g.LayersTop = top;
    g.ShowLayers = true;
}

// t-z curves: x axis at the bottom, 25 curves.
void FillTzGraph(TGraphPlot& g)
{
    g.Caption = "t-z curves (averaged)";
    g.XCaption = "Axial Displacement, z";
    g.XUnits = "L";
    g.YCaption = "Unit Load Transfer, t";
    g.YUnits = "F/L^2";
    g.XOnTop = false;
    g.SetUnits(2);
    g.SetLineCount(25);
    g.SetCount(15);
    for (int c = 0; c < 25; ++c) {
        g.Lines(c).fValueS = "H=" + std::to_string(c + 1) + " m";
        for (int j = 0; j < 15; ++j) {
            double z = 0.002 * j;
            g.Data(c, j).x = z;
            g.Data(c, j).y = (20.0 + 6.0 * c) * (1.0 - std::exp(-z / 0.004));
        }
    }
}

// Load-settlement: three curves, settlement downward.
void FillSettlementGraph(TGraphPlot& g)
{
    g.Caption = "Combined Plots of Load vs Settlement";
    g.XCaption = "Axial Load";
    g.XUnits = "F2";
    g.YCaption = "Settlement";
    g.YUnits = "L";
    g.SetLineCount(3);
    g.SetCount(15);
    const char* names[] = {"  Trend (Averaged)", "  Upper Bound", "  Lower Bound"};
    for (int c = 0; c < 3; ++c) {
        g.Lines(c).fValueS = names[c];
        for (int j = 0; j < 15; ++j) {
            double w = 0.1 * j * j;
            g.Data(c, j).x = (400.0 + 80.0 * (1 - c)) * (1.0 - std::exp(-w / 3.0));
            g.Data(c, j).y = w;
        }
    }
}

class PlotFormTest : public QObject
{
    Q_OBJECT

  private:
    // The legend box lies inside the graph area, clear of the frame and its tick marks (so
    // over no tick label), and no visible curve passes under it.
    static bool LegendInsideGraph(TPlotForm& form)
    {
        const TDeviceRect g = form.WindowPlotLayout().Graph;
        const QRect box = form.Legend()->geometry();
        const int inset = form.Canvas()->logicalDpiX() / 16;
        return box.left() >= g.Left + inset && box.right() <= g.Right - inset &&
               box.top() >= g.Top + inset && box.bottom() <= g.Bottom - inset;
    }

    static bool LegendClearOfCurves(TPlotForm& form)
    {
        if (!LegendInsideGraph(form))
            return false;
        const TDeviceRect g = form.WindowPlotLayout().Graph;
        const QRect box = form.Legend()->geometry();
        for (const auto& curve : CurveDevicePoints(*form.Data(), form.LogicBounds(), g))
            for (std::size_t i = 1; i < curve.size(); ++i)
                for (int k = 0; k <= 50; ++k) {
                    const double t = k / 50.0;
                    const QPoint p(
                        static_cast<int>(curve[i - 1].X + t * (curve[i].X - curve[i - 1].X)),
                        static_cast<int>(curve[i - 1].Y + t * (curve[i].Y - curve[i - 1].Y)));
                    if (box.contains(p))
                        return false;
                }
        return true;
    }

    // True when every pixel of the picture in the given rectangle is white.
    static bool White(const QImage& image, const QRect& rect)
    {
        const QRect r = rect.intersected(image.rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }

    // Graph area of a picture of the form's graph, as RenderPicture lays it out.
    static TDeviceRect PictureGraphArea(TPlotForm& form, const QImage& image, int ppi)
    {
        const TDeviceRect drawing = PictureDrawingRect(image.width(), image.height(), ppi, ppi);
        const int h = GraphTextHeight(form.PictureBaseTextHeight(ppi), form.Data()->SizeFont);
        return WindowLayoutIn(drawing, LayoutInputFor(*form.Data(), h, ppi, ppi)).Graph;
    }
    std::unique_ptr<TPlotForm> OpenForm(TGraphPlot& graph, int width = 900, int height = 700)
    {
        auto form = std::make_unique<TPlotForm>(graph);
        form->Inform = [this](const QString& text) { fMessages << text; };
        form->resize(width, height);
        form->show();
        QApplication::processEvents();
        return form;
    }

    void SavePictures(TPlotForm& form, const QString& name)
    {
        QImage window = form.grab().toImage();
        QVERIFY(window.save(PlotFolder() + "/" + name + "-window.png"));
        QVERIFY(form.SavePicture(PlotFolder() + "/" + name + "-saved.png", 6.0, 4.0, 96));
    }

    static QAction* PlotCommand(TPlotForm& form, const QString& caption)
    {
        for (QAction* action : form.PlotMenu()->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    // The graph frame of a picture, found in its pixels: the outermost columns and rows that
    // are black over most of the picture's height or width.
    static QRect FrameInPicture(const QImage& image)
    {
        auto black = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 60; };
        int left = -1, right = -1, top = -1, bottom = -1;
        for (int x = 0; x < image.width(); ++x) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                n += black(x, y);
            if (n > image.height() / 2) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        for (int y = 0; y < image.height(); ++y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += black(x, y);
            if (n > image.width() / 2) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        return QRect(QPoint(left, top), QPoint(right, bottom));
    }

    // No two neighbouring labels of an axis overlap or touch.
    static QString Collision(const std::vector<TTickLabel>& labels)
    {
        for (std::size_t i = 0; i < labels.size(); ++i)
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                if (labels[i].YAxis == labels[j].YAxis &&
                    labels[i].Box.adjusted(-1, -1, 1, 1).intersects(labels[j].Box))
                    return labels[i].Text + " / " + labels[j].Text;
        return {};
    }

    QStringList fMessages;

  private slots:
    void tickLabelsNeverOverlap()
    {
        QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
        TExampleRun run("StiffClayLrfdSi");
        QVERIFY(run.Ran());
        // Load against settlement in kN and m: settlements of a few millimetres on the
        // vertical axis, 4-digit loads on the horizontal one.
        for (TGraphPlot* graph :
             {&run.form->Graphs().pltAxial, &run.form->Graphs().pltCombinedSettle}) {
            for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 700),
                                     QSize(1280, 900), QSize(1600, 1000)}) {
                for (int font : {10, 15, 20}) {
                    auto form = OpenForm(*graph, size.width(), size.height());
                    form->SetFontSize(font);
                    const std::vector<TTickLabel> labels = form->TickLabelsShown();
                    QVERIFY(labels.size() > 4);
                    const QString where = QString("%1 at %2 x %3, font %4: ")
                                              .arg(QString::fromStdString(graph->Caption))
                                              .arg(size.width())
                                              .arg(size.height())
                                              .arg(font);
                    QVERIFY2(Collision(labels).isEmpty(), qPrintable(where + Collision(labels)));
                    // Zoomed into the first tenth, where the labels are longest.
                    form->SetLogicBounds(ZoomIn(0.0, 0.0, form->MaxLogicBounds().Right / 10,
                                                std::fabs(form->MaxLogicBounds().Bottom) / 10,
                                                form->MaxLogicBounds(), graph->Yreversed));
                    QVERIFY2(Collision(form->TickLabelsShown()).isEmpty(),
                             qPrintable(where + "zoomed " + Collision(form->TickLabelsShown())));
                    form->SetFontSize(10);
                }
            }
            // Printed on a letter page at the usual printer resolutions, 1-inch margins.
            for (int ppi : {300, 600, 1200}) {
                const int margins[4] = {1000, 1000, 1000, 1000};
                const TDeviceRect drawing =
                    PrintDrawingRect(margins, ppi, ppi, 11 * ppi, 17 * ppi / 2, 0, 0);
                const int h = GraphTextHeight(ppi * 9 / 72, graph->SizeFont);
                TDrawArea area;
                area.GraphArea = PrintLayout(drawing, LayoutInputFor(*graph, h, ppi, ppi)).Graph;
                area.PpiX = area.PpiY = ppi;
                const TLogicBounds full = FullExtent(*graph);
                const auto labels =
                    TickLabels(*graph, full, area, h, LabelledTickSpacing(full, area.GraphArea, h));
                QVERIFY(labels.size() > 4);
                QVERIFY2(Collision(labels).isEmpty(),
                         qPrintable(QString("printed at %1 ppi: ").arg(ppi) + Collision(labels)));
            }
        }
    }

    void editLegendEnterStoresTheNameAndKeepsTheDialogOpen()
    {
        TGraphPlot graph;
        FillSettlementGraph(graph);
        auto form = OpenForm(graph);
        bool openAfterEnter = false, openAfterEmpty = false;
        QString listed, boxAfterEmpty;
        QStringList told;
        WhenModalShown<TfrmLineNames>([&](TfrmLineNames* dialog) {
            dialog->Inform = [&told](const QString& text) { told << text; };
            QListWidget* list = dialog->List();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QLineEdit* box = dialog->Edit();
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, "Upper bound, 1.2 m shaft");
            QTest::keyClick(box, Qt::Key_Return);
            openAfterEnter = dialog->isVisible();
            listed = list->item(1)->text();
            // An empty name: the message, the old name back, the dialog still open.
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(box, Qt::Key_Return);
            openAfterEmpty = dialog->isVisible();
            boxAfterEmpty = box->text();
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        PlotCommand(*form, "&Edit Legend")->trigger();
        QVERIFY(openAfterEnter);
        QCOMPARE(listed, QString("Upper bound, 1.2 m shaft"));
        QVERIFY(openAfterEmpty);
        QCOMPARE(told, QStringList{"The line must have a name!"});
        QCOMPARE(boxAfterEmpty, QString("Upper bound, 1.2 m shaft"));
        QCOMPARE(graph.Lines(1).fValueS, std::string("Upper bound, 1.2 m shaft"));
        QCOMPARE(form->Legend()->item(1)->text(), QString("Upper bound, 1.2 m shaft *"));
    }

    void legendKeepsItsPlaceWhileZooming()
    {
        TGraphPlot graph;
        FillDepthGraph(graph, false);
        graph.ShowLayers = false;
        auto form = OpenForm(graph);
        const QPoint first = form->Legend()->pos();
        QVERIFY(LegendClearOfCurves(*form));
        // Zoom into the upper left, where the curves then fill the whole area, and out again.
        const TDeviceRect g = form->WindowPlotLayout().Graph;
        QWidget* canvas = form->Canvas();
        const QPoint from(g.Left + 5, g.Top + 5);
        const QPoint to(g.Left + g.Width() / 6, g.Top + g.Height() / 3);
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
        QVERIFY(form->LogicBounds().Right < 400.0);
        QCOMPARE(form->Legend()->pos(), first);
        for (int click = 0; click < 4; ++click) {
            QTest::mousePress(canvas, Qt::RightButton, {}, QPoint(g.Left + 20, g.Bottom - 20));
            QCOMPARE(form->Legend()->pos(), first);
        }
        QCOMPARE(form->LogicBounds().Right, form->MaxLogicBounds().Right);
        // A legend the user dragged stays where it was put as well.
        TPlotLegend* legend = form->Legend();
        const QPoint grab = legend->visualItemRect(legend->item(0)).center();
        QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(legend->viewport(), grab + QPoint(-200, 150));
        QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab + QPoint(-200, 150));
        const QPoint put = legend->pos();
        QVERIFY(put != first);
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
        QCOMPARE(legend->pos(), put);
    }

    void saveToDiskStartsInTheProjectFolderAndLooksLikeTheWindow()
    {
        TGraphPlot graph;
        FillSettlementGraph(graph);
        auto form = OpenForm(graph);
        QTemporaryDir project;
        form->DocumentFolder = [&project] { return project.path(); };
        QString startedIn;
        QStringList filters;
        WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
            startedIn = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            WhenModalShown<TdlgFormat>([](TdlgFormat* format) {
                QTest::mouseClick(format->PpiBox(), Qt::LeftButton);
                QTest::keyClick(format->PpiBox(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(format->PpiBox(), "300");
                QTest::mouseClick(
                    format->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                    Qt::LeftButton);
            });
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, "settlement");
            QTest::keyClick(name, Qt::Key_Return);
        });
        PlotCommand(*form, "&Save To Disk...")->trigger();
        QCOMPARE(startedIn, project.path());
        QCOMPARE(filters, (QStringList{"PNG picture (*.png)", "Bitmap (*.bmp)"}));
        QImage sharp(project.filePath("settlement.png"));
        QVERIFY(!sharp.isNull());
        QCOMPARE(sharp.size(), QSize(1800, 1200)); // 6 x 4 inches at 300 pixels per inch
        QVERIFY(sharp.save(PlotFolder() + "/settlement-300ppi-saved.png"));

        // The same picture at the window's resolution: the frame and the margins around it
        // (made by the text) are the same fractions of the picture.
        const int screen = form->Canvas()->logicalDpiY();
        QImage plain = form->RenderPicture(6.0, 4.0, screen);
        const QRect a = FrameInPicture(sharp);
        const QRect b = FrameInPicture(plain);
        QVERIFY(a.isValid() && b.isValid());
        const double tolerance = 0.01;
        QVERIFY2(std::fabs(double(a.left()) / sharp.width() - double(b.left()) / plain.width()) <
                     tolerance,
                 qPrintable(QString("left %1 of %2, %3 of %4")
                                .arg(a.left())
                                .arg(sharp.width())
                                .arg(b.left())
                                .arg(plain.width())));
        QVERIFY(std::fabs(double(a.right()) / sharp.width() - double(b.right()) / plain.width()) <
                tolerance);
        QVERIFY(std::fabs(double(a.top()) / sharp.height() - double(b.top()) / plain.height()) <
                tolerance);
        QVERIFY(std::fabs(double(a.bottom()) / sharp.height() -
                          double(b.bottom()) / plain.height()) < tolerance);

        // Print without a printer: the PDF file is offered in the project's folder too.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            startedIn.clear();
            WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
                startedIn = dialog->directory().absolutePath();
                dialog->reject();
            });
            PlotCommand(*form, "&Print...")->trigger();
            QCOMPARE(startedIn, project.path());
        }
    }

    void opensWithFullExtentLegendAndMenu()
    {
        TGraphPlot graph;
        FillDepthGraph(graph, false);
        auto form = OpenForm(graph);
        QCOMPARE(form->LogicBounds().Left, 0.0);
        QCOMPARE(form->LogicBounds().Right, 1900.0);
        QCOMPARE(form->LogicBounds().Top, 0.0);
        QCOMPARE(form->LogicBounds().Bottom, 40.0);
        QCOMPARE(form->Legend()->count(), 3);
        QCOMPARE(form->Legend()->item(0)->text(), QStringLiteral("Dia=3 ft *"));
        QCOMPARE(form->Legend()->item(1)->foreground().color(), QColor(0, 0, 255));
        // Capacity grows with depth, so the curves run out at the lower right: the legend
        // goes to a free corner inside the graph area, over no tick label and no curve.
        TDeviceRect g = form->WindowPlotLayout().Graph;
        QVERIFY(LegendClearOfCurves(*form));
        QVERIFY(form->Legend()->y() < (g.Top + g.Bottom) / 2);

        // Dragging the legend moves it, kept inside the client area.
        TPlotLegend* legend = form->Legend();
        QPoint grab = legend->visualItemRect(legend->item(0)).center();
        QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(legend->viewport(), grab - QPoint(300, 200));
        QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab - QPoint(300, 200));
        QVERIFY(legend->x() < g.Right - legend->width() - 200);
        QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(legend->viewport(), grab - QPoint(3000, 3000));
        QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab - QPoint(3000, 3000));
        QCOMPARE(legend->pos(), QPoint(0, 0));
        legend->move(g.Right - legend->width(), g.Bottom - legend->height());

        QStringList items;
        for (QAction* a : form->PlotMenu()->actions())
            if (!a->isSeparator())
                items << a->text();
        QStringList expected = {
            "Show &Legend",     "Show &Soil Layer", "Show &Markers",  "&Font Size", "&Line Width",
            "&Graph Title",     "&Edit Legend",     "&Active Curves", "&Print...",  "P&age Setup",
            "&Save To Disk...", "Dia=3 ft",         "Dia=4 ft",       "Dia=5 ft"};
        QCOMPARE(items, expected);
        SavePictures(*form, "depth");
    }

    void legendToggleRenameAndActiveCurves()
    {
        TGraphPlot graph;
        FillTzGraph(graph);
        auto form = OpenForm(graph);
        // 25 curves: 20 listed.
        QCOMPARE(form->Legend()->count(), 20);
        QVERIFY(!graph.Lines(20).fActive);
        // Twenty curves fill the graph: the legend goes to the corner they cross least,
        // always inside the graph area. With three, a corner above or below the flat parts
        // stays free.
        QVERIFY(LegendInsideGraph(*form));
        std::vector<bool> listed;
        for (int i = 0; i < graph.LineCount(); ++i)
            listed.push_back(graph.Lines(i).fActive);
        std::vector<bool> three(listed.size(), false);
        three[0] = three[10] = three[19] = true;
        form->ApplyActiveCurves(three);
        QVERIFY(LegendClearOfCurves(*form));
        // Resizing keeps it clear, until the user puts it somewhere.
        form->resize(700, 650);
        QApplication::processEvents();
        QVERIFY(LegendClearOfCurves(*form));
        SavePictures(*form, "tz-three");
        form->ApplyActiveCurves(listed);
        SavePictures(*form, "tz");

        // Double-clicking an entry hides its curve and drops the star.
        form->ToggleLegendEntry(1);
        QVERIFY(!graph.Lines(1).fVisible);
        QCOMPARE(form->Legend()->item(1)->text(), QStringLiteral("H=2 m"));
        QTest::mouseDClick(form->Legend()->viewport(), Qt::LeftButton, {},
                           form->Legend()->visualItemRect(form->Legend()->item(1)).center());
        QVERIFY(graph.Lines(1).fVisible);

        // The active-curves dialog lists every curve and can add the others.
        QStringList names;
        std::vector<bool> active;
        for (int i = 0; i < graph.LineCount(); ++i) {
            names << QString::fromStdString(graph.Lines(i).GetLineName());
            active.push_back(graph.Lines(i).fActive);
        }
        TfrmActiveLines dialog(names, active);
        QCOMPARE(dialog.List()->item(0)->text(), QStringLiteral(" yes :    H=1 m"));
        QCOMPARE(dialog.List()->item(22)->text(), QStringLiteral(" no  :    H=23 m"));
        dialog.Toggle(22);
        dialog.List()->item(0)->setSelected(true);
        dialog.ToggleSelected();
        std::vector<bool> chosen = dialog.Active();
        QVERIFY(chosen[22] && !chosen[0]);
        form->ApplyActiveCurves(chosen);
        QCOMPARE(form->Legend()->count(), 20);
        QCOMPARE(form->LegendCurves().front(), 1);
        QCOMPARE(form->LegendCurves().back(), 22);
        // Colours follow the position among the active curves.
        QCOMPARE(form->Legend()->item(0)->foreground().color(), QColor(0, 0, 0));
        dialog.ActivateAll();
        form->ApplyActiveCurves(dialog.Active());
        QCOMPARE(form->Legend()->count(), 25);

        // The legend editor refuses an empty name and renames curves.
        TfrmLineNames editor(names);
        QString told;
        editor.Inform = [&told](const QString& text) { told = text; };
        editor.List()->setCurrentRow(3);
        QCOMPARE(editor.Edit()->text(), QStringLiteral("H=4 m"));
        editor.Edit()->setText(QString());
        emit editor.Edit()->editingFinished();
        QCOMPARE(told, QStringLiteral("The line must have a name!"));
        QCOMPARE(editor.Edit()->text(), QStringLiteral("H=4 m"));
        editor.Edit()->setText(QStringLiteral("Depth 4 m, long legend entry"));
        emit editor.Edit()->editingFinished();
        int width = form->Legend()->width();
        form->ApplyLineNames(editor.Names());
        QCOMPARE(graph.Lines(3).fValueS, std::string("Depth 4 m, long legend entry"));
        QCOMPARE(form->Legend()->item(3)->text(), QStringLiteral("Depth 4 m, long legend entry *"));
        QVERIFY(form->Legend()->width() > width);
    }

    void rubberBandAndRightClickZoom()
    {
        TGraphPlot graph;
        FillDepthGraph(graph, true);
        graph.ShowLayers = false;
        auto form = OpenForm(graph);
        // Elevation: 100 at the top, 60 at the bottom.
        QCOMPARE(form->LogicBounds().Top, 100.0);
        QCOMPARE(form->LogicBounds().Bottom, 60.0);
        SavePictures(*form, "elevation-full");

        TDeviceRect g = form->WindowPlotLayout().Graph;
        auto py = [&](double elevation) {
            return g.Top + static_cast<int>(std::lround((100.0 - elevation) / 40.0 * g.Height()));
        };
        QWidget* canvas = form->Canvas();
        int x1 = g.Left + 50, x2 = g.Left + 400;
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(x1, py(90.0)));
        QTest::mouseMove(canvas, QPoint(x2, py(80.0)));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(x2, py(80.0)));
        QVERIFY(std::fabs(form->LogicBounds().Top - 90.0) < 0.2);
        QVERIFY(std::fabs(form->LogicBounds().Bottom - 80.0) < 0.2);
        SavePictures(*form, "elevation-zoomed");

        // Right click: twice the height around the click, greater elevation on top.
        TLogicBounds before = form->LogicBounds();
        QTest::mousePress(canvas, Qt::RightButton, {},
                          QPoint((g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2));
        double height = form->LogicBounds().Top - form->LogicBounds().Bottom;
        QVERIFY(std::fabs(height - 2.0 * (before.Top - before.Bottom)) < 1e-9);
        QVERIFY(form->LogicBounds().Top > form->LogicBounds().Bottom);

        // A band with no height does nothing; the caption reads the mouse position.
        before = form->LogicBounds();
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(x1, py(90.0)));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(x2, py(90.0)));
        QCOMPARE(form->LogicBounds().Left, before.Left);
        QTest::mouseMove(canvas, QPoint(g.Left, g.Top - 5));
        QVERIFY(
            form->windowTitle().startsWith(QStringLiteral("Ultimate Total Capacity vs Depth X: ")));
    }

    void titleFontMarkersAndPictures()
    {
        TGraphPlot graph;
        FillSettlementGraph(graph);
        graph.Markers = 2;
        auto form = OpenForm(graph);
        TfrmGraphCaption caption(QStringLiteral("Shaft 1, 4 ft diameter"), true);
        caption.BottomButton()->setChecked(true);
        form->ApplyGraphCaption(caption.GraphCaption(), caption.CaptionOnTop());
        QCOMPARE(graph.UserCaption, std::string("Shaft 1, 4 ft diameter"));
        QVERIFY(!graph.UserCaptionOnTop);
        form->SetLineWidth(2);
        SavePictures(*form, "settlement-title-bottom");
        form->ApplyGraphCaption(QStringLiteral("Shaft 1, 4 ft diameter"), true);
        form->SetFontSize(15);
        SavePictures(*form, "settlement-font15");
        form->SetFontSize(30);
        SavePictures(*form, "settlement-font30");
        form->SetFontSize(15);

        // Saved pictures: size from inches and pixels per inch; BMP unless .png.
        QTemporaryDir dir;
        QVERIFY(form->SavePicture(dir.filePath("plot.bmp"), 6.0, 4.0, 72));
        QImage saved(dir.filePath("plot.bmp"), "BMP");
        QCOMPARE(saved.size(), QSize(432, 288));
        QString message;
        QVERIFY(!form->SavePicture(dir.filePath("huge.bmp"), 100.0, 100.0, 2400, &message));
        QCOMPARE(message, QStringLiteral("There is not enough memory to complete this task."));

        TdlgFormat format;
        QCOMPARE(format.HeightInches(), 4.0);
        QCOMPARE(format.WidthInches(), 6.0);
        QCOMPARE(format.PixelsPerInch(), 72);
        format.WidthBox()->setValue(1.0);
        QCOMPARE(format.WidthInches(), 2.0);
        format.PpiBox()->setValue(5);
        QCOMPARE(format.PixelsPerInch(), 10);

        // Printing to a PDF file (no printer needed).
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PlotFolder() + "/settlement-print.pdf");
        form->PrintOn(printer);
        QVERIFY(QFileInfo(PlotFolder() + "/settlement-print.pdf").size() > 1000);
        TGraphPlot depth;
        FillDepthGraph(depth, false);
        auto depthForm = OpenForm(depth);
        printer.setOutputFileName(PlotFolder() + "/depth-print.pdf");
        depthForm->PrintOn(printer);
    }

    void picturesKeepMarginsAndLegendInsideTheFrame()
    {
        TGraphPlot graph;
        FillSettlementGraph(graph);
        for (int c = 0; c < 3; ++c)
            graph.Lines(c).fValueS += " of a shaft 4 ft in diameter";
        auto form = OpenForm(graph);
        form->SetFontSize(15);
        const int ppi = 96;
        QImage picture = form->RenderPicture(6.0, 4.0, ppi);
        QVERIFY(picture.save(PlotFolder() + "/settlement-legend-saved.png"));
        // An eighth of an inch clear along every edge: captions do not touch them.
        const int m = ppi / 8;
        QVERIFY(White(picture, QRect(0, 0, picture.width(), m)));
        QVERIFY(White(picture, QRect(0, 0, m, picture.height())));
        QVERIFY(White(picture, QRect(picture.width() - m, 0, m, picture.height())));
        QVERIFY(White(picture, QRect(0, picture.height() - m, picture.width(), m)));
        // Nothing right of or below the frame but the end labels of the axes: the legend
        // stays inside it.
        TDeviceRect g = PictureGraphArea(*form, picture, ppi);
        QVERIFY(White(picture, QRect(g.Right + 2, g.Top, picture.width(), picture.height())));
        QVERIFY(White(picture, QRect(g.Left, g.Bottom + 2, picture.width(), picture.height())));

        // A legend dragged to the lower right of the window is in the lower right of the
        // picture, still inside the frame at 1.5 times the text size.
        TPlotLegend* legend = form->Legend();
        QPoint grab = legend->visualItemRect(legend->item(0)).center();
        QTest::mousePress(legend->viewport(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(legend->viewport(), grab + QPoint(3000, 3000));
        QTest::mouseRelease(legend->viewport(), Qt::LeftButton, {}, grab + QPoint(3000, 3000));
        QCOMPARE(legend->x() + legend->width(), form->Canvas()->width());
        // Where the user put it, it stays.
        const QPoint put = legend->pos();
        form->SetFontSize(10);
        form->SetFontSize(15);
        QCOMPARE(legend->pos(), put);
        picture = form->RenderPicture(6.0, 4.0, ppi);
        QVERIFY(picture.save(PlotFolder() + "/settlement-legend-moved-saved.png"));
        QVERIFY(White(picture, QRect(g.Right + 2, g.Top, picture.width(), picture.height())));
        QVERIFY(White(picture, QRect(g.Left, g.Bottom + 2, picture.width(), picture.height())));
    }

    void layerStripClosedAtTheGraphEdge()
    {
        // Layers reaching 42 ft below a graph that ends at 40 ft.
        TGraphPlot graph;
        FillDepthGraph(graph, false);
        auto form = OpenForm(graph);
        QImage picture = form->RenderPicture(10.0, 7.5, 96);
        QVERIFY(picture.save(PlotFolder() + "/depth-layers-saved.png"));
        TPlotLayoutInput in =
            LayoutInputFor(graph, form->TextHeight(), form->Canvas()->logicalDpiX(),
                           form->Canvas()->logicalDpiY());
        TPlotLayout layout =
            WindowLayoutIn(PictureDrawingRect(picture.width(), picture.height(), 96, 96), in);
        const TDeviceRect s = layout.Layers;
        QVERIFY(s.Width() > 0);
        // The last band is outlined along the strip's lower edge.
        int dark = 0;
        for (int x = s.Left; x <= s.Right; ++x)
            dark += qGray(picture.pixel(x, s.Bottom)) < 128;
        QVERIFY2(dark >= s.Width(), qPrintable(QString::number(dark)));
    }

    void smallWindowsAndEmptyGraphs()
    {
        TGraphPlot empty;
        empty.Caption = "Design Chart 1";
        auto form = OpenForm(empty, 300, 200);
        QVERIFY(!form->Legend()->isVisible());
        QVERIFY(!form->grab().isNull());
        TGraphPlot graph;
        FillDepthGraph(graph, false);
        auto tiny = OpenForm(graph, 60, 60);
        QVERIFY(!tiny->grab().isNull());
        QVERIFY(!tiny->RenderPicture(2.0, 2.0, 10).isNull());
    }

    void hatchTilesAndWindowLifetime()
    {
        for (int code = 1; code <= 12; ++code) {
            QCOMPARE(HatchTile(code, THatchResolution::Screen).width(), 16);
            QCOMPARE(HatchTile(code, THatchResolution::Print).width(), 64);
        }
        QVERIFY(HatchTile(0, THatchResolution::Screen).isNull());
        QVERIFY(HatchTile(13, THatchResolution::Screen).isNull());
        QCOMPARE(HatchBrush(0, THatchResolution::Screen, 96).style(), Qt::NoBrush);

        // The graph shows its window once and forgets it when it closes or is destroyed.
        auto graph = std::make_unique<TGraphPlot>();
        FillSettlementGraph(*graph);
        graph->Show(TPlotForm::Factory(nullptr));
        QVERIFY(graph->FormExists());
        auto* window = dynamic_cast<TPlotForm*>(graph->Form());
        QVERIFY(window);
        window->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!graph->FormExists());
        graph->Show(TPlotForm::Factory(nullptr));
        QVERIFY(graph->FormExists());
        graph.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

QTEST_MAIN(PlotFormTest)
#include "PlotFormTest.moc"
