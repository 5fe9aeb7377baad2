#include "cli/CommandLine.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, RunAnalysesTheProjectBesideItAndRemovesTheScratchFiles)
{
    test::TempFolder folder{"korva cli test"};
    const fs::path project = folder / "shaft one.kv8d";
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", project);
    test::writeText(folder / "TZDIAM.DAT", "1\n");

    const Invocation run = invoke({"run", project.string()});
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err;
    EXPECT_NE(run.out.find("Status 0: the analysis ran to its end"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Report:  " + (folder / "shaft one.kv8o").string()), std::string::npos);
    EXPECT_NE(run.out.find("Title:   Example\n"), std::string::npos);
    for (const char* kept :
         {"shaft one.kv8o", "shaft one.kv8p", "shaft one.kv8r", "shaft one.kv8z", "CHART.DAT"})
        EXPECT_TRUE(fs::exists(folder / kept)) << kept;
    for (const char* removed : {"shaft one.kv8w", "shaft one.kv8t", "shaft one.kv8q",
                                "shaft one.kv8l", "TZDIAM.DAT", "names.dat"})
        EXPECT_FALSE(fs::exists(folder / removed)) << removed;
}

TEST(CommandLine, FailedRunExitsNonZeroWithTheMessageOnStandardError)
{
    test::TempFolder folder{"korva cli test"};
    test::writeText(folder / "bad.kv8d", "T\n1\n2 1 1 1 1 2 0 0 0 0 0\n3 3 0 0 5 1 x\n");
    const Invocation bad = invoke({"run", (folder / "bad.kv8d").string()});
    EXPECT_EQ(bad.exitCode, ExitRunStatus);
    EXPECT_NE(bad.out.find("Status 15: the project data file has a format error"),
              std::string::npos);
    EXPECT_NE(bad.err.find("line 4, shaft record, value 7: \"x\" is not a number"),
              std::string::npos)
        << bad.err;

    const Invocation missing = invoke({"run", (folder / "none.kv8d").string()});
    EXPECT_EQ(missing.exitCode, ExitRunStatus);
    EXPECT_NE(missing.out.find("Status 13"), std::string::npos);
}

TEST(CommandLine, HelpAndUsage)
{
    const Invocation help = invoke({"--help"});
    EXPECT_EQ(help.exitCode, ExitSuccess);
    EXPECT_NE(help.out.find("korva run PROJECT.kv8d"), std::string::npos);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{}, {"run"}, {"walk", "x.kv8d"}, {"run", "a", "b"}}) {
        const Invocation usage = invoke(wrong);
        EXPECT_EQ(usage.exitCode, ExitUsage);
        EXPECT_NE(usage.err.find("command not understood"), std::string::npos);
    }
}

} // namespace
} // namespace korva::cli
