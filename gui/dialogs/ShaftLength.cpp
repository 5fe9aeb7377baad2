#include "gui/dialogs/ShaftLength.h"

#include "gui/controls/DataEdit.h"
#include "gui/dialogs/LoadingGroup.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>

namespace korva::gui {

TfrmShaftLength::TfrmShaftLength(const TChildWindowContext& context)
    : TDataWindow(context, "Drilled Shaft Length")
{
    auto* grid = new QGridLayout(this);
    fPD = AddField(grid, 0, "Enter the proposed &length", "L2", "PD");
    fLoading = new TLoadingGroup(*this, grid, 1, true);
    ShowProjectValues();
}

void TfrmShaftLength::LoadValues()
{
    fPD->SetNumber(Project().PD);
    fLoading->Load(Project());
}

void TfrmShaftLength::StoreValues()
{
    Project().StoreShaftLength(Number(fPD, Project().PD));
    fLoading->Store(Project());
}

void TfrmShaftLength::UpdateEnabling()
{
    fLoading->UpdateEnabling();
}

} // namespace korva::gui
