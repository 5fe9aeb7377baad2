#include "gui/main/AnalysisRun.h"

#include "gui/main/ProjectFileNames.h"
#include "gui/main/RunFiles.h"

#include <filesystem>

namespace korva::gui {

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

RunOutcome AnalysisRun::Execute(RunHost& host)
{
    host.SetFileSaved(true);
    try {
        host.SaveProject();
    } catch (const std::exception&) {
        // The file on disk no longer holds the project on screen: analysing it would report
        // results of other data, so the run ends here.
        host.ShowInformation(RunMessages::SaveFailed);
        return RunOutcome::NotStarted;
    }
    if (!host.FileSaved() || HasDefaultProjectName(host.ProjectFileName()) || !host.CheckData())
        return RunOutcome::NotStarted;

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
        return RunOutcome::LibraryLeftOver;
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
        return RunOutcome::LibraryFailed;
    }

    std::int32_t status = 0;
    {
        // Unloads the engine and removes the names file when this block ends, also when the
        // engine call or the reading of its results throws.
        UnloadAfterRun unload(fLibrary, folder);
        {
            BusyCursor hourglass(host);
            status = entry(EngineRunRequest);
        }
        fLastStatus = status;
        host.ShowInformation(status == 0 ? RunMessages::Completed
                                         : RunMessages::CompletedWithErrors);
        host.ReadResults();
        RemoveRunScratchFiles(projectFile);
    }
    host.CloseChildWindows();
    return status == 0 ? RunOutcome::Completed : RunOutcome::CompletedWithErrors;
}

} // namespace korva::gui
