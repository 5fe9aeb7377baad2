#include "cli/BatchRun.h"

#include "engine/output/JsonString.h"
#include "engine/output/RunSummary.h"
#include "engine/run/RunStatus.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace korva::cli {
namespace {

namespace fs = std::filesystem;

// The report a project's run writes, as the file system names it: two projects with one report
// would write one set of result files.
fs::path resultKey(const std::string& argument)
{
    const fs::path project = projectPath(argument);
    fs::path report = project;
    report.replace_extension(".kv8o");
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(report, error);
    return error ? report : canonical;
}

void runEntries(std::vector<BatchEntry>& entries, const std::vector<bool>& refused,
                const BatchOptions& options)
{
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        // The work files of this thread's runs, one run after the other.
        const PrivateWorkFolder work;
        for (;;) {
            if (options.stop != nullptr && options.stop->load())
                return;
            const std::size_t index = next.fetch_add(1);
            if (index >= entries.size())
                return;
            if (refused[index])
                continue;
            try {
                entries[index].run =
                    runProject(entries[index].argument, WorkFiles::Discarded, &work);
            } catch (const std::exception& failure) {
                // Memory exhausted around the run: this project fails, the others go on.
                entries[index].run.argument = entries[index].argument;
                entries[index].run.outcome.status = StatusInternalFailure;
                entries[index].run.outcome.message =
                    std::string("Internal failure: ") + failure.what();
            }
            entries[index].ran = true;
            if (options.finished)
                options.finished(index);
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(options.jobs, 1, entries.size());
    if (threads <= 1) {
        worker();
        return;
    }
    std::vector<std::jthread> pool;
    pool.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i)
        pool.emplace_back(worker);
}

using Row = std::vector<std::string>;

// Columns padded to their widest cell; numbers to the right, words to the left.
std::string alignedTable(const std::vector<Row>& rows, const std::vector<bool>& rightAligned)
{
    std::vector<std::size_t> widths(rightAligned.size(), 0);
    for (const Row& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - row[c].size(), ' ');
            if (c > 0)
                line += "  ";
            line += rightAligned[c] ? padding + row[c] : row[c] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

bool endedNormally(const BatchEntry& entry)
{
    return entry.ran && entry.run.outcome.status == StatusNormal;
}

} // namespace

std::size_t availableProcessors()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return static_cast<std::size_t>(CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

std::vector<BatchEntry> runBatch(const std::vector<std::string>& projects,
                                 const BatchOptions& options)
{
    std::vector<BatchEntry> entries(projects.size());
    std::vector<bool> refused(projects.size(), false);
    std::map<fs::path, std::size_t> firstWithResults;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        entries[i].argument = projects[i];
        const auto [at, inserted] = firstWithResults.emplace(resultKey(projects[i]), i);
        if (inserted)
            continue;
        // Two runs at once would write one set of files; the second is not run.
        refused[i] = true;
        entries[i].ran = true;
        entries[i].run.argument = projects[i];
        entries[i].run.project = projectPath(projects[i]);
        entries[i].run.outcome.status = StatusOutputFileFailed;
        entries[i].run.outcome.message = "The result files of this project are those of " +
                                         projects[at->second] +
                                         ", which runs in the same batch; it was not run";
    }
    runEntries(entries, refused, options);
    return entries;
}

std::string batchTable(const std::vector<BatchEntry>& entries)
{
    std::vector<Row> rows{{"project", "status", "case", "diameter", "length", "QU", "capacity"}};
    for (const BatchEntry& entry : entries) {
        if (!entry.ran) {
            rows.push_back({entry.argument, "not run", "", "", "", "", ""});
            continue;
        }
        const RunOutcome& outcome = entry.run.outcome;
        const std::string status = std::to_string(outcome.status);
        if (outcome.summary.cases.empty()) {
            rows.push_back({entry.argument, status, "-", "", "", "", ""});
            continue;
        }
        const std::string length = outcome.si ? " m" : " ft";
        const std::string force = outcome.si ? " kN" : " tons";
        for (const CaseSummary& c : outcome.summary.cases) {
            Row row{entry.argument, status, std::to_string(c.caseNumber),
                    summaryFigure(c.stemDiameter, 2) + length};
            if (!c.hasRows) {
                row.insert(row.end(), {"no rows", "", ""});
            } else {
                row.push_back(summaryFigure(c.finalRow.length, 2) + length +
                              (c.reachedFinal ? "" : " (load not reached)"));
                row.push_back(summaryFigure(c.finalRow.qu, 1) + force);
                row.push_back((outcome.lrfd ? "factored " + summaryFigure(c.finalRow.lrfdQu, 1)
                                            : "allowable " + summaryFigure(c.finalRow.qdn, 1)) +
                              force);
            }
            rows.push_back(row);
        }
    }
    std::string text = alignedTable(rows, {false, true, true, true, false, true, false});

    std::size_t normal = 0, failed = 0, notRun = 0;
    for (const BatchEntry& entry : entries)
        (entry.ran ? (endedNormally(entry) ? normal : failed) : notRun) += 1;
    text += "\n" + std::to_string(entries.size()) +
            (entries.size() == 1 ? " project: " : " projects: ") + std::to_string(normal) +
            " ended with status 0, " + std::to_string(failed) + " with another status" +
            (notRun > 0 ? ", " + std::to_string(notRun) + " not run" : std::string()) + "\n";
    for (const BatchEntry& entry : entries) {
        if (!entry.ran || endedNormally(entry))
            continue;
        const RunOutcome& outcome = entry.run.outcome;
        text += "  " + entry.argument + ": status " + std::to_string(outcome.status) + ", " +
                (outcome.message.empty() ? describeRunStatus(outcome.status) : outcome.message) +
                "\n";
    }
    if (notRun > 0) {
        text += "Not run (the batch was stopped):\n";
        for (const BatchEntry& entry : entries)
            if (!entry.ran)
                text += "  " + entry.argument + "\n";
    }
    return text;
}

std::string batchJson(const std::vector<BatchEntry>& entries)
{
    std::string json = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BatchEntry& entry = entries[i];
        json += i == 0 ? "\n" : ",\n";
        if (entry.ran)
            json += projectRunJson(entry.run);
        else
            json += "{\"project\": " + jsonString(projectPath(entry.argument).string()) +
                    ", \"title\": null, \"report\": null, \"message\": \"not run: the batch was "
                    "stopped\", \"status\": null, \"cases\": []}";
    }
    json += "\n]\n";
    return json;
}

int runBatchCommand(const std::vector<std::string>& projects, const BatchOptions& options,
                    std::ostream& out, std::ostream& err)
{
    const std::vector<BatchEntry> entries = runBatch(projects, options);
    bool anyFailed = false;
    std::size_t notRun = 0;
    for (const BatchEntry& entry : entries) {
        if (!entry.ran) {
            ++notRun;
            continue;
        }
        if (endedNormally(entry))
            continue;
        anyFailed = true;
        // The table names the failures; beside a JSON array they go to standard error.
        if (options.json && !entry.run.outcome.message.empty())
            err << "korva: " << entry.argument << ": " << entry.run.outcome.message << '\n';
    }
    out << (options.json ? batchJson(entries) : batchTable(entries));
    out.flush();
    if (notRun > 0) {
        err << "korva: stopped; " << notRun << (notRun == 1 ? " project was" : " projects were")
            << " not run" << (options.json ? ":" : " (listed under the table)") << '\n';
        if (options.json)
            for (const BatchEntry& entry : entries)
                if (!entry.ran)
                    err << "  " << entry.argument << '\n';
        return ExitInterrupted;
    }
    return anyFailed ? 1 : 0;
}

} // namespace korva::cli
