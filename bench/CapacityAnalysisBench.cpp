// In-process capacity analysis: deck reading, input echo and every case of a project, with the
// report written to memory and the rock messages to a file in a temporary folder.
#include <benchmark/benchmark.h>

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

// 40 layers down to 500 ft alternating sand and clay, diameters 2 to 12 ft by 0.5 ft, shaft
// length given.
std::string heavyDeck()
{
    std::ostringstream d;
    d << "Heavy profile\n1 \n2 1 1 5 1 2 0 0 0 0 0\n2 12 0 0 5 1 4000000\n40 15 400 2.5 3\n";
    for (int i = 1; i <= 40; ++i) {
        const float bottom = 12.5f * static_cast<float>(i);
        if (i % 2 == 1) {
            d << "1 " << bottom << " \n0.0 120 0 0 " << 20 + i << " 0 0 1 1 \n0.0 122 0 0 "
              << 22 + i << " 0 0 1 1 \n2 \n0 0 \n";
        } else {
            d << "2 " << bottom << " \n0 120 0.0 " << 1500 + 50 * i << " 0 0 0 1 1 \n0 120 0.0 "
              << 1600 + 50 * i << " 0 0 0 1 1 \n0 0\n";
        }
    }
    return d.str();
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
