#include "gui/dialogs/PageMargins.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace korva::gui {

TdlgPageMargins::TdlgPageMargins(const std::array<int, 4>& marginsMils, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Page Setup"));
    auto* form = new QFormLayout(this);
    const char* labels[4] = {"&Left (1/1000 in)", "&Top (1/1000 in)", "&Right (1/1000 in)",
                             "&Bottom (1/1000 in)"};
    for (std::size_t k = 0; k < 4; ++k) {
        fBoxes[k] = new QSpinBox(this);
        fBoxes[k]->setRange(0, 5000);
        fBoxes[k]->setValue(marginsMils[k]);
        form->addRow(QString::fromLatin1(labels[k]), fBoxes[k]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::array<int, 4> TdlgPageMargins::MarginsMils() const
{
    std::array<int, 4> m{};
    for (std::size_t k = 0; k < 4; ++k)
        m[k] = fBoxes[k]->value();
    return m;
}

} // namespace korva::gui
