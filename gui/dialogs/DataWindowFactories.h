#pragma once
#include "gui/main/ChildWindow.h"

#include <map>

namespace korva::gui {

// The factories of the data-entry windows of this folder, by the kind of child window each
// makes. The main window registers them when it is created.
std::map<ChildWindowKind, ChildWindowFactory> DataWindowFactories();

} // namespace korva::gui
