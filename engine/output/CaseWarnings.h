#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "engine/deck/LayerEstimates.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/WeakRock.h"

namespace korva {

// The framed warnings of a run's cases, with their once-only rules. Each case writes its rock
// messages into a work file of its own (ROCKMSG.DAT), which the report copies after the case's
// result rows; the run notes get the warnings as they arise.
class CaseWarnings
{
  public:
    explicit CaseWarnings(std::ostream& runNotes) : runNotes_(runNotes) {}

    // Input errors found by the estimation pass, once per run before the first case.
    void runStart(const LayerEstimates& estimates);

    // A fresh rock-message file for the case.
    void startCase(const std::filesystem::path& rockMessageFile);

    // The warnings one 1-ft slice raised, at the slice's bottom depth.
    void slice(const methods::MethodWarnings& warnings, const methods::WeakRockResult& weakRock,
               float depth_ft);

    // Notes of the analysis itself into the rock messages and the run notes.
    void bellAngleUnusable();
    void nonFiniteValue();

    // Closes the rock-message file of the case and copies it into the report as 80-character
    // lines.
    void copyRockMessages(const std::filesystem::path& rockMessageFile, std::ostream& report);

    void endCase() { caseFlags_ = 0; }

  private:
    void caseNote(std::span<const std::string> lines);

    std::ostream& runNotes_;
    std::ofstream rock_;
    std::uint32_t runFlags_ = 0;
    std::uint32_t caseFlags_ = 0;
};

// The run ends before the walk: the soil profile, with the ignored bottom portion and the bell,
// reaches below the per-depth tables. Into the report and the run notes.
void writeProfileBeyondTables(std::ostream& report, std::ostream& runNotes);

// The profile is too shallow for any candidate length of the case: the run notes ask for a
// deeper soil profile.
void writeIncreaseSoilDepth(std::ostream& runNotes);

} // namespace korva
