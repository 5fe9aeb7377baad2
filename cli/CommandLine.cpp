#include "cli/CommandLine.h"

#include "cli/BatchRun.h"
#include "cli/ProjectRun.h"
#include "cli/ValidationRun.h"

#include "engine/run/RunStatus.h"

#include <signal.h>

#include <atomic>
#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>

namespace korva::cli {
namespace {

constexpr const char* HelpText =
    R"(Usage:
  korva run PROJECT.kv8d          analyse a project data file
  korva run --json PROJECT.kv8d   the same, with the results as one JSON document
  korva run [--json] [-j N] PROJECT.kv8d PROJECT.kv8d ...
                                  analyse several projects, N at a time (a batch)
  korva validate [LEDGER]         rerun the validation ledger of published worked examples
  korva --help                    show this text

korva run analyses the project exactly as the desktop program does, without a names file.
The run's files are named after the project file, in its folder:
  .kv8o  report              .kv8p  plot data
  .kv8r  run notes           .kv8z  t-z report
The scratch files (.kv8w, .kv8t, .kv8q, .kv8l and TZDIAM.DAT) are removed after the run.
The work files CHART.DAT, TZDATA.DAT and ROCKMSG.DAT are written in a private folder of the
run (under $TMPDIR, else /tmp) and then moved into the project's folder, so that runs of
projects in one folder, at the same time, never share them.

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

Batch runs: with several projects, or with -j N (--jobs N), korva run analyses every project
given, N at a time (default: the number of processors), each on a thread of its own with its
own work files; each project's result files are written beside it, as for a single run, and
the work files CHART.DAT, TZDATA.DAT and ROCKMSG.DAT are removed (run a project alone to keep
them). At the end it prints one table: project, status, case, stem diameter, final length,
QU and the allowable or factored capacity, one row per case, then the runs that did not end
with status 0 with their messages. With --json it prints one JSON array instead, one
document as above per project in the order given. A project whose result files are those of
a project before it (the same file given twice) is not run and shows status 14. Ctrl-C
stops the batch: the runs in progress end, no further run starts, and the projects that
were not run are listed (status null in the JSON array); a second Ctrl-C ends at once.

korva validate runs every case of the validation ledger (the installed share/korva/validation,
else the ledger of the source tree, or the folder LEDGER) in a temporary folder and prints one
row per checked value: case, quantity, published value, Korva's value, difference in per cent
and pass, FAIL or known difference. It exits with 1 when any value fails or a case file cannot
be used; known differences are reported and do not fail.

Exit code: 0 when the status is 0 (in a batch: every status), 1 for any other status, 2 for a
command line not understood, 130 when a batch was stopped before its end.
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

int runSingleProject(const std::string& argument, bool json, std::ostream& out, std::ostream& err)
{
    const ProjectRun run = runProject(argument, WorkFiles::BesideProject);
    if (!run.outcome.message.empty())
        err << "korva: " << run.outcome.message << '\n';
    out << (json ? projectRunJson(run) + "\n" : projectRunText(run));
    return run.outcome.status == StatusNormal ? ExitSuccess : ExitRunStatus;
}

// Set by SIGINT and SIGTERM while a batch runs: the runs in progress end, no other starts.
std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void requestStop(int)
{
    stopRequested.store(true);
}

// Ctrl-C (and SIGTERM) stop the batch after the runs in progress while it runs; a second one
// ends the process at once (the handler is reset by its first call).
class StopOnInterrupt
{
  public:
    StopOnInterrupt()
    {
        stopRequested.store(false);
        struct sigaction action = {};
        action.sa_handler = requestStop;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        // A signal the process was started to ignore (a background job of a shell without
        // job control ignores SIGINT) stays ignored.
        sigaction(SIGINT, nullptr, &previousInterrupt_);
        sigaction(SIGTERM, nullptr, &previousTerminate_);
        if (previousInterrupt_.sa_handler != SIG_IGN)
            sigaction(SIGINT, &action, nullptr);
        if (previousTerminate_.sa_handler != SIG_IGN)
            sigaction(SIGTERM, &action, nullptr);
    }
    ~StopOnInterrupt()
    {
        sigaction(SIGINT, &previousInterrupt_, nullptr);
        sigaction(SIGTERM, &previousTerminate_, nullptr);
    }
    StopOnInterrupt(const StopOnInterrupt&) = delete;
    StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;

  private:
    struct sigaction previousInterrupt_ = {};
    struct sigaction previousTerminate_ = {};
};

// The number of a -j or --jobs option: a whole number from 1.
std::optional<std::size_t> jobCount(const std::string& text)
{
    std::size_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || value == 0)
        return std::nullopt;
    return value;
}

// korva run [--json] [-j N] PROJECT...: one project alone prints its run as before; several
// projects, or -j, run as a batch.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool& understood)
{
    understood = false;
    bool json = false;
    std::optional<std::size_t> jobs;
    std::vector<std::string> projects;
    bool optionsEnd = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            projects.push_back(arg);
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--json" && !json) {
            json = true;
        } else if ((arg == "-j" || arg == "--jobs") && i + 1 < args.size() && !jobs) {
            jobs = jobCount(args[++i]);
            if (!jobs)
                return ExitUsage;
        } else if ((arg.starts_with("-j") || arg.starts_with("--jobs=")) && !jobs) {
            jobs = jobCount(arg.substr(arg[1] == 'j' ? 2 : 7));
            if (!jobs)
                return ExitUsage;
        } else {
            return ExitUsage;
        }
    }
    if (projects.empty())
        return ExitUsage;
    understood = true;
    if (projects.size() == 1 && !jobs)
        return runSingleProject(projects.front(), json, out, err);
    BatchOptions options;
    options.jobs = jobs.value_or(availableProcessors());
    options.json = json;
    options.stop = &stopRequested;
    const StopOnInterrupt stopOnInterrupt;
    return runBatchCommand(projects, options, out, err);
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
    if (!args.empty() && args[0] == "run") {
        bool understood = false;
        const int code = runCommand(args, out, err, understood);
        if (understood)
            return code;
    }
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
