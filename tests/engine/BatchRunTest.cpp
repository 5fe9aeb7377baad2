// korva run with several projects: the batch's results against one-by-one runs, failures that
// do not stop the others, result files named twice, a stopped batch and the private work files.
#include "cli/BatchRun.h"
#include "cli/CommandLine.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>

namespace korva::cli {
namespace {

namespace fs = std::filesystem;

struct Invocation
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

Invocation invoke(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    Invocation result;
    result.exitCode = runCommandLine(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The example projects copied into folder; their paths in name order.
std::vector<std::string> copyExamples(const fs::path& folder)
{
    std::vector<std::string> projects;
    for (const auto& entry : fs::directory_iterator(KORVA_EXAMPLES)) {
        if (entry.path().extension() != ".kv8d")
            continue;
        fs::copy_file(entry.path(), folder / entry.path().filename());
        projects.push_back((folder / entry.path().filename()).string());
    }
    std::sort(projects.begin(), projects.end());
    return projects;
}

// A result file with the date and time of the analysis blanked out.
std::string withoutTime(const fs::path& path)
{
    std::istringstream in(test::readText(path));
    std::string text, line;
    while (std::getline(in, line))
        text +=
            (line.find("Date:  ") != std::string::npos && line.find("Time:  ") != std::string::npos
                 ? std::string("<time of analysis>")
                 : line) +
            '\n';
    return text;
}

const std::vector<std::string> ResultExtensions = {".kv8o", ".kv8p", ".kv8r", ".kv8z"};
const std::vector<std::string> WorkFileNames = {"CHART.DAT", "TZDATA.DAT", "ROCKMSG.DAT",
                                                "TZDIAM.DAT"};

std::string withExtension(const std::string& project, const std::string& extension)
{
    return fs::path(project).replace_extension(extension).string();
}

// The system's temporary folder pointed at a folder of the test while it lives, so that the
// runs' private folders can be seen.
class TemporaryFolderOverride
{
  public:
    explicit TemporaryFolderOverride(const fs::path& folder)
    {
        if (const char* previous = std::getenv("TMPDIR"))
            previous_ = previous;
        fs::create_directories(folder);
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderOverride()
    {
        if (previous_)
            ::setenv("TMPDIR", previous_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

  private:
    std::optional<std::string> previous_;
};

TEST(BatchRun, ResultsEqualOneByOneRunsAndNoWorkFileIsShared)
{
    test::TempFolder folder{"korva batch test"};
    const std::vector<std::string> projects = copyExamples(folder.path());
    ASSERT_GE(projects.size(), 10u);

    std::map<std::string, std::string> alone;
    for (const std::string& project : projects) {
        const Invocation run = invoke({"run", project});
        ASSERT_EQ(run.exitCode, ExitSuccess) << project << run.err;
        for (const std::string& extension : ResultExtensions)
            alone[withExtension(project, extension)] =
                withoutTime(withExtension(project, extension));
    }
    for (const std::string& name : WorkFileNames)
        fs::remove(folder / name);
    for (const auto& [path, text] : alone)
        fs::remove(path);

    const TemporaryFolderOverride temporary(folder / "tmp");
    std::vector<std::string> args{"run", "-j", "2"};
    args.insert(args.end(), projects.begin(), projects.end());
    const Invocation batch = invoke(args);
    EXPECT_EQ(batch.exitCode, ExitSuccess) << batch.err;
    EXPECT_TRUE(batch.err.empty()) << batch.err;
    for (const auto& [path, text] : alone)
        EXPECT_EQ(withoutTime(path), text) << path;
    // The work files stayed in the runs' private folders, which are gone.
    for (const std::string& name : WorkFileNames)
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    EXPECT_TRUE(fs::is_empty(folder / "tmp"));

    // The table: a heading, one row per case in the order given, then the tally.
    EXPECT_TRUE(batch.out.starts_with("project ")) << batch.out;
    std::size_t previous = 0;
    for (const std::string& project : projects) {
        const std::size_t at = batch.out.find("\n" + project + " ");
        ASSERT_NE(at, std::string::npos) << project << "\n" << batch.out;
        EXPECT_GT(at, previous) << project;
        previous = at;
    }
    EXPECT_NE(batch.out.find(std::to_string(projects.size()) +
                             " projects: " + std::to_string(projects.size()) +
                             " ended with status 0, 0 with another status\n"),
              std::string::npos)
        << batch.out;
    // Example.kv8d: one case, 3 ft, final length 30 ft, QU 200.1 and QDN 77.5 tons.
    const std::string example = (folder / "Example.kv8d").string();
    const std::size_t row = batch.out.find("\n" + example + " ");
    const std::string line = batch.out.substr(row + 1, batch.out.find('\n', row + 1) - row - 1);
    for (const char* cell :
         {" 0 ", " 1 ", "3.00 ft", "30.00 ft", "200.1 tons", "allowable 77.5 tons"})
        EXPECT_NE(line.find(cell), std::string::npos) << cell << " in " << line;
}

TEST(BatchRun, FailedProjectsAreReportedAndTheOthersStillRun)
{
    test::TempFolder folder{"korva batch test"};
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder / "good one.kv8d");
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "ClaySite.kv8d", folder / "good two.kv8d");
    test::writeText(folder / "bad.kv8d", "T\n1\n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 x\n");
    const std::vector<std::string> projects = {
        (folder / "good one.kv8d").string(), (folder / "bad.kv8d").string(),
        (folder / "missing.kv8d").string(), (folder / "good two.kv8d").string()};

    for (const bool json : {false, true}) {
        std::vector<std::string> args{"run"};
        if (json)
            args.push_back("--json");
        args.insert(args.end(), {"--jobs=2"});
        args.insert(args.end(), projects.begin(), projects.end());
        const Invocation batch = invoke(args);
        EXPECT_EQ(batch.exitCode, ExitRunStatus);
        for (const char* good : {"good one", "good two"})
            EXPECT_TRUE(fs::exists(folder / (std::string(good) + ".kv8o"))) << good;
        const std::string formatError = "line 4, shaft record, value 7: \"x\" is not a number";
        if (json) {
            const std::string& out = batch.out;
            EXPECT_TRUE(out.starts_with("[\n{\"project\": ")) << out;
            EXPECT_TRUE(out.ends_with("]}\n]\n")) << out;
            EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 6) << out;
            EXPECT_NE(out.find("bad.kv8d\", \"title\": \"T\", \"report\": \""), std::string::npos);
            EXPECT_NE(out.find("\"status\": 15, "), std::string::npos) << out;
            EXPECT_NE(out.find("\"status\": 13, "), std::string::npos) << out;
            EXPECT_EQ(std::count(out.begin(), out.end(), 'Q') % 4, 0);
            // The messages of the failed runs go to standard error.
            EXPECT_NE(batch.err.find("bad.kv8d: "), std::string::npos) << batch.err;
            EXPECT_NE(batch.err.find(formatError), std::string::npos) << batch.err;
        } else {
            EXPECT_NE(batch.out.find("4 projects: 2 ended with status 0, 2 with another status\n"),
                      std::string::npos)
                << batch.out;
            EXPECT_NE(batch.out.find("  " + projects[1] + ": status 15, "), std::string::npos)
                << batch.out;
            EXPECT_NE(batch.out.find(formatError), std::string::npos) << batch.out;
            EXPECT_NE(batch.out.find("  " + projects[2] + ": status 13, "), std::string::npos)
                << batch.out;
        }
    }
}

TEST(BatchRun, ProjectWhoseResultFilesAreThoseOfAnEarlierOneIsNotRun)
{
    test::TempFolder folder{"korva batch test"};
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder / "a.kv8d");
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder / "a.txt");
    fs::create_directories(folder / "sub");
    const std::string same = (folder.path() / "sub" / ".." / "a.kv8d").string();
    const std::vector<std::string> projects = {(folder / "a.kv8d").string(), same,
                                               (folder / "a.txt").string()};
    BatchOptions options;
    options.jobs = 3;
    const std::vector<BatchEntry> entries = runBatch(projects, options);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].run.outcome.status, 0);
    for (const std::size_t i : {1u, 2u}) {
        EXPECT_TRUE(entries[i].ran);
        EXPECT_EQ(entries[i].run.outcome.status, 14) << i;
        EXPECT_NE(entries[i].run.outcome.message.find("are those of " + projects[0]),
                  std::string::npos)
            << entries[i].run.outcome.message;
        EXPECT_TRUE(entries[i].run.outcome.summary.cases.empty());
    }
}

TEST(BatchRun, StoppedBatchEndsTheRunsInProgressAndNamesTheOthers)
{
    test::TempFolder folder{"korva batch test"};
    const std::vector<std::string> projects = copyExamples(folder.path());
    std::atomic<bool> stop{false};
    BatchOptions options;
    options.jobs = 1;
    options.stop = &stop;
    options.finished = [&](std::size_t index) {
        if (index == 1)
            stop.store(true);
    };
    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand(projects, options, out, err), ExitInterrupted);
    for (std::size_t i = 0; i < projects.size(); ++i)
        EXPECT_EQ(fs::exists(withExtension(projects[i], ".kv8o")), i < 2) << projects[i];
    const std::string table = out.str();
    EXPECT_NE(table.find(", " + std::to_string(projects.size() - 2) + " not run\n"),
              std::string::npos)
        << table;
    const std::size_t list = table.find("Not run (the batch was stopped):\n");
    ASSERT_NE(list, std::string::npos) << table;
    for (std::size_t i = 2; i < projects.size(); ++i)
        EXPECT_NE(table.find("  " + projects[i] + "\n", list), std::string::npos) << projects[i];
    EXPECT_NE(err.str().find("korva: stopped; " + std::to_string(projects.size() - 2) +
                             " projects were not run"),
              std::string::npos)
        << err.str();

    // In the JSON array a project not run has status null.
    stop.store(false);
    options.json = true;
    std::ostringstream jsonOut, jsonErr;
    EXPECT_EQ(runBatchCommand(projects, options, jsonOut, jsonErr), ExitInterrupted);
    const std::string json = jsonOut.str();
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), static_cast<long>(projects.size()) + 2);
    EXPECT_NE(json.find("\"status\": null"), std::string::npos) << json;
    EXPECT_NE(jsonErr.str().find("  " + projects.back() + "\n"), std::string::npos);
}

TEST(BatchRun, JobOptionsAndUsage)
{
    test::TempFolder folder{"korva batch test"};
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder / "a.kv8d");
    const std::string project = (folder / "a.kv8d").string();
    // -j with one project is a batch of one: the table, and the work files are not kept.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", "-j", "2", project},
          {"run", "-j1", project},
          {"run", "--jobs", "3", project},
          {"run", project, "--jobs=4"},
          {"run", "--", project}}) {
        const Invocation run = invoke(args);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err;
        const bool single = args[1] == "--";
        EXPECT_EQ(run.out.starts_with("project "), !single) << run.out;
        EXPECT_EQ(fs::exists(folder / "CHART.DAT"), single) << args[1];
        fs::remove(folder / "CHART.DAT");
    }
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"run", "-j", "0", project},
          {"run", "-j", "two", project},
          {"run", "-j", project},
          {"run", "-j2", "-j2", project},
          {"run", "--json", "--json", project},
          {"run", "--verbose", project},
          {"run", "-j", "2"}}) {
        const Invocation usage = invoke(wrong);
        EXPECT_EQ(usage.exitCode, ExitUsage) << wrong[1];
        EXPECT_NE(usage.err.find("command not understood"), std::string::npos);
    }
    EXPECT_GE(availableProcessors(), 1u);
}

} // namespace
} // namespace korva::cli
