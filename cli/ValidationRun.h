#pragma once
// "korva validate": runs every case of the validation ledger in a temporary folder and prints
// one row per checked value: case, quantity, published value, Korva's value, difference in per
// cent and the verdict.
#include "cli/ValidationLedger.h"
#include "engine/run/RunAnalysis.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace korva::cli {

enum class CheckVerdict {
    Pass,  // within the tolerance
    Fail,  // beyond the tolerance, or no value to compare
    Known, // beyond the tolerance and kept in the ledger as a known difference
};

struct CheckResult
{
    std::string caseName;
    std::string quantity; // with the settlement of a load-at-settlement check
    std::string published;
    std::string korva;      // "-" when the run gave no value
    std::string difference; // per cent, signed; "-" without a value
    CheckVerdict verdict = CheckVerdict::Fail;
    std::string note; // why a check failed without a value, or the known difference's reason
};

// Compares the first case of a run with the published values of a ledger case.
std::vector<CheckResult> evaluateChecks(const LedgerCase& ledgerCase, const RunOutcome& outcome);

// Copies the case's project file into a fresh temporary folder, analyses it there and removes
// the folder with the run's files afterwards.
RunOutcome runLedgerProject(const LedgerCase& ledgerCase);

// The whole command: the ledger in ledgerFolder, or where ledgerFolderCandidates() finds one.
// Returns 0 when no check fails (known differences do not fail), 1 otherwise or when the
// ledger is missing, empty or holds a case file that cannot be read.
int runValidation(const std::optional<std::filesystem::path>& ledgerFolder,
                  const std::optional<std::filesystem::path>& executableFolder, std::ostream& out,
                  std::ostream& err);

} // namespace korva::cli
