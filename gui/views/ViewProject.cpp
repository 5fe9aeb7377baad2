#include "gui/views/ViewProject.h"

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

namespace korva::gui {

TViewProject ViewProjectOf(const TProgramData& project)
{
    TViewProject p;
    p.Units = project.Units();
    p.METHOD = project.METHOD;
    p.KCYCL = project.KCYCL;
    p.DSTART = static_cast<double>(project.DSTART);
    p.PD = static_cast<double>(project.PD);
    p.TOPLENG = static_cast<double>(project.TOPLENG);
    p.BS = static_cast<double>(project.BS);
    p.RATIO = static_cast<double>(project.RATIO);
    p.BELANGL = static_cast<double>(project.BELANGL);
    p.WTD = static_cast<double>(project.WTD);
    p.UseElevation = project.UseElevation;
    p.ValElevation = static_cast<double>(project.ValElevation);
    const TGridTable& layers = project.D();
    for (int row = 0; row < layers.RowCount(); ++row)
        p.Layers.push_back({layers.GetIntValue(LayerColumn::Kind, row),
                            static_cast<double>(layers.GetFloatValue(LayerColumn::Depth, row))});
    return p;
}

} // namespace korva::gui
