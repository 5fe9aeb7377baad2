#include "gui/dialogs/TzDepthsGroup.h"

#include "gui/controls/TableForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace korva::gui {

TTzDepthsGroup::TTzDepthsGroup(TGridTable& depths, QWidget* parent)
    : QGroupBox("Printing Additional t-z Curves", parent), fDepths(depths)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("t-z Curves for Verification", this), 0, 0, 1, 2);
    fPrint = new QCheckBox("&Print Internally-Generated", this);
    fPrint->setObjectName("PrintTZCurves");
    fEditDepths = new QPushButton("Edit Depths", this);
    fEditDepths->setObjectName("EditDepths");
    fEditDepths->setAutoDefault(false);
    grid->addWidget(fPrint, 1, 0);
    grid->addWidget(fEditDepths, 1, 1);
    connect(fPrint, &QCheckBox::toggled, fEditDepths, &QPushButton::setEnabled);
    connect(fEditDepths, &QPushButton::clicked, this,
            [this] { TTableForm::ShowModal(fDepths, window()); });
}

void TTzDepthsGroup::Load(int printTZCurves)
{
    fPrint->setChecked(printTZCurves == 1);
    fEditDepths->setEnabled(fPrint->isChecked());
}

int TTzDepthsGroup::PrintTZCurves() const
{
    return fPrint->isChecked() ? 1 : 0;
}

} // namespace korva::gui
