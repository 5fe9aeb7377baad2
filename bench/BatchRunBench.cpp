// Batch throughput of korva run: the example projects, ten copies of each in one folder, run
// with -j 1 and -j 2 as the command line runs them (private work folders, the result files
// beside each project). items_per_second is projects per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/BatchRun.h"

namespace {

namespace fs = std::filesystem;

constexpr int CopiesOfEachExample = 10;

const std::vector<std::string>& batchProjects()
{
    static const std::vector<std::string> projects = [] {
        const fs::path folder = fs::temp_directory_path() / "korva-batch-bench";
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::vector<std::string> paths;
        for (int copy = 1; copy <= CopiesOfEachExample; ++copy)
            for (const auto& entry : fs::directory_iterator(KORVA_EXAMPLES)) {
                if (entry.path().extension() != ".kv8d")
                    continue;
                const fs::path target =
                    folder / (entry.path().stem().string() + "_" + std::to_string(copy) + ".kv8d");
                fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
                paths.push_back(target.string());
            }
        return paths;
    }();
    return projects;
}

void BM_BatchOfExamples(benchmark::State& state)
{
    const std::vector<std::string>& projects = batchProjects();
    korva::cli::BatchOptions options;
    options.jobs = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        const auto entries = korva::cli::runBatch(projects, options);
        benchmark::DoNotOptimize(entries.data());
        for (const auto& entry : entries)
            if (!entry.ran || entry.run.outcome.status != 0)
                state.SkipWithError("a project of the batch did not end with status 0");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(projects.size()));
}
BENCHMARK(BM_BatchOfExamples)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
