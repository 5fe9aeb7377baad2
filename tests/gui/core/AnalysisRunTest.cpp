#include "gui/main/AnalysisRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace korva::gui;
namespace fs = std::filesystem;

namespace {

// Records what the run asks of the main window.
class FakeHost : public RunHost
{
  public:
    std::string fileName = "NewKorva.kv8d";
    bool saved = true;
    bool profileAcceptable = true;
    std::function<void(FakeHost&)> onSave;
    std::vector<std::string> messages;
    std::vector<std::string> events;
    std::string currentFolder;

    void SaveProject() override
    {
        events.push_back("save");
        if (onSave)
            onSave(*this);
    }
    bool FileSaved() const override { return saved; }
    void SetFileSaved(bool value) override { saved = value; }
    std::string ProjectFileName() const override { return fileName; }
    bool CheckData() override
    {
        events.push_back("check");
        return profileAcceptable;
    }
    void ShowInformation(const std::string& message) override { messages.push_back(message); }
    void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
    void ReadResults() override { events.push_back("read"); }
    void CloseChildWindows() override { events.push_back("close"); }
    void SetCurrentFolder(const std::string& folder) override
    {
        currentFolder = folder;
        fs::current_path(folder);
    }
};

class AnalysisRunTest : public ::testing::Test
{
  protected:
    fs::path folder;
    fs::path start = fs::current_path();

    void SetUp() override
    {
        // One folder per test and process: CTest runs the tests of this program in parallel.
        folder = fs::temp_directory_path() /
                 ("korva-run-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        unsetenv("KORVA_FAKE_ENGINE_STATUS");
    }
    void TearDown() override
    {
        fs::current_path(start);
        fs::remove_all(folder);
    }
    FakeHost SavedProject()
    {
        FakeHost host;
        host.fileName = (folder / "pier.kv8d").string();
        std::ofstream(host.fileName) << "project\n";
        return host;
    }
};

} // namespace

TEST_F(AnalysisRunTest, CompletedRunReadsResultsAndRemovesScratchFiles)
{
    FakeHost host = SavedProject();
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::Completed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], RunMessages::Completed);
    const std::vector<std::string> order{"save", "check", "busy", "idle", "read", "close"};
    EXPECT_EQ(host.events, order);
    for (const char* gone :
         {"names.dat", "TZDIAM.DAT", "pier.kv8w", "pier.kv8t", "pier.kv8q", "pier.kv8l"})
        EXPECT_FALSE(fs::exists(folder / gone)) << gone;
    for (const char* kept : {"pier.kv8o", "pier.kv8p", "pier.kv8r", "pier.kv8z", "CHART.DAT"})
        EXPECT_TRUE(fs::exists(folder / kept)) << kept;
    EXPECT_EQ(host.currentFolder, folder.string());
    EXPECT_FALSE(run.LibraryLoaded());
}

TEST_F(AnalysisRunTest, NonZeroStatusStillReadsResults)
{
    setenv("KORVA_FAKE_ENGINE_STATUS", "1", 1);
    FakeHost host = SavedProject();
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::CompletedWithErrors);
    EXPECT_EQ(run.LastStatus(), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], RunMessages::CompletedWithErrors);
    EXPECT_NE(std::find(host.events.begin(), host.events.end(), "read"), host.events.end());
}

TEST_F(AnalysisRunTest, MissingLibraryReportsInitializeFailed)
{
    FakeHost host = SavedProject();
    AnalysisRun run((folder / "libkorvacalc.so").string());
    EXPECT_EQ(run.Execute(host), RunOutcome::LibraryFailed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Attempt to initialize DLL failed");
    EXPECT_FALSE(fs::exists(folder / "names.dat"));
    EXPECT_FALSE(run.LibraryLoaded());
}

TEST_F(AnalysisRunTest, LibraryWithoutEntryPointReportsInitializeFailed)
{
    FakeHost host = SavedProject();
    AnalysisRun run(KORVA_NO_ENTRY_LIBRARY);
    EXPECT_EQ(run.Execute(host), RunOutcome::LibraryFailed);
    EXPECT_EQ(host.messages, std::vector<std::string>{RunMessages::InitializeFailed});
}

TEST_F(AnalysisRunTest, CancelledSaveAsOfNewProjectEndsSilently)
{
    FakeHost host; // never saved: keeps the default name
    host.onSave = [](FakeHost& h) { h.saved = false; };
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::NotStarted);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.events, std::vector<std::string>{"save"});
}

TEST_F(AnalysisRunTest, SaveFailureIsReportedAndRunStopsUnderDefaultName)
{
    FakeHost host;
    host.onSave = [](FakeHost&) { throw std::runtime_error("disk full"); };
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::NotStarted);
    EXPECT_EQ(host.messages, std::vector<std::string>{"An error occured during saving"});
}

TEST_F(AnalysisRunTest, SaveFailureOfNamedProjectDoesNotAnalyseTheOldFile)
{
    FakeHost host = SavedProject();
    host.onSave = [](FakeHost&) { throw std::runtime_error("read-only"); };
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::NotStarted);
    EXPECT_EQ(host.messages, std::vector<std::string>{"An error occured during saving"});
    EXPECT_FALSE(fs::exists(folder / "pier.kv8o"));
}

TEST_F(AnalysisRunTest, RefusedProfileDoesNotRun)
{
    FakeHost host = SavedProject();
    host.profileAcceptable = false;
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::NotStarted);
    EXPECT_FALSE(fs::exists(folder / "names.dat"));
    EXPECT_FALSE(fs::exists(folder / "pier.kv8o"));
}

TEST_F(AnalysisRunTest, TwoRunsInOneProcessEachLoadTheLibrary)
{
    FakeHost host = SavedProject();
    AnalysisRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), RunOutcome::Completed);
    EXPECT_EQ(run.Execute(host), RunOutcome::Completed);
    EXPECT_EQ(host.messages.size(), 2u);
}
