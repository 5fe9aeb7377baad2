#include "cli/ProjectRun.h"

#include "engine/output/JsonString.h"
#include "engine/output/LoadSettlementSummary.h"
#include "engine/output/RunSummary.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <cstdlib>
#include <optional>
#include <system_error>

namespace korva::cli {
namespace {

namespace fs = std::filesystem;

// The scratch files of the run, as the desktop program removes them after a run; never the
// project data file, even when its name is that of a scratch file (such a run is refused).
void removeScratchFiles(const RunFileNames& names)
{
    for (const auto& path : scratchFiles(names)) {
        std::error_code ignored;
        if (fs::equivalent(path, names.projectData, ignored))
            continue;
        fs::remove(path, ignored);
    }
}

// Moves a file, also to another file system (copied, then removed); a failure leaves the target
// as it was.
void moveFile(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (!fs::exists(from, error))
        return;
    fs::rename(from, to, error);
    if (!error)
        return;
    if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, error))
        fs::remove(from, error);
}

// When the report was last written, or nothing when there is none.
std::optional<fs::file_time_type> reportTime(const fs::path& report)
{
    std::error_code error;
    const auto time = fs::last_write_time(report, error);
    if (error)
        return std::nullopt;
    return time;
}

// A JSON object's text (ending in "}" and a line end) with members added before its end.
std::string withMembers(const std::string& object, const std::string& members)
{
    const std::size_t end = object.rfind('}');
    if (end == std::string::npos)
        return object;
    return object.substr(0, end) + members + object.substr(end);
}

SummaryUnits unitsOf(const RunOutcome& outcome)
{
    return SummaryUnits{outcome.si, outcome.lrfd, outcome.uplift};
}

} // namespace

PrivateWorkFolder::PrivateWorkFolder()
{
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error)
        return;
    std::string pattern = (temporary / "korva-run-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
}

PrivateWorkFolder::~PrivateWorkFolder()
{
    std::error_code ignored;
    if (!path_.empty())
        fs::remove_all(path_, ignored);
}

void PrivateWorkFolder::clear() const
{
    if (path_.empty())
        return; // the work files were the project folder's own
    std::error_code ignored;
    for (const char* name :
         {kChartWorkFileName, kTzDiamWorkFileName, kTzDataWorkFileName, kRockMessageWorkFileName})
        fs::remove(path_ / name, ignored);
}

fs::path projectPath(const std::string& argument)
{
    std::error_code error;
    const fs::path project = fs::absolute(argument, error);
    return error ? fs::path(argument) : project.lexically_normal();
}

ProjectRun runProject(const std::string& argument, WorkFiles workFiles,
                      const PrivateWorkFolder* work)
{
    ProjectRun run;
    run.argument = argument;
    run.project = projectPath(argument);
    // The run's files as they stand when it is over: all of them in the project's folder. A
    // project named like one of them is refused here, before its work files could replace it.
    // In a batch no work file reaches the project's folder: the name is enough there (the engine
    // checks the project against the result files itself), which spares the look-up of every
    // path of the run on the file system.
    const RunFileNames beside = runFileNamesForProject(run.project, kProgramVersionText);
    run.report = beside.report;
    try {
        if (workFiles == WorkFiles::BesideProject)
            checkDistinctRunFiles(beside);
        else
            for (const char* name : {kChartWorkFileName, kTzDiamWorkFileName, kTzDataWorkFileName,
                                     kRockMessageWorkFileName})
                if (run.project.filename() == name)
                    checkDistinctRunFiles(beside);
    } catch (const RunFailure& failure) {
        run.outcome.status = failure.status();
        run.outcome.message = failure.what();
        return run;
    }

    std::optional<PrivateWorkFolder> ownFolder;
    if (work == nullptr)
        work = &ownFolder.emplace();
    RunFileNames names = beside;
    if (!work->path().empty())
        names.workFolder = work->path();

    // A report left by an earlier run is not named as this run's report.
    const auto reportBefore = reportTime(names.report);
    run.outcome = runAnalysis(names);
    removeScratchFiles(names);
    if (workFiles == WorkFiles::BesideProject) {
        // A scratch file an earlier run left in the project's folder goes too.
        removeScratchFiles(beside);
        if (names.workFolder != beside.workFolder)
            for (const char* name :
                 {kChartWorkFileName, kTzDataWorkFileName, kRockMessageWorkFileName})
                moveFile(names.workFile(name), beside.workFile(name));
    }
    // The next run in this folder begins without the work files of this one.
    work->clear();
    const auto reportAfter = reportTime(names.report);
    run.reportWritten = reportAfter && reportAfter != reportBefore;
    return run;
}

std::string projectRunJson(const ProjectRun& run)
{
    const RunOutcome& outcome = run.outcome;
    // The run summary's document, with the project, report and message in front.
    const std::string document = runSummaryJson(outcome.summary, unitsOf(outcome), outcome.status);
    std::string json =
        "{\"project\": " + jsonString(run.project.string()) +
        ", \"title\": " + jsonString(outcome.title) +
        ", \"report\": " + (run.reportWritten ? jsonString(run.report.string()) : "null") +
        ", \"message\": " + (outcome.message.empty() ? "null" : jsonString(outcome.message)) +
        ", " + withMembers(document.substr(1), loadSettlementJsonMembers(outcome.summary));
    while (!json.empty() && json.back() == '\n')
        json.pop_back();
    return json;
}

std::string projectRunText(const ProjectRun& run)
{
    const RunOutcome& outcome = run.outcome;
    std::string text = "Project: " + run.project.string() + '\n';
    if (!outcome.title.empty())
        text += "Title:   " + outcome.title + '\n';
    text += "Status " + std::to_string(outcome.status) + ": " + describeRunStatus(outcome.status) +
            '\n';
    if (run.reportWritten)
        text += "Report:  " + run.report.string() + '\n';
    const std::string summary = runSummaryText(outcome.summary, unitsOf(outcome), outcome.status);
    // The summary's closing status line repeats the status shown above.
    const std::size_t statusLine = summary.rfind("status ");
    text += statusLine == std::string::npos ? summary : summary.substr(0, statusLine);
    return text;
}

} // namespace korva::cli
