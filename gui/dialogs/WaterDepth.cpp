#include "gui/dialogs/WaterDepth.h"

#include "gui/controls/DataEdit.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>

namespace korva::gui {

TfrmWaterDepth::TfrmWaterDepth(const TChildWindowContext& context)
    : TDataWindow(context, "Water Table")
{
    auto* grid = new QGridLayout(this);
    fWTD = AddField(grid, 0, "&Depth of water table", "L2", "WTD");
    ShowProjectValues();
}

void TfrmWaterDepth::LoadValues()
{
    fWTD->SetNumber(Project().WTD);
}

void TfrmWaterDepth::StoreValues()
{
    Project().Store(Project().WTD, Number(fWTD, Project().WTD));
}

} // namespace korva::gui
