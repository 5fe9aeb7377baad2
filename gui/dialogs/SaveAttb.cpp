#include "gui/dialogs/SaveAttb.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace korva::gui {

namespace {
// Upper limits keep the picture to a size a desktop can hold; the lower ones are the
// smallest pictures that still show a graph.
constexpr double kMinimumInches = 2.0;
constexpr double kMaximumInches = 100.0;
constexpr int kMinimumPpi = 10;
constexpr int kMaximumPpi = 2400;
} // namespace

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Save Attributes"));
    auto* form = new QFormLayout(this);
    fHeight = new QDoubleSpinBox(this);
    fWidth = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* box : {fHeight, fWidth}) {
        box->setRange(kMinimumInches, kMaximumInches);
        box->setDecimals(2);
        box->setLocale(QLocale::system());
    }
    fHeight->setValue(4.0);
    fWidth->setValue(6.0);
    fPpi = new QSpinBox(this);
    fPpi->setRange(kMinimumPpi, kMaximumPpi);
    fPpi->setValue(72);
    form->addRow(QStringLiteral("&Height (in)"), fHeight);
    form->addRow(QStringLiteral("&Width (in)"), fWidth);
    form->addRow(QStringLiteral("&Pixels Per Inch"), fPpi);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

double TdlgFormat::HeightInches() const
{
    return fHeight->value();
}

double TdlgFormat::WidthInches() const
{
    return fWidth->value();
}

int TdlgFormat::PixelsPerInch() const
{
    return fPpi->value();
}

} // namespace korva::gui
