#include "gui/main/DynamicLibrary.h"

#include <dlfcn.h>
#include <filesystem>

namespace korva::gui {

TDynamicLibrary::TDynamicLibrary(const std::string& fileName, bool createOpened)
    : fFileName(fileName)
{
    if (createOpened)
        Open();
}

TDynamicLibrary::~TDynamicLibrary()
{
    Close();
}

void TDynamicLibrary::SetFileName(const std::string& fileName)
{
    Close();
    fFileName = fileName;
}

void TDynamicLibrary::Open()
{
    if (IsOpen())
        return;
    fLastError.clear();
    std::error_code ignored;
    if (fFileName.empty() || !std::filesystem::is_regular_file(fFileName, ignored)) {
        fLastError = "no such file: " + fFileName;
        return; // the object stays closed, as for any loader failure other than the two below
    }
    // RTLD_LOCAL keeps the engine's symbols out of the program; RTLD_NOW reports unresolved
    // symbols here rather than in the middle of a run.
    hLibModule = dlopen(fFileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (hLibModule != nullptr)
        return;
    const char* reason = dlerror();
    fLastError = reason != nullptr ? reason : "unknown loader error";
    // The file itself exists, so "cannot open shared object file" names a dependency.
    if (fLastError.find("cannot open shared object file") != std::string::npos &&
        fLastError.rfind(fFileName, 0) != 0)
        throw ERunError(ERunError::DependencyMissing);
    throw ERunError(ERunError::InitFailed);
}

void TDynamicLibrary::OpenFile(const std::string& fileName)
{
    SetFileName(fileName);
    Open();
}

void TDynamicLibrary::Close()
{
    if (!IsOpen())
        return;
    dlclose(hLibModule);
    hLibModule = nullptr;
}

void* TDynamicLibrary::FindProcedure(const std::string& name) const
{
    if (!IsOpen())
        throw ERunError(ERunError::NotOpen);
    return dlsym(hLibModule, name.c_str());
}

} // namespace korva::gui
