#include "gui/main/EngineLibraryPath.h"

#include "gui/main/EngineRun.h"

#include <filesystem>
#include <system_error>

#ifndef KORVA_ENGINE_INSTALL_RELATIVE_DIR
#define KORVA_ENGINE_INSTALL_RELATIVE_DIR "../lib/korva"
#endif

namespace korva::gui {

const char* InstalledEngineFolder()
{
    return KORVA_ENGINE_INSTALL_RELATIVE_DIR;
}

std::string EngineLibraryPath(const std::string& programFolder)
{
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(programFolder) / EngineLibraryName;
    const fs::path installed =
        (fs::path(programFolder) / InstalledEngineFolder() / EngineLibraryName).lexically_normal();
    std::error_code error;
    if (!fs::is_regular_file(beside, error) && fs::is_regular_file(installed, error))
        return installed.string();
    return beside.string();
}

} // namespace korva::gui
