#include "gui/main/EngineRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
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
    void ReadResults(bool reportErrors) override
    {
        events.push_back(reportErrors ? "read" : "read quietly");
    }
    void CloseChildWindows() override { events.push_back("close"); }
    void SetCurrentFolder(const std::string& folder) override
    {
        currentFolder = folder;
        fs::current_path(folder);
    }
};

class EngineRunTest : public ::testing::Test
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
        unsetenv("KORVA_FAKE_ENGINE_NO_FILES");
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

TEST_F(EngineRunTest, CompletedRunReadsResultsAndRemovesScratchFiles)
{
    FakeHost host = SavedProject();
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::Completed);
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

TEST_F(EngineRunTest, NonZeroStatusStillReadsResults)
{
    setenv("KORVA_FAKE_ENGINE_STATUS", "1", 1);
    FakeHost host = SavedProject();
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::CompletedWithErrors);
    EXPECT_EQ(run.LastStatus(), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Computations could not be completed.\nBad request code; nothing "
                                "was done (status 1).\nPlease, check output file for results or "
                                "error messages.");
    // Read without a second message: the run's message has named the cause.
    EXPECT_NE(std::find(host.events.begin(), host.events.end(), "read quietly"), host.events.end());
}

TEST_F(EngineRunTest, FailedRunNamesTheEnginesReasonInOneMessage)
{
    // Status, whether the engine writes its files, and the one message the user reads. A
    // report left by an earlier run is never pointed to when this run wrote none.
    const struct
    {
        const char* status;
        bool writesFiles;
        std::string message;
    } cases[] = {
        {"7", true,
         "Computations are completed, but there may be errors.\nThe design load is not reached "
         "within the soil profile (status 7).\nPlease, check output file for results or error "
         "messages."},
        {"11", false,
         "Computations could not be completed.\nThe names file is missing or cannot be read, or "
         "a path in it is longer than 255 characters (status 11)."},
        {"15", true,
         "Computations could not be completed.\nThe project data file has a format error "
         "(status 15).\nPlease, check output file for results or error messages."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        setenv("KORVA_FAKE_ENGINE_STATUS", c.status, 1);
        if (c.writesFiles)
            unsetenv("KORVA_FAKE_ENGINE_NO_FILES");
        else
            setenv("KORVA_FAKE_ENGINE_NO_FILES", "1", 1);
        FakeHost host = SavedProject();
        std::ofstream(folder / "pier.kv8o") << "report of an earlier run\n";
        const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
        fs::last_write_time(folder / "pier.kv8o", old);
        EngineRun run(KORVA_FAKE_ENGINE);
        EXPECT_EQ(run.Execute(host), EngineRunEnd::CompletedWithErrors);
        EXPECT_EQ(host.messages, std::vector<std::string>{c.message});
        EXPECT_NE(std::find(host.events.begin(), host.events.end(), "read quietly"),
                  host.events.end());
    }
    unsetenv("KORVA_FAKE_ENGINE_NO_FILES");
}

TEST_F(EngineRunTest, MissingLibraryReportsInitializeFailed)
{
    FakeHost host = SavedProject();
    EngineRun run((folder / "libkorvacalc.so").string());
    EXPECT_EQ(run.Execute(host), EngineRunEnd::LibraryFailed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Attempt to initialize DLL failed");
    EXPECT_FALSE(fs::exists(folder / "names.dat"));
    EXPECT_FALSE(run.LibraryLoaded());
}

TEST_F(EngineRunTest, LibraryWithoutEntryPointReportsInitializeFailed)
{
    FakeHost host = SavedProject();
    EngineRun run(KORVA_NO_ENTRY_LIBRARY);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::LibraryFailed);
    EXPECT_EQ(host.messages, std::vector<std::string>{RunMessages::InitializeFailed});
}

TEST_F(EngineRunTest, CancelledSaveAsOfNewProjectEndsSilently)
{
    FakeHost host; // never saved: keeps the default name
    host.onSave = [](FakeHost& h) { h.saved = false; };
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::NotStarted);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.events, std::vector<std::string>{"save"});
}

TEST_F(EngineRunTest, SaveFailureIsReportedAndRunStopsUnderDefaultName)
{
    FakeHost host;
    host.onSave = [](FakeHost&) { throw std::runtime_error("disk full"); };
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::NotStarted);
    EXPECT_EQ(host.messages, std::vector<std::string>{"An error occured during saving\ndisk full"});
}

TEST_F(EngineRunTest, SaveFailureOfNamedProjectDoesNotAnalyseTheOldFile)
{
    FakeHost host = SavedProject();
    host.onSave = [](FakeHost&) {
        throw std::runtime_error("/data/pier.kv8d: Read-only file system");
    };
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::NotStarted);
    // The system's reason follows the message, as File > Save shows it.
    EXPECT_EQ(host.messages, std::vector<std::string>{"An error occured during saving\n"
                                                      "/data/pier.kv8d: Read-only file system"});
    EXPECT_FALSE(fs::exists(folder / "pier.kv8o"));
}

TEST_F(EngineRunTest, RefusedProfileDoesNotRun)
{
    FakeHost host = SavedProject();
    host.profileAcceptable = false;
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::NotStarted);
    EXPECT_FALSE(fs::exists(folder / "names.dat"));
    EXPECT_FALSE(fs::exists(folder / "pier.kv8o"));
}

TEST_F(EngineRunTest, TwoRunsInOneProcessEachLoadTheLibrary)
{
    FakeHost host = SavedProject();
    EngineRun run(KORVA_FAKE_ENGINE);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::Completed);
    EXPECT_EQ(run.Execute(host), EngineRunEnd::Completed);
    EXPECT_EQ(host.messages.size(), 2u);
}
