#include "gui/views/ViewWindowFactories.h"

#include "gui/views/Block.h"
#include "gui/views/SideView.h"

namespace korva::gui {

std::map<ChildWindowKind, ChildWindowFactory> ViewWindowFactories()
{
    return {
        {ChildWindowKind::Elevation,
         [](const TChildWindowContext& context) -> QWidget* { return new TDlgSideView(context); }},
        {ChildWindowKind::View3D,
         [](const TChildWindowContext& context) -> QWidget* { return new TDlgBlock(context); }},
    };
}

} // namespace korva::gui
