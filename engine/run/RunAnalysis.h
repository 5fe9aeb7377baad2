#pragma once
// One analysis run from its file names to its status: the entry point of the engine library
// and the command-line runner both run through here.
#include "engine/analysis/CapacityAnalysis.h"
#include "engine/run/RunFileNames.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

namespace korva {

inline constexpr int32_t kRunRequestCode = 10;

struct RunOutcome
{
    int32_t status = 0;
    std::string message;     // failure message of statuses 11 and up (empty otherwise)
    std::string title;       // project title, trailing blanks dropped (empty when not read)
    bool si = false;         // units of the summary figures (the project's units)
    bool lrfd = false;       // factored (LRFD) rather than allowable (ASD) capacities
    bool uplift = false;     // the base column of the summary holds the shaft weight WT
    AnalysisSummary summary; // final rows of the cases analysed before the run ended
};

// Throws RunFailure (StatusOutputFileFailed) when one file is named for two files of the run
// (the project data file, the outputs and the fixed-name work files of the work folder).
void checkDistinctRunFiles(const RunFileNames& names);

// Runs one analysis with the given files; the time block shows analysisTime.
RunOutcome runAnalysis(const RunFileNames& names, const std::tm& analysisTime);
// Same, with the local clock.
RunOutcome runAnalysis(const RunFileNames& names);

// Reads names.dat in workFolder (empty: the current directory) and runs the analysis it names.
RunOutcome runFromNamesFile(const std::filesystem::path& workFolder);

// The request handling of the library entry point: any code other than 10 returns 1 and touches
// no file; 10 runs from the names file. Never throws.
int32_t handleEngineRequest(int32_t requestCode, const std::filesystem::path& workFolder) noexcept;

} // namespace korva
