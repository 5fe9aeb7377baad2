#pragma once
// One project analysed by the command line: the run's files named after the project and written
// beside it, the engine's fixed-name work files in a private folder of the run, and the texts
// the command line prints of it.
#include "engine/run/RunAnalysis.h"

#include <filesystem>
#include <string>

namespace korva::cli {

// What becomes of the fixed-name work files (CHART.DAT, TZDATA.DAT, ROCKMSG.DAT) of a run.
enum class WorkFiles {
    BesideProject, // moved into the project's folder after the run (a single run)
    Discarded,     // removed with the run's private folder (a batch, where several projects
                   // may share a folder and the files of one would replace those of another)
};

// A folder of the run's own under the system's temporary folder (TMPDIR, else /tmp), removed
// with everything in it when the object ends. Empty when none could be made; the work files
// then go to the project's folder as the engine names them. A batch keeps one for each of its
// threads and runs one project after the other in it, emptied between runs.
class PrivateWorkFolder
{
  public:
    PrivateWorkFolder();
    ~PrivateWorkFolder();
    PrivateWorkFolder(const PrivateWorkFolder&) = delete;
    PrivateWorkFolder& operator=(const PrivateWorkFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Removes the fixed-name work files of a run.
    void clear() const;

  private:
    std::filesystem::path path_;
};

struct ProjectRun
{
    std::string argument;          // the project as given on the command line
    std::filesystem::path project; // absolute, normalised
    std::filesystem::path report;  // the report's path (whether written or not)
    bool reportWritten = false;    // this run wrote the report
    RunOutcome outcome;
};

// The project's absolute, normalised path (the argument itself when it has none).
std::filesystem::path projectPath(const std::string& argument);

// Analyses the project. The work files live in a private folder while it runs (work, else one
// made for this run), so that runs of projects in one folder, in this process or in others,
// never share them; the scratch files are removed afterwards and the private folder is left
// empty. A project named like a file of its own run is refused with status 14 before anything
// is written.
ProjectRun runProject(const std::string& argument, WorkFiles workFiles,
                      const PrivateWorkFolder* work = nullptr);

// The run as one JSON document (without a line end): project, title, report, message, then the
// run summary's members and the load-settlement members.
std::string projectRunJson(const ProjectRun& run);

// The run for a person: project, title, status in words, report path and one line per case.
std::string projectRunText(const ProjectRun& run);

} // namespace korva::cli
