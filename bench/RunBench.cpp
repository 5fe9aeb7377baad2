// Whole runs as the desktop program starts them: names, deck, every case with its
// load-settlement curves, and all output files written into a temporary folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/ProgramVersion.h"
#include "engine/run/RunAnalysis.h"
#include "engine/run/RunFileNames.h"

using namespace korva;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path Work = fs::temp_directory_path() / "korva-run-bench";

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A project placed in a folder of its own, ready to be run again and again.
struct PreparedRun
{
    fs::path folder;
    RunFileNames names;
};

PreparedRun prepare(const std::string& name, const std::string& deck)
{
    PreparedRun run;
    run.folder = Work / name;
    fs::create_directories(run.folder);
    const fs::path file = run.folder / (name + ".kv8d");
    std::ofstream(file, std::ios::binary) << deck;
    run.names = runFileNamesForProject(file, kProgramVersionText);
    return run;
}

// Design charts for 20 diameters (2 to 11.5 ft), 20 lengths (270 to 80 ft) and 10
// settlements over 30 alternating sand and clay layers down to 300 ft.
std::string designChartDeck()
{
    std::ostringstream d;
    d << "Design chart benchmark\n1 \n2 1 1 10 1 2 0 1 0 0 0\n2 11.5 0 0 5 1 4000000\n"
      << "30 15 270 2.5 3\n80 10 0.5 10\n0.1 0.2 0.3 0.4 0.5 0.75 1.0 1.5 2.0 3.0\n";
    for (int i = 1; i <= 30; ++i) {
        const int bottom = 10 * i;
        if (i % 2 == 1)
            d << "1 " << bottom << " \n0.0 120 0 0 " << 15 + i << " 0 0 1 1 \n0.0 122 0 0 "
              << 16 + i << " 0 0 1 1 \n2 \n0 0 \n";
        else
            d << "2 " << bottom << " \n0 120 0.0 " << 1500 + 60 * i << " 0 0 0 1 1 \n0 120 0.0 "
              << 1560 + 60 * i << " 0 0 0 1 1 \n0 0\n";
    }
    return d.str();
}

void DesignChartProject(benchmark::State& state)
{
    const PreparedRun run = prepare("chart", designChartDeck());
    for (auto _ : state)
        benchmark::DoNotOptimize(runAnalysis(run.names).status);
}

std::vector<PreparedRun> exampleRuns()
{
    std::vector<fs::path> projects;
    for (const fs::directory_entry& e : fs::directory_iterator(KORVA_EXAMPLES))
        if (e.path().extension() == ".kv8d")
            projects.push_back(e.path());
    std::sort(projects.begin(), projects.end());
    std::vector<PreparedRun> runs;
    for (const fs::path& p : projects)
        runs.push_back(prepare(p.stem().string(), readFile(p)));
    return runs;
}

std::uintmax_t outputBytes(const PreparedRun& run)
{
    std::uintmax_t bytes = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(run.folder))
        if (e.path().extension() != ".kv8d" && e.path().filename().string().rfind("floor-", 0) != 0)
            bytes += e.file_size();
    return bytes;
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Every example project per iteration. Counters: the median over the projects of the time of
// one run (wall clock and processor time), and the I/O floor ratio: engine time over the time to
// write the same number of bytes to the same number of files in the same folders. Like the engine's
// output files, the files of the floor are overwritten from one iteration to the next.
void ExampleSet(benchmark::State& state)
{
    const std::vector<PreparedRun> runs = exampleRuns();
    std::vector<double> engine(runs.size(), 0.0);
    std::vector<double> engineCpu(runs.size(), 0.0);
    double writeOnly = 0.0;
    double engineTotal = 0.0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const Clock::time_point start = Clock::now();
            const std::clock_t cpuStart = std::clock();
            benchmark::DoNotOptimize(runAnalysis(runs[i].names).status);
            engineCpu[i] += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            const double t = seconds(Clock::now() - start);
            engine[i] += t;
            engineTotal += t;
        }
        state.PauseTiming();
        for (const PreparedRun& run : runs) {
            std::vector<std::pair<fs::path, std::uintmax_t>> files;
            for (const fs::directory_entry& e : fs::directory_iterator(run.folder))
                if (e.path().extension() != ".kv8d" &&
                    e.path().filename().string().rfind("floor-", 0) != 0)
                    files.emplace_back(e.path(), e.file_size());
            const Clock::time_point start = Clock::now();
            for (const auto& [path, size] : files) {
                const std::string bytes(static_cast<std::size_t>(size), 'x');
                std::ofstream out(run.folder / ("floor-" + path.filename().string()),
                                  std::ios::binary | std::ios::trunc);
                out << bytes;
            }
            writeOnly += seconds(Clock::now() - start);
        }
        state.ResumeTiming();
    }
    const auto medianMs = [&](const std::vector<double>& totals) {
        std::vector<double> perRun;
        for (double t : totals)
            perRun.push_back(t / static_cast<double>(state.iterations()));
        std::sort(perRun.begin(), perRun.end());
        return perRun.empty() ? 0.0 : perRun[perRun.size() / 2] * 1000.0;
    };
    state.counters["median_run_ms"] = medianMs(engine);
    state.counters["median_run_cpu_ms"] = medianMs(engineCpu);
    state.counters["io_floor_ratio"] = writeOnly > 0.0 ? engineTotal / writeOnly : 0.0;
    std::uintmax_t bytes = 0;
    for (const PreparedRun& run : runs)
        bytes += outputBytes(run);
    state.counters["output_kb"] = static_cast<double>(bytes) / 1024.0;
}

} // namespace

BENCHMARK(DesignChartProject)->Unit(benchmark::kMillisecond);
BENCHMARK(ExampleSet)->Unit(benchmark::kMillisecond);
