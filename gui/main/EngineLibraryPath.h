#pragma once
// Where the desktop program finds the engine library.
#include <string>

namespace korva::gui {

// The engine library for a program in programFolder, the first that exists of:
//   1. programFolder/libkorvacalc.so (a build folder, or a folder the program was copied to
//      together with its library);
//   2. programFolder/<installed library folder>/libkorvacalc.so, the folder given relative to
//      the program's folder (../lib/korva for an installed /usr/bin/korvawin).
// When neither exists, the first: the run then reports the library as missing.
std::string EngineLibraryPath(const std::string& programFolder);

// The installed library folder relative to the installed program's folder.
const char* InstalledEngineFolder();

} // namespace korva::gui
