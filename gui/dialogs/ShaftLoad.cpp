#include "gui/dialogs/ShaftLoad.h"

#include "gui/controls/DataEdit.h"
#include "gui/dialogs/LoadingGroup.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>

namespace korva::gui {

TfrmShaftLoad::TfrmShaftLoad(const TChildWindowContext& context)
    : TDataWindow(context, "Specification of Design Load")
{
    auto* grid = new QGridLayout(this);
    fLPD = AddField(grid, 0, "Enter the &design load", "F2", "LPD");
    // Here the reduction factor can be entered whichever loading is chosen.
    fLoading = new TLoadingGroup(*this, grid, 1, false);
    ShowProjectValues();
}

void TfrmShaftLoad::LoadValues()
{
    fLPD->SetNumber(Project().LPD);
    fLoading->Load(Project());
}

void TfrmShaftLoad::StoreValues()
{
    Project().StoreDesignLoad(Number(fLPD, Project().LPD));
    fLoading->Store(Project());
}

} // namespace korva::gui
