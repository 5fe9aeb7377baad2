#include "gui/views/PileDiagrams.h"

#include "gui/views/Block.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace korva::gui {

TDlgPileDiagrams::TDlgPileDiagrams(TDlgBlock& view, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), fView(view),
      fShowPlots(new QCheckBox("Show Plots", this)), fSkin(new QCheckBox("Skin Friction", this)),
      fTip(new QCheckBox("Tip Resistance", this)), fTotal(new QCheckBox("Total Capacity", this)),
      fUltimate(new QRadioButton("Ultimate Effects", this)),
      fFactored(new QRadioButton("ASD/LRFD Effects", this)),
      fMaximum(new QCheckBox("Show Maximum Values", this)),
      fSizeLabel(new QLabel("Size Factor", this)), fSizeFactor(new QLineEdit(this)),
      fUp(new QToolButton(this)), fDown(new QToolButton(this)), fNote(new QLabel(this)),
      fClose(new QPushButton("Close", this))
{
    setObjectName("DlgPileDiagrams");
    setWindowTitle("Combined Plots");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    fShowPlots->setObjectName("ShowPlots");
    fSizeFactor->setObjectName("SizeFactor");
    fUp->setArrowType(Qt::UpArrow);
    fDown->setArrowType(Qt::DownArrow);
    fUp->setObjectName("SizeUp");
    fDown->setObjectName("SizeDown");
    fNote->setStyleSheet("color: #b00000");
    // Enter in the size-factor field takes the factor; it does not close the window.
    fClose->setAutoDefault(false);
    fClose->setDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fShowPlots);
    auto* curves = new QGroupBox("Curves", this);
    auto* curvesLayout = new QVBoxLayout(curves);
    curvesLayout->addWidget(fSkin);
    curvesLayout->addWidget(fTip);
    curvesLayout->addWidget(fTotal);
    layout->addWidget(curves);
    auto* select = new QGroupBox("Select Plots", this);
    auto* selectLayout = new QVBoxLayout(select);
    selectLayout->addWidget(fUltimate);
    selectLayout->addWidget(fFactored);
    layout->addWidget(select);
    layout->addWidget(fMaximum);
    auto* size = new QHBoxLayout;
    size->addWidget(fSizeLabel);
    size->addWidget(fSizeFactor);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(fUp);
    arrows->addWidget(fDown);
    size->addLayout(arrows);
    layout->addLayout(size);
    layout->addWidget(fNote);
    fNote->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fClose);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QCheckBox* box : {fShowPlots, fSkin, fTip, fTotal, fMaximum})
        connect(box, &QCheckBox::toggled, this, [this] { Store(); });
    for (QRadioButton* button : {fUltimate, fFactored})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Store();
        });
    connect(fSizeFactor, &QLineEdit::textEdited, this, [this] { Store(); });
    connect(fUp, &QToolButton::clicked, this, [this] { StepFactor(true); });
    connect(fDown, &QToolButton::clicked, this, [this] { StepFactor(false); });
    connect(fClose, &QPushButton::clicked, this, &QDialog::close);
}

void TDlgPileDiagrams::ShowOptions(const TDiagramOptions& options)
{
    fOptions = options;
    fLoading = true;
    fShowPlots->setChecked(options.Show);
    fSkin->setChecked(options.SkinFriction);
    fTip->setChecked(options.TipResistance);
    fTotal->setChecked(options.TotalCapacity);
    (options.ResultSet == 1 ? fFactored : fUltimate)->setChecked(true);
    fMaximum->setChecked(options.MaximumValues);
    fSizeFactor->setText(QString::fromStdString(SizeFactorText(options.SizeFactor)));
    fNote->hide();
    fLoading = false;
    EnableControls();
    show();
    raise();
}

void TDlgPileDiagrams::PlaceOver(const QRect& mainFrame)
{
    adjustSize();
    const TWindowPlace place =
        DiagramOptionsPlace(mainFrame.left(), mainFrame.top(), mainFrame.width(),
                            mainFrame.height(), frameGeometry().width(), frameGeometry().height());
    move(place.Left, place.Top);
}

void TDlgPileDiagrams::EnableControls()
{
    const bool on = fShowPlots->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{fSkin, fTip, fTotal, fUltimate, fFactored, fMaximum,
                                         fSizeLabel, fSizeFactor, fUp, fDown})
        w->setEnabled(on);
}

void TDlgPileDiagrams::Store()
{
    if (fLoading)
        return;
    EnableControls();
    fOptions.Show = fShowPlots->isChecked();
    fOptions.SkinFriction = fSkin->isChecked();
    fOptions.TipResistance = fTip->isChecked();
    fOptions.TotalCapacity = fTotal->isChecked();
    fOptions.ResultSet = fFactored->isChecked() ? 1 : 0;
    fOptions.MaximumValues = fMaximum->isChecked();
    const QString text = fSizeFactor->text().trimmed();
    if (!text.isEmpty()) {
        // A factor that is not a positive number is refused; the previous one stays.
        if (const auto factor = ParseSizeFactor(text.toStdString())) {
            fOptions.SizeFactor = *factor;
            fNote->hide();
        } else {
            fNote->setText("The size factor must be a positive number.");
            fNote->show();
        }
    }
    fView.SetDiagramOptions(fOptions);
}

void TDlgPileDiagrams::StepFactor(bool up)
{
    fOptions.SizeFactor = StepSizeFactor(fOptions.SizeFactor, up);
    fLoading = true;
    fSizeFactor->setText(QString::fromStdString(SizeFactorText(fOptions.SizeFactor)));
    fNote->hide();
    fLoading = false;
    fView.SetDiagramOptions(fOptions);
}

} // namespace korva::gui
