#include "cli/CommandLine.h"

#include "cli/ValidationRun.h"

#include "engine/JsonString.h"
#include "engine/LoadSettlementSummary.h"
#include "engine/ProgramVersion.h"
#include "engine/RunAnalysis.h"
#include "engine/RunFiles.h"
#include "engine/RunStatus.h"
#include "engine/RunSummary.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace korva::cli {
namespace {

constexpr const char* HelpText =
    R"(Usage:
  korva run PROJECT.kv8d          analyse a project data file
  korva run --json PROJECT.kv8d   the same, with the results as one JSON document
  korva validate [LEDGER]         rerun the validation ledger of published worked examples
  korva --help                    show this text

korva run analyses the project exactly as the desktop program does, without a names file.
The run's files are named after the project file, in its folder:
  .kv8o  report              .kv8p  plot data
  .kv8r  run notes           .kv8z  t-z report
The scratch files (.kv8w, .kv8t, .kv8q, .kv8l and TZDIAM.DAT) are removed after the run;
CHART.DAT, TZDATA.DAT and ROCKMSG.DAT are work files written in the project's folder.

After the run, korva run prints the status in words, the path of the report and one line per
analysed case: stem diameter, final shaft length, ultimate side resistance QS, ultimate base
resistance QB (the shaft weight WT in uplift), total ultimate resistance QU, and the allowable
load QDN (ASD) or the factored capacity LRFD QU (LRFD), in the project's units (ft and tons,
or m and kN). A case whose design load was not reached shows its last computed length.

With --json nothing but one JSON document is written to standard output (messages go to
standard error):
  {"project": "...", "title": "...", "report": "...", "message": "...",
   "status": 0, "units": "English" | "SI", "design": "ASD" | "LRFD",
   "loading": "compression" | "uplift",
   "cases": [{"case": 1, "diameter": 3, "baseDiameter": 3, "finalLengthReached": true,
              "length": 30, "QS": ..., "QB": ..., "QU": ..., "allowable" | "factored": ...}],
   "loadSettlement": [{"case": 1, "trend": [[top load, top movement, tip load,
              tip movement], ... 15 points], "upperBound": [...], "lowerBound": [...]}],
   "designChart": {"settlements": [...], "diameters": [...], "lengths": [...],
              "loads": [per settlement [per diameter [per length ...]]]}}
A case whose tip stands in rock has the "trend" curve only (the socket curve); a case without
a load-settlement curve has none. "designChart" is present in design-chart runs only; its
loads are head loads at the settlements (tons or kN).
In uplift "QB" holds the effective weight WT of the shaft. "report" is null when no report
was written, "message" is null unless the run failed on its input or files; "length" and the
capacities are missing for a case without capacity rows.

korva validate runs every case of the validation ledger (the installed share/korva/validation,
else the ledger of the source tree, or the folder LEDGER) in a temporary folder and prints one
row per checked value: case, quantity, published value, Korva's value, difference in per cent
and pass, FAIL or known difference. It exits with 1 when any value fails or a case file cannot
be used; known differences are reported and do not fail.

Exit code: 0 when the status is 0, 1 for any other status, 2 for a command line not understood.
Status values:
  0  the analysis ran to its end
  2  a t-z curve depth lies beyond the soil profile (the run stopped early)
  4  the tip depth lies beyond the soil profile (the run stopped early)
  7  the design load is not reached within the soil profile
  8  the soil profile reaches deeper than 503 ft (153.3 m) and the run was refused
  13 the project data file is missing or cannot be read
  14 an output file cannot be created, or one file is named for two files of the run
  15 the project data file has a format error (line and value are named)
  16 a count in the project data file is out of range (layers 0..49, settlements 0..10)
  19 internal failure of the engine
)";

// The scratch files of the run, as the desktop program removes them after a run; never the
// project data file, even when its name is that of a scratch file (such a run is refused).
void removeScratchFiles(const RunFileNames& names)
{
    for (const auto& path : scratchFiles(names)) {
        std::error_code ignored;
        if (std::filesystem::equivalent(path, names.projectData, ignored))
            continue;
        std::filesystem::remove(path, ignored);
    }
}

// When the report was last written, or nothing when there is none.
std::optional<std::filesystem::file_time_type> reportTime(const std::filesystem::path& report)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(report, error);
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

int runProject(const std::string& projectArgument, bool json, std::ostream& out, std::ostream& err)
{
    std::error_code error;
    std::filesystem::path project = std::filesystem::absolute(projectArgument, error);
    project = error ? std::filesystem::path(projectArgument) : project.lexically_normal();
    const RunFileNames names = runFileNamesForProject(project, ProgramVersionText);

    // A report left by an earlier run is not named as this run's report.
    const auto reportBefore = reportTime(names.report);
    const RunOutcome outcome = runAnalysis(names);
    removeScratchFiles(names);
    const auto reportAfter = reportTime(names.report);
    const bool reportWritten = reportAfter && reportAfter != reportBefore;
    const SummaryUnits units{outcome.si, outcome.lrfd, outcome.uplift};
    if (!outcome.message.empty())
        err << "korva: " << outcome.message << '\n';

    if (json) {
        // The run summary's document, with the project, report and message in front.
        const std::string document = runSummaryJson(outcome.summary, units, outcome.status);
        out << "{\"project\": " << jsonString(names.projectData.string())
            << ", \"title\": " << jsonString(outcome.title)
            << ", \"report\": " << (reportWritten ? jsonString(names.report.string()) : "null")
            << ", \"message\": " << (outcome.message.empty() ? "null" : jsonString(outcome.message))
            << ", " << withMembers(document.substr(1), loadSettlementJsonMembers(outcome.summary));
    } else {
        out << "Project: " << names.projectData.string() << '\n';
        if (!outcome.title.empty())
            out << "Title:   " << outcome.title << '\n';
        out << "Status " << outcome.status << ": " << describeRunStatus(outcome.status) << '\n';
        if (reportWritten)
            out << "Report:  " << names.report.string() << '\n';
        const std::string text = runSummaryText(outcome.summary, units, outcome.status);
        // The summary's closing status line repeats the status shown above.
        const std::size_t statusLine = text.rfind("status ");
        out << (statusLine == std::string::npos ? text : text.substr(0, statusLine));
    }
    return outcome.status == StatusNormal ? ExitSuccess : ExitRunStatus;
}

// Folder of the running program, from which an installed program finds its shared data.
std::optional<std::filesystem::path> executableFolder()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty())
        return std::nullopt;
    return executable.parent_path();
}

} // namespace

int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << HelpText;
        return ExitSuccess;
    }
    if (args.size() == 2 && args[0] == "run" && args[1] != "--json")
        return runProject(args[1], false, out, err);
    if (args.size() == 3 && args[0] == "run" && (args[1] == "--json") != (args[2] == "--json"))
        return runProject(args[1] == "--json" ? args[2] : args[1], true, out, err);
    if (args.size() <= 2 && !args.empty() && args[0] == "validate") {
        std::optional<std::filesystem::path> ledger;
        if (args.size() == 2)
            ledger = std::filesystem::path(args[1]);
        return runValidation(ledger, executableFolder(), out, err);
    }
    err << "korva: command not understood\n" << HelpText;
    return ExitUsage;
}

} // namespace korva::cli
