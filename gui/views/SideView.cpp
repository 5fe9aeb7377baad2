#include "gui/views/SideView.h"

#include "gui/model/ProgramData.h"
#include "gui/results/PrintTarget.h"
#include "gui/views/ElevationPainter.h"
#include "gui/views/ViewProject.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <cmath>

namespace korva::gui {

namespace {

constexpr const char* Caption = "Elevation View";

} // namespace

TDlgSideView::TDlgSideView(const TChildWindowContext& context, QWidget* parent)
    : QWidget(parent), fContext(context), fPrint(new QPushButton("Print", this)),
      fClose(new QPushButton("Close", this)), fOmitHatches(new QCheckBox("Omit Hatches", this))
{
    setObjectName("DlgSideView");
    setWindowTitle(Caption);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    resize(640, 560);
    fPrint->setObjectName("Print");
    fClose->setObjectName("Close");
    fOmitHatches->setObjectName("OmitHatches");
    fOmitHatches->setToolTip("Click to omit hatches from printing");
    fOmitHatches->setAutoFillBackground(true);
    connect(fPrint, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(fClose, &QPushButton::clicked, this, [this] {
        if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
            window->close();
        else
            close();
    });
    connect(fOmitHatches, &QCheckBox::toggled, this, [this] { update(); });
    ProjectChanged();
}

bool TDlgSideView::OmitHatches() const
{
    return fOmitHatches->isChecked();
}

void TDlgSideView::ProjectChanged()
{
    const TViewProject project = ViewProjectOf(fContext.Project);
    if (fBuilt && project == fView.Project())
        return;
    fView.Rebuild(project);
    fBuilt = true;
    LayOut();
    update();
}

void TDlgSideView::LayOut()
{
    fView.Layout(width(), height());
    // The buttons stay at the right edge.
    const int buttonWidth = std::max(fPrint->sizeHint().width(), fOmitHatches->sizeHint().width());
    const int left = width() - 2 * buttonWidth;
    const int h = fPrint->sizeHint().height();
    fPrint->setGeometry(left, 8, buttonWidth, h);
    fClose->setGeometry(left, 12 + h, buttonWidth, h);
    fOmitHatches->setGeometry(left, 16 + 2 * h, buttonWidth, fOmitHatches->sizeHint().height());
}

void TDlgSideView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void TDlgSideView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintElevation(painter, fView, width(), height(), OmitHatches(), font());
}

QImage TDlgSideView::Picture() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintElevation(painter, fView, width(), height(), OmitHatches(), font());
    return image;
}

void TDlgSideView::mouseMoveEvent(QMouseEvent* event)
{
    if (!fView.NoDrawing() && height() > 0)
        setWindowTitle(QString::fromStdString(fView.DepthReadout(event->position().toPoint().y())));
    QWidget::mouseMoveEvent(event);
}

void TDlgSideView::PrintOn(QPrinter& printer) const
{
    printer.setDocName("Soil-Pile Profile");
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font = this->font();
    // The window's label font, sized for the page: about 1/55 of its height.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(page.height() / 55.0))));
    PaintElevationPage(painter, fView, page.width(), page.height(), OmitHatches(), font);
    painter.end();
}

void TDlgSideView::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // The PDF file is offered in the project's folder, as the plot windows do.
    const QString folder =
        QFileInfo(QString::fromStdString(fContext.Project.FileName)).absolutePath();
    if (!ChoosePrintTarget(printer, this, folder))
        return;
    PrintOn(printer);
}

} // namespace korva::gui
