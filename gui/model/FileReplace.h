#pragma once

#include <filesystem>
#include <string_view>

namespace korva::gui {

// Writes `contents` as the file `fileName` without ever leaving a damaged file behind: the
// bytes go to a temporary file in the same folder, are flushed to the disk, and the
// temporary file is then renamed over the target. On any failure the temporary file is
// removed, the previous file (if any) is left exactly as it was, and EInOutError is
// thrown with the system's error text. An existing read-only file is not replaced.
void WriteFileReplacing(const std::filesystem::path& fileName, std::string_view contents);

} // namespace korva::gui
