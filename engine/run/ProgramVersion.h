#pragma once
// Version text of the program, written as the first line of the names file and shown in the
// report banner.

namespace korva {

inline constexpr const char* kProgramVersionText = "2017.8.10";

} // namespace korva
