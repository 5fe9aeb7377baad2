#pragma once

namespace korva::gui {

// Title of the application: the title of its message boxes.
inline constexpr const char* ApplicationTitle = "Korva 2017";

} // namespace korva::gui
