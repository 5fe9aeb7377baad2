#include "gui/dialogs/VaryLength.h"

#include "gui/controls/DataEdit.h"
#include "gui/model/ProgramData.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace korva::gui {

TfrmVaryLength::TfrmVaryLength(const TChildWindowContext& context)
    : TDataWindow(context, "Multiple Shaft Lengths")
{
    auto* grid = new QGridLayout(this);
    fEvaluate = new QCheckBox("Evaluate Shaft Lengths (for Specified Diameter)", this);
    fEvaluate->setObjectName("IPENT");
    grid->addWidget(fEvaluate, 0, 0, 1, 3);
    fLengths = TLengthVariation::Add(*this, grid, 1, "- default: 70% maximum shaft length", 100);
    fDefaultNote = new QLabel("- default: 3 ft or 1 m", this);
    grid->addWidget(fDefaultNote, 6, 2);
    connect(fEvaluate, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    ShowProjectValues();
}

void TfrmVaryLength::LoadValues()
{
    const TProgramData& p = Project();
    fEvaluate->setChecked(p.IPENT == 1);
    fLengths.Maximum->SetNumber(p.PD);
    fLengths.Minimum->SetNumber(p.PDMIN);
    fLengths.Increment->SetNumber(p.PDINCR);
}

void TfrmVaryLength::StoreValues()
{
    TProgramData& p = Project();
    p.Store(p.IPENT, fEvaluate->isChecked() ? 1 : 0);
    p.StoreShaftLength(Number(fLengths.Maximum, p.PD));
    p.Store(p.PDMIN, Number(fLengths.Minimum, p.PDMIN));
    p.Store(p.PDINCR, Number(fLengths.Increment, p.PDINCR));
}

void TfrmVaryLength::UpdateEnabling()
{
    fLengths.SetEnabled(fEvaluate->isChecked());
    fDefaultNote->setEnabled(fEvaluate->isChecked());
}

} // namespace korva::gui
