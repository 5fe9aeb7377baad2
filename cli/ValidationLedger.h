#pragma once
// The validation ledger: published drilled-shaft worked examples, each a project file and a
// case file that names the source, the published values with their units and the tolerance
// of each comparison. This file reads the case files; ValidationRun runs them.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace korva::cli {

// A case file that cannot be read or does not follow the layout; the message names the file
// and, where there is one, the line.
class LedgerError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// The result of the analysis a check compares with a published value.
enum class LedgerQuantity {
    SideResistance,   // "QS": ultimate side resistance of the final row
    BaseResistance,   // "QB": ultimate base resistance (the shaft weight WT in uplift)
    TotalResistance,  // "QU": QS + QB
    AllowableLoad,    // "QDN": QS / FST + QB / FSB
    FactoredSide,     // "LRFD QS"
    FactoredBase,     // "LRFD QB"
    FactoredTotal,    // "LRFD QU"
    LoadAtSettlement, // "load at settlement": head load on the trend curve
};

// Load units of published values; the factors are exact (1 short ton = 2 kips,
// 1 kip = 4.4482216152605 kN).
enum class LoadUnit {
    Tons,
    Kips,
    Kilonewtons,
};

enum class LengthUnit {
    Inches,
    Feet,
    Millimetres,
    Metres,
};

struct LedgerCheck
{
    LedgerQuantity quantity = LedgerQuantity::TotalResistance;
    std::string quantityText; // as written in the case file
    double published = 0.0;
    LoadUnit unit = LoadUnit::Tons;
    std::string unitText;
    double settlement = 0.0; // head settlement of a load-at-settlement check
    LengthUnit settlementUnit = LengthUnit::Inches;
    std::string settlementText; // as written, for the table
    double tolerancePercent = 0.0;
    std::string reason;          // why the tolerance is what it is
    std::string knownDifference; // empty unless the case is kept as a known difference
    int line = 0;                // line of the "check:" entry
};

struct LedgerCase
{
    std::string name;                  // the case file's base name
    std::filesystem::path caseFile;    // the .txt file
    std::filesystem::path projectFile; // the .kv8d file beside it
    std::string title;
    std::string source;
    std::string example;
    std::vector<LedgerCheck> checks;
};

// Reads one case file. Throws LedgerError for a missing or unreadable file, an unknown key,
// a missing required entry, a value that is not a number or a unit that is not known.
LedgerCase readLedgerCase(const std::filesystem::path& caseFile);

// The case files of a ledger folder (every *.txt except README.txt), sorted by name.
std::vector<std::filesystem::path> ledgerCaseFiles(const std::filesystem::path& folder);

// Where "korva validate" looks for the ledger when no folder is given, in order: the shared
// data folder of an installed program (relative to the folder of the executable), then the
// source tree the program was built from.
std::vector<std::filesystem::path>
ledgerFolderCandidates(const std::optional<std::filesystem::path>& executableFolder);

double tonsToUnit(double tons, LoadUnit unit);
double kilonewtonsToUnit(double kilonewtons, LoadUnit unit);
double lengthToInches(double value, LengthUnit unit);

} // namespace korva::cli
