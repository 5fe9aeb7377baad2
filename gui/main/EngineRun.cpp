#include "gui/main/EngineRun.h"

#include "gui/main/EngineRunFiles.h"
#include "gui/main/ProjectFileNames.h"

#include "engine/run/RunStatus.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace korva::gui {

namespace RunMessages {

std::string SaveFailedText(const std::string& reason)
{
    return reason.empty() ? std::string(SaveFailed) : std::string(SaveFailed) + "\n" + reason;
}

std::string CompletionText(std::int32_t status, bool reportWritten)
{
    if (status == 0)
        return Completed;
    std::string reason = describeRunStatus(status);
    if (!reason.empty())
        reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    // The analysis ran to its end but stopped short of a result (t-z or tip depth beyond the
    // profile, design load not reached); any other status means it could not run through.
    const bool ranThrough = status == StatusTzBeyondProfile || status == StatusQwBeyondProfile ||
                            status == StatusDesignLoadNotReached;
    std::string text = std::string(ranThrough ? ErrorsHeading : NotCompletedHeading) + "\n" +
                       reason + " (status " + std::to_string(status) + ").";
    if (reportWritten)
        text += std::string("\n") + CheckOutput;
    return text;
}

} // namespace RunMessages

namespace {

using EntryPoint = std::int32_t (*)(std::int32_t);

// Restores the cursor even when the engine call throws.
class BusyCursor
{
  public:
    explicit BusyCursor(RunHost& host) : fHost(host) { fHost.SetBusy(true); }
    ~BusyCursor() { fHost.SetBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    RunHost& fHost;
};

// Makes the project folder current again and remembers it, however the run ends.
class ProjectFolderOnExit
{
  public:
    ProjectFolderOnExit(RunHost& host, std::string folder) : fHost(host), fFolder(std::move(folder))
    {
    }
    ~ProjectFolderOnExit()
    {
        try {
            fHost.SetCurrentFolder(fFolder);
        } catch (...) {
            // the folder of a project just saved there; nothing more to do when it vanished
        }
    }
    ProjectFolderOnExit(const ProjectFolderOnExit&) = delete;
    ProjectFolderOnExit& operator=(const ProjectFolderOnExit&) = delete;

  private:
    RunHost& fHost;
    std::string fFolder;
};

// True when the file exists and was written at or after `since` (the moment the engine was
// called): a report left by an earlier run is no report of this one.
bool WrittenSince(const std::string& path, std::filesystem::file_time_type since)
{
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    return !error && written >= since;
}

class UnloadAfterRun
{
  public:
    UnloadAfterRun(std::unique_ptr<TDynamicLibrary>& library, std::string folder)
        : fLibrary(library), fFolder(std::move(folder))
    {
    }
    ~UnloadAfterRun()
    {
        fLibrary.reset();
        RemoveNamesFile(fFolder);
    }
    UnloadAfterRun(const UnloadAfterRun&) = delete;
    UnloadAfterRun& operator=(const UnloadAfterRun&) = delete;

  private:
    std::unique_ptr<TDynamicLibrary>& fLibrary;
    std::string fFolder;
};

} // namespace

EngineRunEnd EngineRun::Execute(RunHost& host)
{
    host.SetFileSaved(true);
    try {
        host.SaveProject();
    } catch (const std::exception& error) {
        // The file on disk no longer holds the project on screen: analysing it would report
        // results of other data, so the run ends here, with the system's reason.
        host.ShowInformation(RunMessages::SaveFailedText(error.what()));
        return EngineRunEnd::NotStarted;
    }
    if (!host.FileSaved() || HasDefaultProjectName(host.ProjectFileName()) || !host.CheckData())
        return EngineRunEnd::NotStarted;

    // The names file is written with absolute paths, so the engine finds the files whatever
    // folder it runs in; the engine's fixed-name work files go to the current folder.
    const std::string projectFile =
        std::filesystem::absolute(host.ProjectFileName()).lexically_normal().string();
    const std::string folder = FolderPart(projectFile);
    ProjectFolderOnExit restoreFolder(host, folder);
    host.SetCurrentFolder(folder);
    WriteNamesFile(folder, projectFile);

    if (fLibrary) {
        host.ShowInformation(RunMessages::Reinitialize);
        return EngineRunEnd::LibraryLeftOver;
    }

    EntryPoint entry = nullptr;
    try {
        fLibrary = std::make_unique<TDynamicLibrary>(fLibraryPath, false);
        fLibrary->Open();
        entry = reinterpret_cast<EntryPoint>(fLibrary->FindProcedure(EngineEntryPoint));
    } catch (const ERunError&) {
        entry = nullptr;
    }
    if (entry == nullptr) {
        fLibrary.reset();
        RemoveNamesFile(folder);
        host.ShowInformation(RunMessages::InitializeFailed);
        return EngineRunEnd::LibraryFailed;
    }

    std::int32_t status = 0;
    {
        // Unloads the engine and removes the names file when this block ends, also when the
        // engine call or the reading of its results throws.
        UnloadAfterRun unload(fLibrary, folder);
        // File times are compared a second early: some file systems keep whole seconds.
        const auto called = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(1);
        {
            BusyCursor hourglass(host);
            status = entry(EngineRunRequest);
        }
        fLastStatus = status;
        const bool reportWritten = WrittenSince(ChangeFileExtension(projectFile, ".kv8o"), called);
        host.ShowInformation(RunMessages::CompletionText(status, reportWritten));
        // After a failed run its message has said why; a plot data file it left unfinished is
        // read as far as it goes without a second message.
        host.ReadResults(status == 0);
        RemoveRunScratchFiles(projectFile);
    }
    host.CloseChildWindows();
    return status == 0 ? EngineRunEnd::Completed : EngineRunEnd::CompletedWithErrors;
}

} // namespace korva::gui
