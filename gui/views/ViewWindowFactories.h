#pragma once

#include "gui/main/ChildWindow.h"

#include <map>

namespace korva::gui {

// Factories of the elevation view and the 3-D view, by child window kind.
std::map<ChildWindowKind, ChildWindowFactory> ViewWindowFactories();

} // namespace korva::gui
