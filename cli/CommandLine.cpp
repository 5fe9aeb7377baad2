#include "cli/CommandLine.h"

#include "engine/ProgramVersion.h"
#include "engine/RunAnalysis.h"
#include "engine/RunFiles.h"
#include "engine/RunStatus.h"

#include <filesystem>
#include <system_error>

namespace korva::cli {
namespace {

constexpr const char* HelpText =
    R"(Usage:
  korva run PROJECT.kv8d    analyse a project data file
  korva --help              show this text

korva run analyses the project exactly as the desktop program does, without a names file.
The run's files are named after the project file, in its folder:
  .kv8o  report              .kv8p  plot data
  .kv8r  run notes           .kv8z  t-z report
The scratch files (.kv8w, .kv8t, .kv8q, .kv8l and TZDIAM.DAT) are removed after the run;
CHART.DAT, TZDATA.DAT and ROCKMSG.DAT are work files written in the project's folder.

The run's status is printed in words with the path of the report.
Exit code: 0 when the status is 0, 1 for any other status, 2 for a command line not understood.
Status values:
  0  the analysis ran to its end
  2  a t-z curve depth lies beyond the soil profile (the run stopped early)
  4  the tip depth lies beyond the soil profile (the run stopped early)
  7  the design load is not reached within the soil profile
  13 the project data file is missing or cannot be read
  14 an output file cannot be created
  15 the project data file has a format error (line and value are named)
  16 a count in the project data file is out of range (layers 0..49, settlements 0..10)
  19 internal failure of the engine
)";

void removeScratchFiles(const RunFileNames& names)
{
    for (const auto& path : scratchFiles(names)) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

int runProject(const std::string& projectArgument, std::ostream& out, std::ostream& err)
{
    std::error_code error;
    std::filesystem::path project = std::filesystem::absolute(projectArgument, error);
    if (error)
        project = projectArgument;
    const RunFileNames names = runFileNamesForProject(project, ProgramVersionText);

    const RunOutcome outcome = runAnalysis(names);
    removeScratchFiles(names);

    out << "Project: " << names.projectData.string() << '\n';
    if (!outcome.title.empty())
        out << "Title:   " << outcome.title << '\n';
    out << "Status " << outcome.status << ": " << describeRunStatus(outcome.status) << '\n';
    if (!outcome.message.empty())
        err << "korva: " << outcome.message << '\n';
    if (std::filesystem::exists(names.report, error))
        out << "Report:  " << names.report.string() << '\n';
    return outcome.status == StatusNormal ? ExitSuccess : ExitRunStatus;
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << HelpText;
        return ExitSuccess;
    }
    if (args.size() == 2 && args[0] == "run")
        return runProject(args[1], out, err);
    err << "korva: command not understood\n" << HelpText;
    return ExitUsage;
}

} // namespace korva::cli
