#include "gui/dialogs/DataWindowFactories.h"

namespace korva::gui {

std::map<ChildWindowKind, ChildWindowFactory> DataWindowFactories()
{
    return {};
}

} // namespace korva::gui
