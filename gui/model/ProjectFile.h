#pragma once

#include <filesystem>
#include <string>

namespace korva::gui {

class TProgramData;

// The project data file (".kv8d"): free-format text records, one per line, CR LF line ends,
// UTF-8 text, numbers with "." whatever the locale.

// Brings the project into the form it is saved in (METHOD from PD, the unused one of PD and
// LPD zeroed, no multiple lengths or design charts with a given design load, DIALIM :=
// DSTART for multiple lengths, at most 10 settlements; ID2 := 0 when a rock or
// intermediate-geomaterial layer is written) and returns the file's bytes. Throws
// EInOutError when a value is not a finite number.
std::string ComposeProjectFile(TProgramData& project);

// Save: composes the file and replaces project.FileName with it (the previous file stays
// intact on any failure; EInOutError is thrown). Marks the project unchanged only when
// the file has been written completely.
void SaveProjectFile(TProgramData& project);

// Readers of the current layout and of the two older layouts (previous: IsNewVer true; old:
// IsNewVer false) into an empty project. They never throw a format error: reading stops at
// the first error and its message is returned (empty when the whole file was read). What was
// read stays; every table is then padded to its minimum rows and the project is marked
// unchanged.
std::string ReadVersion8(TProgramData& project, const std::filesystem::path& fileName);
std::string ReadPrevVersions(TProgramData& project, const std::filesystem::path& fileName,
                             bool IsNewVer);

// Reader of a file of any layout, recognised from the value count of the control record (the
// record after the unit system): 11 or 10 values the current layout, 6 the previous, 5 or 4
// the old one. Another count is a format error at line and item, nothing further is read.
// A file of an older layout gets the default design-chart settlements. Otherwise as above.
std::string ReadProjectFile(TProgramData& project, const std::filesystem::path& fileName);

} // namespace korva::gui
