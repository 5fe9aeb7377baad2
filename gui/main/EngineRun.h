#pragma once
#include "gui/main/DynamicLibrary.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korva::gui {

// Messages of a run, as the user reads them.
namespace RunMessages {
inline constexpr const char* SaveFailed = "An error occured during saving";
inline constexpr const char* Reinitialize = "Attempt to reinitialize DLL";
inline constexpr const char* InitializeFailed = "Attempt to initialize DLL failed";
inline constexpr const char* Completed =
    "Computations are completed.\nPlease, check output file for results or error messages.";
inline constexpr const char* CompletedWithErrors =
    "Computations are completed, but there may be errors.\nPlease, check output file for "
    "results or error messages.";
inline constexpr const char* ErrorsHeading = "Computations are completed, but there may be errors.";
inline constexpr const char* NotCompletedHeading = "Computations could not be completed.";
inline constexpr const char* CheckOutput =
    "Please, check output file for results or error messages.";

// "An error occured during saving" followed by the system's reason on a line of its own.
std::string SaveFailedText(const std::string& reason);
// What the user reads after the engine returned: for status 0 the completion message; for any
// other status one message that names the engine's reason and its status number, and points
// to the output report only when this run wrote it.
std::string CompletionText(std::int32_t status, bool reportWritten);
} // namespace RunMessages

// Name of the engine library and of its entry point.
inline constexpr const char* EngineLibraryName = "libkorvacalc.so";
inline constexpr const char* EngineEntryPoint = "IKORVA";
// Request code that asks the engine for one complete analysis.
inline constexpr std::int32_t EngineRunRequest = 10;

// What a run needs of the main window.
class RunHost
{
  public:
    virtual ~RunHost() = default;
    // Saves the project as File > Save does (Save As for a project never saved or read from an
    // older layout). May throw; a cancelled Save As clears the saved flag.
    virtual void SaveProject() = 0;
    // False after a Save As dialog was cancelled.
    virtual bool FileSaved() const = 0;
    virtual void SetFileSaved(bool saved) = 0;
    // Full path of the project data file.
    virtual std::string ProjectFileName() const = 0;
    // Checks the soil profile against the shaft; shows its own warning and returns false
    // when the project cannot be analysed.
    virtual bool CheckData() = 0;
    virtual void ShowInformation(const std::string& message) = 0;
    // Hourglass cursor on (true) and off (false) around the engine call.
    virtual void SetBusy(bool busy) = 0;
    // Reads the results of the project (plot data) and enables the result commands
    // accordingly. reportErrors: a plot data file that cannot be read is reported to the user
    // (off when the run's message has already named what went wrong).
    virtual void ReadResults(bool reportErrors) = 0;
    virtual void CloseChildWindows() = 0;
    // Makes folder the process's current folder and the folder offered by the file dialogs.
    virtual void SetCurrentFolder(const std::string& folder) = 0;
};

// How a run ended.
enum class EngineRunEnd {
    NotStarted,          // not saved, Save As cancelled, or the profile check refused it
    LibraryLeftOver,     // a library of an earlier run was still loaded
    LibraryFailed,       // library not loadable or entry point missing
    Completed,           // engine returned 0
    CompletedWithErrors, // engine returned another status
};

// Runs one analysis of the current project through the engine library: saves the project,
// checks the profile, writes the names file, loads the library, calls the entry point under
// the hourglass, reports completion, reads the results, removes the scratch files and unloads
// the library. Everything runs on the calling thread.
class EngineRun
{
  public:
    explicit EngineRun(std::string libraryPath) : fLibraryPath(std::move(libraryPath)) {}

    EngineRunEnd Execute(RunHost& host);

    const std::string& LibraryPath() const { return fLibraryPath; }
    void SetLibraryPath(const std::string& path) { fLibraryPath = path; }
    // Status returned by the engine in the last completed run.
    std::int32_t LastStatus() const { return fLastStatus; }
    bool LibraryLoaded() const { return fLibrary != nullptr; }

  private:
    std::string fLibraryPath;
    std::unique_ptr<TDynamicLibrary> fLibrary; // the library of the run in progress
    std::int32_t fLastStatus = 0;
};

} // namespace korva::gui
