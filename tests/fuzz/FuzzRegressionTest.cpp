// Every input a fuzz target once failed on stays under tests/data/fuzz/<target>/ and runs
// through the same target body in the ordinary suite (release and sanitizer builds).
#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace korva::fuzz {
namespace {

namespace fs = std::filesystem;

struct Target
{
    const char* folder;
    int (*body)(const std::uint8_t*, std::size_t);
};

const Target Targets[] = {
    {"engine_deck", engineDeck}, {"names_file", namesFile}, {"project_file", projectFile},
    {"word_reader", wordReader}, {"plot_data", plotData},   {"expression", expression},
};

void PrintTo(const Target& target, std::ostream* out)
{
    *out << target.folder;
}

class FuzzRegression : public testing::TestWithParam<Target>
{
};

TEST_P(FuzzRegression, EveryFixtureRunsWithoutAFinding)
{
    const fs::path folder = fs::path(KORVA_TEST_DATA) / "fuzz" / GetParam().folder;
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    for (const auto& entry : fs::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        // A finding ends the process with its message, which fails the test.
        EXPECT_EQ(
            GetParam().body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.folder);
                         });

} // namespace
} // namespace korva::fuzz
