#include "cli/CommandLine.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CommandLine, RunPrintsOneSummaryLinePerCase)
{
    test::TempFolder folder{"korva cli test"};
    const fs::path project = folder / "sand.kv8d";
    fs::copy_file(fs::path(KORVA_TEST_DATA) / "engine" / "sand_asd_english.kv8d", project);

    const Invocation run = invoke({"run", project.string()});
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err;
    // Diameters 3 and 3.5 ft, proposed length 30 ft, ASD: allowable capacity QDN.
    for (const char* caseLine : {"case 1: diameter 3.00 ft, length 30.00 ft, QS ",
                                 "case 2: diameter 3.50 ft, length 30.00 ft, QS "}) {
        const std::size_t at = run.out.find(caseLine);
        ASSERT_NE(at, std::string::npos) << run.out;
        const std::string line = run.out.substr(at, run.out.find('\n', at) - at);
        EXPECT_NE(line.find(", QB "), std::string::npos) << line;
        EXPECT_NE(line.find(", QU "), std::string::npos) << line;
        EXPECT_NE(line.find(", allowable "), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(" tons")) << line;
    }
    EXPECT_EQ(run.out.find("status 0"), std::string::npos) << "status shown twice";
}

TEST(CommandLine, JsonRunWritesOnlyOneDocumentToStandardOutput)
{
    test::TempFolder folder{"korva cli test"};
    const fs::path project = folder / "say \"clay\".kv8d";
    fs::copy_file(fs::path(KORVA_TEST_DATA) / "engine" / "clay_lrfd_si.kv8d", project);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", "--json", project.string()},
          {"run", project.string(), "--json"}}) {
        const Invocation run = invoke(args);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err;
        const std::string& json = run.out;
        EXPECT_TRUE(json.starts_with("{\"project\": \"")) << json;
        EXPECT_TRUE(json.ends_with("]}\n")) << json;
        EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1) << json;
        EXPECT_NE(json.find("say \\\"clay\\\".kv8d\""), std::string::npos) << "quotes escaped";
        EXPECT_NE(json.find("\"title\": \"Stiff clay, SI units, LRFD\""), std::string::npos);
        EXPECT_NE(json.find(".kv8o\", \"message\": null, \"status\": 0, \"units\": \"SI\", "
                            "\"design\": \"LRFD\", \"loading\": \"compression\", \"cases\": "
                            "[{\"case\": 1, \"diameter\": 0.9"),
                  std::string::npos)
            << json;
        EXPECT_NE(json.find("\"factored\": "), std::string::npos);
        EXPECT_EQ(json.find("Status"), std::string::npos);
    }

    const Invocation missing = invoke({"run", "--json", (folder / "none.kv8d").string()});
    EXPECT_EQ(missing.exitCode, ExitRunStatus);
    EXPECT_NE(missing.out.find(".kv8o\", \"message\": \"Project data file "), std::string::npos)
        << missing.out;
    EXPECT_NE(missing.out.find("\"status\": 13, "), std::string::npos);
    EXPECT_NE(missing.out.find("\"cases\": []}"), std::string::npos);
}

TEST(CommandLine, ProjectNamedLikeAFileOfTheRunIsRefusedAndKept)
{
    // A project whose name is that of a scratch or work file of its own run: refused before
    // anything is written, and the project file stays, also through the scratch clean-up.
    test::TempFolder folder{"korva cli test"};
    for (const char* name : {"site.kv8w", "site.kv8t", "TZDIAM.DAT", "TZDATA.DAT", "ROCKMSG.DAT"}) {
        const fs::path project = folder / name;
        fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", project,
                      fs::copy_options::overwrite_existing);
        const std::string before = test::readText(project);
        const Invocation run = invoke({"run", project.string()});
        EXPECT_EQ(run.exitCode, ExitRunStatus) << name;
        EXPECT_NE(run.out.find("Status 14: "), std::string::npos) << run.out;
        EXPECT_NE(run.err.find("is named for two files of the run"), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("Report:"), std::string::npos) << run.out;
        ASSERT_TRUE(fs::exists(project)) << name;
        EXPECT_EQ(test::readText(project), before) << name;
    }
}

TEST(CommandLine, RelativeProjectPathIsShownNormalised)
{
    test::TempFolder folder{"korva cli test"};
    fs::create_directories(folder / "sub");
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder / "Example.kv8d");
    const fs::path odd = folder.path() / "sub" / ".." / "." / "Example.kv8d";
    const Invocation run = invoke({"run", odd.string()});
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err;
    EXPECT_NE(run.out.find("Report:  " + (folder / "Example.kv8o").string() + "\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(test::readText(folder / "Example.kv8o")
                  .find("Path to file locations      : " + folder.path().string() + "/\n"),
              std::string::npos);
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
    EXPECT_NE(help.out.find("korva run --json PROJECT.kv8d"), std::string::npos);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{},
                                                  {"run"},
                                                  {"walk", "x.kv8d"},
                                                  {"run", "a", "-x"},
                                                  {"run", "--json"},
                                                  {"run", "--json", "--json"}}) {
        const Invocation usage = invoke(wrong);
        EXPECT_EQ(usage.exitCode, ExitUsage);
        EXPECT_NE(usage.err.find("command not understood"), std::string::npos);
    }
}

} // namespace
} // namespace korva::cli
