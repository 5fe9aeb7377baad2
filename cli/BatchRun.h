#pragma once
// Many projects analysed in one call of the command line, several at a time, each run on a
// thread of its own with a private folder for its work files.
#include "cli/ProjectRun.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace korva::cli {

inline constexpr int ExitInterrupted = 130; // the batch was stopped before its end (Ctrl-C)

struct BatchOptions
{
    std::size_t jobs = 1; // runs at a time
    bool json = false;    // one JSON array instead of the summary table
    // Set (by a signal handler) to stop the batch: runs in progress end, no further run starts.
    const std::atomic<bool>* stop = nullptr;
    // Called on the worker's thread after each run (for tests and progress).
    std::function<void(std::size_t index)> finished;
};

// What became of one project of the batch.
struct BatchEntry
{
    std::string argument;
    bool ran = false; // false: the batch was stopped before its turn
    ProjectRun run;   // status and message also for a project refused without a run
};

// The number of processors this process may run on (at least 1).
std::size_t availableProcessors();

// Runs the projects, at most options.jobs at a time, in the order given. A project whose result
// files are those of a project before it in the list (the same file named twice, or two files
// of one name in one folder) is not run: it is reported with status 14.
std::vector<BatchEntry> runBatch(const std::vector<std::string>& projects,
                                 const BatchOptions& options);

// The summary table: one row per case (project, status, case, final length, QU and the
// allowable or factored capacity), then the failed runs with their messages and the projects
// that were not run.
std::string batchTable(const std::vector<BatchEntry>& entries);

// One JSON array of the runs' documents, in the order given; a project not run has status null.
std::string batchJson(const std::vector<BatchEntry>& entries);

// Runs the batch, writes the table or the array to out and the messages of failed runs to err.
// Exit code: 0 when every run ended with status 0, 1 when any did not, 130 when the batch was
// stopped before its end.
int runBatchCommand(const std::vector<std::string>& projects, const BatchOptions& options,
                    std::ostream& out, std::ostream& err);

} // namespace korva::cli
