#include "gui/dialogs/FactorOfSafety.h"

#include "gui/controls/DataEdit.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>

namespace korva::gui {

TfrmFactorOfSafety::TfrmFactorOfSafety(const TChildWindowContext& context)
    : TDataWindow(context, "Factor of Safety (F.S.)")
{
    auto* grid = new QGridLayout(this);
    fFST = AddField(grid, 0, "The F.S. applied to the ultimate &side friction", "", "FST");
    fFSB = AddField(grid, 1, "The F.S. applied to the ultimate &base capacity", "", "FSB");
    ShowProjectValues();
}

void TfrmFactorOfSafety::LoadValues()
{
    fFST->SetNumber(Project().FST);
    fFSB->SetNumber(Project().FSB);
}

void TfrmFactorOfSafety::StoreValues()
{
    TProgramData& p = Project();
    p.Store(p.FST, Number(fFST, p.FST));
    p.Store(p.FSB, Number(fFSB, p.FSB));
}

} // namespace korva::gui
