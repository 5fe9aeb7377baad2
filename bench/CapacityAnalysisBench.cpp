// In-process capacity analysis: deck reading, input echo and every case of a project, with the
// report written to memory and the rock messages to a file in a temporary folder.
#include <benchmark/benchmark.h>

#include "HeavyDeck.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/analysis/CapacityAnalysis.h"
#include "engine/deck/CoefficientEstimates.h"
#include "engine/deck/DeckRecordReader.h"
#include "engine/deck/InputDeckReader.h"
#include "engine/output/InputEcho.h"
#include "engine/output/ReportLayerBlock.h"

using namespace korva;

namespace {

const std::filesystem::path Work = std::filesystem::temp_directory_path() / "korva-bench";

void analyse(const std::string& deckText)
{
    std::istringstream deckStream(deckText);
    DeckRecordReader reader(deckStream, "bench");
    std::ostringstream report, notes, tz;
    InputDeck deck;
    readInputDeck(reader, DeckEchoTargets{report, notes, tz}, deck);
    writeFactorOfSafetyEcho(report, deck);
    const LayerEstimates estimates = estimateLayerCoefficients(deck);
    writeSoilInformation(report, deck, estimates, {deck.isSI(), deck.NLRFD == 1});
    writeShaftEcho(report, deck);
    writeResultsHeading(report);
    AnalysisOutputs outputs{report, notes, Work / "ROCKMSG.DAT"};
    AnalysisSummary summary;
    runCapacityAnalysis(deck, estimates, outputs, summary, {});
    benchmark::DoNotOptimize(summary.cases.data());
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExampleProject(benchmark::State& state, const char* name)
{
    std::filesystem::create_directories(Work);
    const std::string deck = readFile(std::filesystem::path(KORVA_TEST_DATA) / "engine" / name);
    for (auto _ : state)
        analyse(deck);
}

void HeavyProject(benchmark::State& state)
{
    std::filesystem::create_directories(Work);
    const std::string deck = heavyDeck();
    for (auto _ : state)
        analyse(deck);
}

} // namespace

BENCHMARK_CAPTURE(ExampleProject, sand_asd_english, "sand_asd_english.kv8d")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExampleProject, clay_lrfd_si, "clay_lrfd_si.kv8d")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExampleProject, uplift_clay, "uplift_clay.kv8d")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExampleProject, belled_clay_sand, "belled_clay_sand.kv8d")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExampleProject, rock_socket, "rock_socket.kv8d")->Unit(benchmark::kMillisecond);
BENCHMARK(HeavyProject)->Unit(benchmark::kMillisecond);
