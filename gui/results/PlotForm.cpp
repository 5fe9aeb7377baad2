#include "gui/results/PlotForm.h"
#include "gui/model/NumberText.h"

#include "gui/dialogs/Caption.h"
#include "gui/dialogs/ChangeActiveLines.h"
#include "gui/dialogs/ChangeLineNames.h"
#include "gui/dialogs/PageMargins.h"
#include "gui/dialogs/SaveAttb.h"
#include "gui/results/GraphPlot.h"
#include "gui/results/GraphText.h"
#include "gui/results/PlotLegend.h"
#include "gui/results/PlotPainter.h"
#include "gui/results/PrintTarget.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRubberBand>

#include <algorithm>
#include <cmath>

namespace korva::gui {

namespace {

// Curves listed when a window opens on a graph with many of them.
constexpr int kInitiallyActiveCurves = 20;
constexpr int kPointsPerInch = 72;

struct RadioItem
{
    const char* caption;
    int value;
};

constexpr RadioItem kMarkerItems[] = {{"&Never", 0},
                                      {"Every &Increment", 1},
                                      {"Every &2 Increments", 2},
                                      {"Every &3 Incrments", 3},
                                      {"Every &5 Increments", 5},
                                      {"Every &10 Incements", 10}};
constexpr RadioItem kFontItems[] = {{"&Default", 10},    {"1.5 * Default", 15},
                                    {"2 * Default", 20}, {"2.5 * Default", 25},
                                    {"3 * Default", 30}, {"4 * Default", 40}};
constexpr RadioItem kWidthItems[] = {{"&Default", 1},
                                     {"2 * Default", 2},
                                     {"4 * Default", 4},
                                     {"6 * Default", 6},
                                     {"10 * Default", 10}};

template <std::size_t N>
QMenu* RadioMenu(QMenu* parent, const QString& title, const RadioItem (&items)[N],
                 const std::function<void(int)>& choose)
{
    QMenu* menu = parent->addMenu(title);
    auto* group = new QActionGroup(menu);
    for (const RadioItem& item : items) {
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setCheckable(true);
        action->setData(item.value);
        group->addAction(action);
        const int value = item.value;
        QObject::connect(action, &QAction::triggered, menu, [choose, value] { choose(value); });
    }
    return menu;
}

void CheckRadio(QMenu* menu, int value)
{
    if (!menu)
        return;
    for (QAction* action : menu->actions())
        action->setChecked(action->data().toInt() == value);
}

} // namespace

TPlotCanvas::TPlotCanvas(TPlotForm* form) : QWidget(form), fForm(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 40);
}

void TPlotCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    fForm->PaintCanvas(painter);
}

void TPlotCanvas::resizeEvent(QResizeEvent*)
{
    fForm->CanvasResized();
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event)
{
    fForm->CanvasMousePress(event->position().toPoint(), event->button());
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event)
{
    fForm->CanvasMouseMove(event->position().toPoint());
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    fForm->CanvasMouseRelease(event->position().toPoint(), event->button());
}

TPlotForm::TPlotForm(TGraphPlot& graph, QWidget* parent) : QMainWindow(parent), fData(&graph)
{
    Inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    setWindowTitle(ToQString(graph.Caption));
    fCanvas = new TPlotCanvas(this);
    QPalette palette = fCanvas->palette();
    palette.setColor(QPalette::Window, Qt::white);
    fCanvas->setPalette(palette);
    setCentralWidget(fCanvas);
    fLegend = new TPlotLegend(fCanvas);
    fRubberBand = new QRubberBand(QRubberBand::Rectangle, fCanvas);
    connect(fLegend, &TPlotLegend::EntryDoubleClicked, this,
            [this](int row) { ToggleLegendEntry(row); });
    connect(fLegend, &TPlotLegend::Moved, this, [this] { fLegendMoved = true; });

    // Opening: full extent, active curves, legend entries and menu items.
    fLogicBounds = FullExtent(graph);
    fMaxLogicBounds = fLogicBounds;
    for (int i = 0; i < graph.LineCount(); ++i)
        graph.Lines(i).fActive = !(graph.fLimitActive && i >= kInitiallyActiveCurves);
    BuildMenu();
    fLegend->SetFontSize(graph.SizeFont, graph.LegendFont);
    RebuildLegend();
    fLegend->setVisible(graph.LineCount() > 0 && graph.ShowLegend);
    resize(InitialSize());
}

TPlotForm::~TPlotForm()
{
    if (fData)
        fData->FormClosed(this);
}

TPlotForm* TPlotForm::Create(TGraphPlot& graph, QMdiArea* area)
{
    auto* form = new TPlotForm(graph);
    if (area) {
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        form->fSubWindow = sub;
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
    }
    return form;
}

TGraphWindowFactory TPlotForm::Factory(QMdiArea* area, std::function<QString()> documentFolder)
{
    QPointer<QMdiArea> guarded(area);
    return [guarded, documentFolder](TGraphPlot& graph) -> TGraphWindow* {
        TPlotForm* form = TPlotForm::Create(graph, guarded.data());
        form->DocumentFolder = documentFolder;
        return form;
    };
}

QString TPlotForm::StartFolder() const
{
    const QString folder = DocumentFolder ? DocumentFolder() : QString();
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

void TPlotForm::ShowRestored()
{
    QWidget* window = fSubWindow ? static_cast<QWidget*>(fSubWindow.data()) : this;
    if (!window->isVisible() || window->isMinimized())
        window->showMaximized();
    if (fSubWindow && fSubWindow->mdiArea())
        fSubWindow->mdiArea()->setActiveSubWindow(fSubWindow);
    window->raise();
    window->activateWindow();
}

void TPlotForm::Release()
{
    // The graph lets go of its window: from here on nothing refers to it.
    fData = nullptr;
    QWidget* window = fSubWindow ? static_cast<QWidget*>(fSubWindow.data()) : this;
    window->hide();
    window->deleteLater();
}

void TPlotForm::ResultsChanged(TResultsFreshness freshness)
{
    if (fData == nullptr)
        return;
    QString caption = ToQString(fData->Caption);
    if (freshness == TResultsFreshness::Live)
        caption += QStringLiteral(" (live, not saved)");
    else if (freshness == TResultsFreshness::Stale)
        caption += QStringLiteral(" (stale)");
    setWindowTitle(caption);
    // The curves may reach farther or less far than before: a zoom of the old curves does not
    // fit the new ones, so the window shows the new full extent.
    fMaxLogicBounds = FullExtent(*fData);
    fLogicBounds = fMaxLogicBounds;
    RebuildLegend();
    fLegend->setVisible(fData->LineCount() > 0 && fData->ShowLegend);
    UpdateMenuChecks();
    PlaceLegend();
    fCanvas->update();
}

void TPlotForm::SetLogicBounds(const TLogicBounds& bounds)
{
    // The legend keeps its place while the user zooms: a box that jumped between corners
    // with every zoom would have to be looked for again each time.
    fLogicBounds = bounds;
    fCanvas->update();
}

int TPlotForm::BaseTextHeight() const
{
    return QFontInfo(fCanvas->font()).pixelSize();
}

int TPlotForm::PictureBaseTextHeight(int ppi) const
{
    const int screenPpi = std::max(1, fCanvas->logicalDpiY());
    return std::max(1, static_cast<int>(std::lround(double(BaseTextHeight()) * ppi / screenPpi)));
}

int TPlotForm::TextHeight() const
{
    return fData ? GraphTextHeight(BaseTextHeight(), fData->SizeFont) : BaseTextHeight();
}

TPlotLayout TPlotForm::WindowPlotLayout() const
{
    if (!fData)
        return {};
    return WindowLayout(
        fCanvas->width(), fCanvas->height(),
        LayoutInputFor(*fData, TextHeight(), fCanvas->logicalDpiX(), fCanvas->logicalDpiY()));
}

std::vector<TTickLabel> TPlotForm::TickLabelsShown() const
{
    if (!fData)
        return {};
    TDrawArea area;
    area.Rect = {0, 0, fCanvas->width(), fCanvas->height()};
    area.GraphArea = WindowPlotLayout().Graph;
    area.PpiX = fCanvas->logicalDpiX();
    area.PpiY = fCanvas->logicalDpiY();
    const int h = TextHeight();
    return TickLabels(*fData, fLogicBounds, area, h,
                      LabelledTickSpacing(fLogicBounds, area.GraphArea, h));
}

TLegendAnchor TPlotForm::LegendAnchor() const
{
    TLegendAnchor anchor;
    if (!fLegendMoved)
        return anchor;
    // Where the user put the box, within the room the graph area leaves around it.
    const TDeviceRect g = WindowPlotLayout().Graph;
    const int insetX = LegendInset(fCanvas->logicalDpiX());
    const int insetY = LegendInset(fCanvas->logicalDpiY());
    const int roomX = g.Width() - 2 * insetX - fLegend->width();
    const int roomY = g.Height() - 2 * insetY - fLegend->height();
    anchor.Automatic = false;
    anchor.FractionX = roomX > 0 ? double(fLegend->x() - g.Left - insetX) / roomX : 0.0;
    anchor.FractionY = roomY > 0 ? double(fLegend->y() - g.Top - insetY) / roomY : 0.0;
    return anchor;
}

void TPlotForm::PaintCanvas(QPainter& painter)
{
    if (!fData) {
        painter.fillRect(fCanvas->rect(), Qt::white);
        return;
    }
    TPlotLayout layout = WindowPlotLayout();
    const TDrawArea area =
        MakeDrawArea(painter, {0, 0, fCanvas->width(), fCanvas->height()}, layout,
                     fCanvas->logicalDpiX(), fCanvas->logicalDpiY(), BaseTextHeight());
    PaintPlot(*fData, fLogicBounds, area, LegendAnchor());
}

void TPlotForm::PlaceLegend()
{
    if (!fData || fLegendMoved || fCanvas->width() <= 0 || fCanvas->height() <= 0)
        return;
    const TDeviceRect g = WindowPlotLayout().Graph;
    const TDeviceRect box = PlaceLegendBox(
        g, fLegend->width(), fLegend->height(), LegendInset(fCanvas->logicalDpiX()),
        LegendInset(fCanvas->logicalDpiY()), CurveDevicePoints(*fData, fLogicBounds, g));
    fLegend->move(box.Left, box.Top);
    fLegend->KeepInsideParent();
}

void TPlotForm::CanvasResized()
{
    PlaceLegend();
    fLegend->KeepInsideParent();
}

void TPlotForm::BuildMenu()
{
    fPlotMenu = menuBar()->addMenu(QStringLiteral("&Plot"));
    fShowLegend = fPlotMenu->addAction(QStringLiteral("Show &Legend"));
    fShowLegend->setCheckable(true);
    connect(fShowLegend, &QAction::triggered, this, [this] { ShowLegendClick(); });
    fShowSoilLayer = fPlotMenu->addAction(QStringLiteral("Show &Soil Layer"));
    fShowSoilLayer->setCheckable(true);
    connect(fShowSoilLayer, &QAction::triggered, this, [this] { ShowSoilLayerClick(); });
    fMarkersMenu = RadioMenu(fPlotMenu, QStringLiteral("Show &Markers"), kMarkerItems,
                             [this](int v) { SetMarkers(v); });
    connect(fMarkersMenu, &QMenu::aboutToShow, this,
            [this] { CheckRadio(fMarkersMenu, fData ? fData->Markers : 0); });
    fFontMenu = RadioMenu(fPlotMenu, QStringLiteral("&Font Size"), kFontItems,
                          [this](int v) { SetFontSize(v); });
    fWidthMenu = RadioMenu(fPlotMenu, QStringLiteral("&Line Width"), kWidthItems,
                           [this](int v) { SetLineWidth(v); });
    connect(fPlotMenu->addAction(QStringLiteral("&Graph Title")), &QAction::triggered, this,
            [this] { GraphTitleClick(); });
    connect(fPlotMenu->addAction(QStringLiteral("&Edit Legend")), &QAction::triggered, this,
            [this] { EditLegendClick(); });
    connect(fPlotMenu->addAction(QStringLiteral("&Active Curves")), &QAction::triggered, this,
            [this] { ActiveCurvesClick(); });
    // Printing is always possible: without a printer the page goes to a PDF file.
    connect(fPlotMenu->addAction(QStringLiteral("&Print...")), &QAction::triggered, this,
            [this] { PrintClick(); });
    connect(fPlotMenu->addAction(QStringLiteral("P&age Setup")), &QAction::triggered, this,
            [this] { PageSetupClick(); });
    connect(fPlotMenu->addAction(QStringLiteral("&Save To Disk...")), &QAction::triggered, this,
            [this] { SaveToDiskClick(); });
    fCurveSeparator = fPlotMenu->addSeparator();
    connect(fPlotMenu, &QMenu::aboutToShow, this, [this] { UpdateMenuChecks(); });
    UpdateMenuChecks();
}

void TPlotForm::UpdateMenuChecks()
{
    if (!fData)
        return;
    fShowLegend->setChecked(fData->ShowLegend);
    fShowSoilLayer->setChecked(fData->ShowLayers);
    fShowSoilLayer->setVisible(fData->LayerLineCount() > 0);
    fFontMenu->menuAction()->setVisible(fData->ShowFontWidth);
    fWidthMenu->menuAction()->setVisible(fData->ShowFontWidth);
    CheckRadio(fMarkersMenu, fData->Markers);
    CheckRadio(fFontMenu, fData->SizeFont);
    CheckRadio(fWidthMenu, fData->WidthLine);
    for (std::size_t k = 0; k < fCurveItems.size() && k < fLegendCurves.size(); ++k)
        fCurveItems[k]->setChecked(fData->Lines(fLegendCurves[k]).fVisible);
}

void TPlotForm::RebuildLegend()
{
    if (!fData)
        return;
    fLegendCurves.clear();
    QStringList names;
    std::vector<bool> visible;
    for (int i = 0; i < fData->LineCount(); ++i) {
        const TLine& line = fData->Lines(i);
        if (!line.fActive)
            continue;
        fLegendCurves.push_back(i);
        names << ToQString(line.GetLineName());
        visible.push_back(line.fVisible);
    }
    fLegend->SetEntries(names, visible);
    fLegend->FitToEntries();
    fLegend->KeepInsideParent();

    // One checkable menu item per legend entry (reused, added or deleted at the end).
    while (fCurveItems.size() > fLegendCurves.size()) {
        delete fCurveItems.back();
        fCurveItems.pop_back();
    }
    while (fCurveItems.size() < fLegendCurves.size()) {
        QAction* action = fPlotMenu->addAction(QString());
        action->setCheckable(true);
        const int k = static_cast<int>(fCurveItems.size());
        connect(action, &QAction::triggered, this, [this, k] { ToggleLegendEntry(k); });
        fCurveItems.push_back(action);
    }
    for (std::size_t k = 0; k < fCurveItems.size(); ++k) {
        fCurveItems[k]->setText(names[static_cast<int>(k)]);
        fCurveItems[k]->setData(fLegendCurves[k]);
        fCurveItems[k]->setChecked(visible[k]);
    }
}

void TPlotForm::ToggleLegendEntry(int k)
{
    if (!fData || k < 0 || k >= static_cast<int>(fLegendCurves.size()))
        return;
    TLine& line = fData->Lines(fLegendCurves[static_cast<std::size_t>(k)]);
    line.fVisible = !line.fVisible;
    RebuildLegend();
    fCanvas->update();
}

void TPlotForm::ShowLegendClick()
{
    if (!fData)
        return;
    fData->ShowLegend = !fData->ShowLegend;
    fLegend->setVisible(fData->LineCount() > 0 && fData->ShowLegend);
    UpdateMenuChecks();
    fCanvas->update();
}

void TPlotForm::ShowSoilLayerClick()
{
    if (!fData)
        return;
    fData->ShowLayers = !fData->ShowLayers;
    UpdateMenuChecks();
    PlaceLegend();
    fLegend->KeepInsideParent();
    fCanvas->update();
}

void TPlotForm::SetMarkers(int spacing)
{
    if (!fData)
        return;
    fData->Markers = std::max(0, spacing);
    fCanvas->update();
}

void TPlotForm::SetFontSize(int sizeFont)
{
    if (!fData)
        return;
    fData->SizeFont = std::max(1, sizeFont);
    fLegend->SetFontSize(fData->SizeFont, fData->LegendFont);
    RebuildLegend();
    PlaceLegend();
    fCanvas->update();
}

void TPlotForm::SetLineWidth(int widthLine)
{
    if (!fData)
        return;
    fData->WidthLine = std::max(1, widthLine);
    fCanvas->update();
}

void TPlotForm::ApplyGraphCaption(const QString& caption, bool onTop)
{
    if (!fData)
        return;
    fData->UserCaption = caption.toStdString();
    fData->UserCaptionOnTop = onTop;
    PlaceLegend();
    fLegend->KeepInsideParent();
    fCanvas->update();
}

void TPlotForm::GraphTitleClick()
{
    if (!fData)
        return;
    TfrmGraphCaption dialog(ToQString(fData->UserCaption), fData->UserCaptionOnTop, this);
    dialog.exec();
    // The title is stored however the dialog is closed.
    ApplyGraphCaption(dialog.GraphCaption(), dialog.CaptionOnTop());
}

void TPlotForm::ApplyLineNames(const QStringList& names)
{
    if (!fData)
        return;
    for (int i = 0; i < fData->LineCount() && i < names.size(); ++i)
        if (!names[i].isEmpty())
            fData->Lines(i).fValueS = names[i].toStdString();
    int width = fLegend->width();
    RebuildLegend();
    // The legend grows as needed, never shrinks here.
    fLegend->resize(std::max(width, fLegend->width()), fLegend->height());
    PlaceLegend();
    fLegend->KeepInsideParent();
    fCanvas->update();
}

void TPlotForm::EditLegendClick()
{
    if (!fData)
        return;
    QStringList names;
    for (int i = 0; i < fData->LineCount(); ++i)
        names << ToQString(fData->Lines(i).GetLineName());
    TfrmLineNames dialog(names, this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyLineNames(dialog.Names());
}

void TPlotForm::ApplyActiveCurves(const std::vector<bool>& active)
{
    if (!fData)
        return;
    for (int i = 0; i < fData->LineCount() && i < static_cast<int>(active.size()); ++i)
        fData->Lines(i).fActive = active[static_cast<std::size_t>(i)];
    RebuildLegend();
    PlaceLegend();
    fCanvas->update();
}

void TPlotForm::ActiveCurvesClick()
{
    if (!fData)
        return;
    QStringList names;
    std::vector<bool> active;
    for (int i = 0; i < fData->LineCount(); ++i) {
        names << ToQString(fData->Lines(i).GetLineName());
        active.push_back(fData->Lines(i).fActive);
    }
    TfrmActiveLines dialog(names, active, this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyActiveCurves(dialog.Active());
}

QImage TPlotForm::RenderPicture(double widthInches, double heightInches, int ppi) const
{
    if (!fData || ppi <= 0 || !(widthInches > 0) || !(heightInches > 0))
        return {};
    double w = std::round(ppi * widthInches);
    double h = std::round(ppi * heightInches);
    // QImage refuses sizes whose byte count exceeds its limits; refuse them first.
    if (w < 1 || h < 1 || w > 32767 || h > 32767)
        return {};
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int dotsPerMeter = static_cast<int>(std::lround(ppi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    // Laid out at the picture's own pixels per inch, its text scaled from the window's by the
    // same ratio: the picture looks like the window, only sharper. (Laid out at the window's
    // pixels per inch, a 300-ppi picture would carry text a third of the size.)
    const int base = PictureBaseTextHeight(ppi);
    // An eighth of an inch of the picture's own pixels stays clear around the drawing.
    const TDeviceRect drawing = PictureDrawingRect(image.width(), image.height(), ppi, ppi);
    TPlotLayout layout = WindowLayoutIn(
        drawing, LayoutInputFor(*fData, GraphTextHeight(base, fData->SizeFont), ppi, ppi));
    QPainter painter(&image);
    TDrawArea area = MakeDrawArea(painter, drawing, layout, ppi, ppi, base);
    area.PrintLegend = true;
    area.MessedUp = true;
    PaintPlot(*fData, fLogicBounds, area, LegendAnchor());
    return image;
}

bool TPlotForm::SavePicture(const QString& path, double widthInches, double heightInches, int ppi,
                            QString* message) const
{
    QImage image = RenderPicture(widthInches, heightInches, ppi);
    if (image.isNull()) {
        if (message)
            *message = QStringLiteral("There is not enough memory to complete this task.");
        return false;
    }
    const char* format = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    if (!image.save(path, format)) {
        if (message)
            *message = QStringLiteral("The picture could not be written to ") + path;
        return false;
    }
    return true;
}

void TPlotForm::SaveToDiskClick()
{
    if (!fData)
        return;
    QFileDialog chooser(this, QStringLiteral("Save To Disk"), StartFolder());
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilters(
        {QStringLiteral("PNG picture (*.png)"), QStringLiteral("Bitmap (*.bmp)")});
    chooser.setDefaultSuffix(QStringLiteral("png"));
    // A name typed without extension takes the one of the chosen filter.
    connect(&chooser, &QFileDialog::filterSelected, &chooser, [&chooser](const QString& filter) {
        chooser.setDefaultSuffix(filter.contains(QStringLiteral("*.bmp")) ? QStringLiteral("bmp")
                                                                          : QStringLiteral("png"));
    });
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString path = chooser.selectedFiles().front();
    TdlgFormat format(this);
    if (format.exec() != QDialog::Accepted)
        return;
    QString message;
    if (!SavePicture(path, format.WidthInches(), format.HeightInches(), format.PixelsPerInch(),
                     &message) &&
        Inform)
        Inform(message);
}

void TPlotForm::PrintOn(QPrinter& printer) const
{
    if (!fData)
        return;
    printer.setDocName(ToQString(fData->Caption));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int ppi = printer.resolution();
    const QPageLayout page = printer.pageLayout();
    const QRect paint = page.paintRectPixels(ppi);
    const QRect full = page.fullRectPixels(ppi);
    TDeviceRect drawing =
        PrintDrawingRect(fMarginsMils.data(), ppi, ppi, paint.width(), paint.height(),
                         paint.left() - full.left(), paint.top() - full.top());
    // The surface's font: the window's font size in points at the printer's resolution.
    const int base =
        static_cast<int>(std::lround(fCanvas->font().pointSizeF() * ppi / kPointsPerInch));
    PaintPlotOnPage(*fData, fLogicBounds, painter, drawing, ppi, base, LegendAnchor());
    painter.end();
}

void TPlotForm::PrintClick()
{
    if (!fData)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (!ChoosePrintTarget(printer, this, StartFolder()))
        return;
    PrintOn(printer);
    fCanvas->update();
}

void TPlotForm::PageSetupClick()
{
    TdlgPageMargins dialog(fMarginsMils, this);
    if (dialog.exec() == QDialog::Accepted)
        fMarginsMils = dialog.MarginsMils();
}

QPoint TPlotForm::ClampToGraph(QPoint pos) const
{
    TDeviceRect g = WindowPlotLayout().Graph;
    return QPoint(std::clamp(pos.x(), g.Left, std::max(g.Left, g.Right)),
                  std::clamp(pos.y(), g.Top, std::max(g.Top, g.Bottom)));
}

void TPlotForm::CanvasMousePress(QPoint pos, Qt::MouseButton button)
{
    if (!fData)
        return;
    TDeviceRect g = WindowPlotLayout().Graph;
    if (!g.Contains(pos.x(), pos.y()))
        return;
    if (button == Qt::LeftButton) {
        fZooming = true;
        fZoomOrigin = pos;
        fMovePoint = pos;
        fRubberBand->setGeometry(QRect(pos, QSize()));
        fRubberBand->show();
    } else if (button == Qt::RightButton) {
        double x = DeviceToDataX(pos.x(), fLogicBounds, g);
        double y = DeviceToDataY(pos.y(), fLogicBounds, g, fData->XOnTop);
        SetLogicBounds(ZoomOut(x, y, fLogicBounds, fMaxLogicBounds, fData->Yreversed));
    }
}

void TPlotForm::CanvasMouseMove(QPoint pos)
{
    if (!fData)
        return;
    TDeviceRect g = WindowPlotLayout().Graph;
    QPoint clamped = ClampToGraph(pos);
    double x = DeviceToDataX(clamped.x(), fLogicBounds, g);
    double y = DeviceToDataY(clamped.y(), fLogicBounds, g, fData->XOnTop);
    setWindowTitle(ToQString(fData->Caption) + QStringLiteral(" X: ") +
                   ToQString(GeneralNumberText(x, 5)) + QStringLiteral(" Y: ") +
                   ToQString(GeneralNumberText(y, 5)));
    if (fZooming) {
        fMovePoint = clamped;
        fRubberBand->setGeometry(QRect(fZoomOrigin, fMovePoint).normalized());
    }
}

void TPlotForm::CanvasMouseRelease(QPoint pos, Qt::MouseButton button)
{
    if (!fData || button != Qt::LeftButton || !fZooming)
        return;
    fZooming = false;
    fRubberBand->hide();
    if (pos.x() == fZoomOrigin.x() || pos.y() == fZoomOrigin.y())
        return;
    TDeviceRect g = WindowPlotLayout().Graph;
    QPoint end = ClampToGraph(pos);
    double x1 = DeviceToDataX(fZoomOrigin.x(), fLogicBounds, g);
    double y1 = DeviceToDataY(fZoomOrigin.y(), fLogicBounds, g, fData->XOnTop);
    double x2 = DeviceToDataX(end.x(), fLogicBounds, g);
    double y2 = DeviceToDataY(end.y(), fLogicBounds, g, fData->XOnTop);
    SetLogicBounds(ZoomIn(x1, y1, x2, y2, fMaxLogicBounds, fData->Yreversed));
}

} // namespace korva::gui
