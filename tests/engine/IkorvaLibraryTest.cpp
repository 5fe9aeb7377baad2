// The shared library as the desktop program uses it: loaded with dlopen, IKORVA looked up by
// name and called in the project's folder.
#include "engine/run/RunFileNames.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

namespace korva {
namespace {

namespace fs = std::filesystem;
using EntryPoint = int32_t (*)(int32_t);

class IkorvaLibrary : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        handle_ = dlopen(KORVA_CALC_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        entry_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "IKORVA"));
        ASSERT_NE(entry_, nullptr);
        previous_ = fs::current_path();
        fs::current_path(folder_.path());
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        if (handle_ != nullptr)
            dlclose(handle_);
    }

    // Every line except the one with the clock reading.
    static std::string withoutClock(const std::string& text)
    {
        std::string result;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            end = end == std::string::npos ? text.size() : end + 1;
            const std::string line = text.substr(start, end - start);
            if (line.find("Date:  ") == std::string::npos)
                result += line;
            start = end;
        }
        return result;
    }

    test::TempFolder folder_{"korva library test"};
    fs::path previous_;
    void* handle_ = nullptr;
    EntryPoint entry_ = nullptr;
};

TEST_F(IkorvaLibrary, CodesOtherThanTenReturnOneAndCreateNoFile)
{
    EXPECT_EQ(entry_(0), 1);
    EXPECT_EQ(entry_(11), 1);
    EXPECT_TRUE(folder_.empty());
}

TEST_F(IkorvaLibrary, TwoCallsInOneProcessGiveTwoIdenticalRuns)
{
    fs::copy_file(fs::path(KORVA_EXAMPLES) / "Example.kv8d", folder_ / "Example.kv8d");
    writeNamesFile("names.dat", runFileNamesForProject(folder_ / "Example.kv8d", "2017.8.10"));
    const RunFileNames names = runFileNamesForProject(folder_ / "Example.kv8d", "2017.8.10");

    ASSERT_EQ(entry_(10), 0);
    std::vector<std::string> first;
    for (const auto& output : names.outputFiles())
        first.push_back(withoutClock(test::readText(output)));
    EXPECT_TRUE(fs::exists(folder_ / "CHART.DAT"));
    EXPECT_NE(first[0].find("KORVA for Windows, Version 2017.8.10   "), std::string::npos);

    ASSERT_EQ(entry_(10), 0);
    std::vector<std::string> second;
    for (const auto& output : names.outputFiles())
        second.push_back(withoutClock(test::readText(output)));
    EXPECT_EQ(first, second);
}

TEST_F(IkorvaLibrary, MissingNamesFileIsANonZeroStatusNotACrash)
{
    EXPECT_EQ(entry_(10), 11);
    EXPECT_TRUE(folder_.empty());
}

} // namespace
} // namespace korva
