// Reviewed plot data and t-z report files of example projects: any change in a number or a
// column shows up here. The date and time of the run are masked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempFolder.h"
#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

using namespace korva;

namespace {

namespace fs = std::filesystem;

const fs::path GoldenFolder = fs::path(KORVA_TEST_DATA) / "engine" / "golden";

std::string maskedClock(std::string text)
{
    const std::string label = "               Date:  ";
    for (std::size_t at = text.find(label); at != std::string::npos;
         at = text.find(label, at + 1)) {
        const std::size_t end = text.find('\n', at);
        const std::size_t from = at + label.size();
        text.replace(from, (end == std::string::npos ? text.size() : end) - from, "<masked>");
    }
    return text;
}

void compareWithGolden(const std::string& text, const fs::path& golden)
{
    if (std::getenv("KORVA_UPDATE_GOLDEN")) {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << text;
        GTEST_SKIP() << "golden file rewritten";
    }
    EXPECT_EQ(text, test::readText(golden)) << golden.filename();
}

class PlotGolden : public ::testing::TestWithParam<const char*>
{
};

} // namespace

TEST_P(PlotGolden, PlotDataAndTzReportMatchReviewedFiles)
{
    test::TempFolder folder{"korva plot golden"};
    const std::string project = GetParam();
    const fs::path file = folder / project;
    fs::copy_file(fs::path(KORVA_EXAMPLES) / project, file);
    const RunFileNames names = runFileNamesForProject(file, kProgramVersionText);
    ASSERT_EQ(runAnalysis(names).status, StatusNormal);
    const std::string stem = fs::path(project).stem().string();
    compareWithGolden(test::readText(names.resolve(names.plot)), GoldenFolder / (stem + ".plot"));
    compareWithGolden(maskedClock(test::readText(names.resolve(names.tzReport))),
                      GoldenFolder / (stem + ".tzreport"));
}

INSTANTIATE_TEST_SUITE_P(Examples, PlotGolden,
                         ::testing::Values("Example.kv8d", "SiSandOverClay.kv8d",
                                           "StrongRockEndBearingBelowClay.kv8d"));
