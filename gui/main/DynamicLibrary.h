#pragma once
#include "gui/main/RunError.h"

#include <string>

namespace korva::gui {

// A shared library loaded on request and unloaded on Close or destruction.
class TDynamicLibrary
{
  public:
    TDynamicLibrary() = default;
    // Sets the file name and opens the library when createOpened is true.
    TDynamicLibrary(const std::string& fileName, bool createOpened);
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    const std::string& FileName() const { return fFileName; }
    // Setting another file name closes an open library first.
    void SetFileName(const std::string& fileName);
    bool IsOpen() const { return hLibModule != nullptr; }

    // Loads the library unless it is open. A missing file leaves the object closed without
    // an exception (a later FindProcedure then reports "Library is not open"); an existing
    // file that cannot be loaded raises ERunError (InitFailed, or DependencyMissing when one
    // of the libraries it needs is missing).
    void Open();
    void OpenFile(const std::string& fileName);
    void Close();

    // Address of the exported function name, or nullptr when the library has none.
    // Raises ERunError (NotOpen) when the library is closed.
    void* FindProcedure(const std::string& name) const;

    // Loader message of the last failed Open, for diagnostics.
    const std::string& LastLoadError() const { return fLastError; }

  private:
    std::string fFileName;
    void* hLibModule = nullptr;
    std::string fLastError;
};

} // namespace korva::gui
