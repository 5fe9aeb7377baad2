#include "cli/ValidationLedger.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace korva::cli {
namespace {

constexpr double KilonewtonsPerKip = 4.4482216152605;
constexpr double KipsPerTon = 2.0;

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return text;
}

[[noreturn]] void fail(const std::filesystem::path& file, int line, const std::string& message)
{
    std::string text = file.string();
    if (line > 0)
        text += ", line " + std::to_string(line);
    throw LedgerError(text + ": " + message);
}

// A number written with "." whatever the locale, then its unit word.
std::pair<double, std::string> numberAndUnit(const std::string& text,
                                             const std::filesystem::path& file, int line,
                                             const std::string& key)
{
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    double value = 0.0;
    const auto [rest, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || rest == begin)
        fail(file, line, "\"" + key + "\" needs a number, found \"" + text + "\"");
    return {value, trimmed(std::string_view(rest, static_cast<std::size_t>(end - rest)))};
}

LoadUnit loadUnit(const std::string& word, const std::filesystem::path& file, int line)
{
    const std::string unit = lowered(word);
    if (unit == "tons" || unit == "ton")
        return LoadUnit::Tons;
    if (unit == "kips" || unit == "kip")
        return LoadUnit::Kips;
    if (unit == "kn")
        return LoadUnit::Kilonewtons;
    fail(file, line, "unknown load unit \"" + word + "\" (tons, kips or kN)");
}

LengthUnit lengthUnit(const std::string& word, const std::filesystem::path& file, int line)
{
    const std::string unit = lowered(word);
    if (unit == "in")
        return LengthUnit::Inches;
    if (unit == "ft")
        return LengthUnit::Feet;
    if (unit == "mm")
        return LengthUnit::Millimetres;
    if (unit == "m")
        return LengthUnit::Metres;
    fail(file, line, "unknown length unit \"" + word + "\" (in, ft, mm or m)");
}

struct QuantityName
{
    const char* text;
    LedgerQuantity quantity;
};
constexpr std::array<QuantityName, 8> QuantityNames{{
    {"qs", LedgerQuantity::SideResistance},
    {"qb", LedgerQuantity::BaseResistance},
    {"qu", LedgerQuantity::TotalResistance},
    {"qdn", LedgerQuantity::AllowableLoad},
    {"lrfd qs", LedgerQuantity::FactoredSide},
    {"lrfd qb", LedgerQuantity::FactoredBase},
    {"lrfd qu", LedgerQuantity::FactoredTotal},
    {"load at settlement", LedgerQuantity::LoadAtSettlement},
}};

LedgerQuantity quantityNamed(const std::string& text, const std::filesystem::path& file, int line)
{
    const std::string name = lowered(text);
    for (const auto& entry : QuantityNames)
        if (name == entry.text)
            return entry.quantity;
    fail(file, line,
         "unknown quantity \"" + text +
             "\" (QS, QB, QU, QDN, LRFD QS, LRFD QB, LRFD QU or load at settlement)");
}

bool isCheckKey(const std::string& key)
{
    return key == "published" || key == "settlement" || key == "tolerance" || key == "reason" ||
           key == "known difference";
}

// One "key: value" entry with the indented lines that continue it.
struct Entry
{
    std::string key;
    std::string value;
    int line = 0;
};

std::vector<Entry> entriesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        fail(file, 0, "cannot be read");
    std::vector<Entry> entries;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        const std::string content = trimmed(text);
        if (content.empty() || content.front() == '#')
            continue;
        // Inside a check its entries are indented by up to three blanks; deeper indented lines
        // continue the entry above.
        const auto indent = text.find_first_not_of(" \t");
        const auto colon = content.find(':');
        const bool checkEntry = indent > 0 && indent < 4 && colon != std::string::npos &&
                                isCheckKey(lowered(trimmed(content.substr(0, colon))));
        if (indent > 0 && !checkEntry) {
            if (entries.empty())
                fail(file, line, "an indented line continues no entry");
            std::string& value = entries.back().value;
            value += value.empty() ? content : " " + content;
            continue;
        }
        if (colon == std::string::npos || colon == 0)
            fail(file, line, "expected \"key: value\", found \"" + content + "\"");
        entries.push_back(
            {lowered(trimmed(content.substr(0, colon))), trimmed(content.substr(colon + 1)), line});
    }
    if (in.bad())
        fail(file, line, "read error");
    return entries;
}

void finishCheck(LedgerCheck& check, bool hasPublished, bool hasTolerance, bool hasSettlement,
                 const std::filesystem::path& file)
{
    const std::string what = "check \"" + check.quantityText + "\"";
    if (!hasPublished)
        fail(file, check.line, what + " has no \"published\" value");
    if (!hasTolerance)
        fail(file, check.line, what + " has no \"tolerance\"");
    if (check.reason.empty())
        fail(file, check.line, what + " gives no \"reason\" for its tolerance");
    if (check.quantity == LedgerQuantity::LoadAtSettlement && !hasSettlement)
        fail(file, check.line, what + " needs a \"settlement\"");
    if (check.quantity != LedgerQuantity::LoadAtSettlement && hasSettlement)
        fail(file, check.line, what + ": \"settlement\" belongs to load-at-settlement checks");
}

} // namespace

LedgerCase readLedgerCase(const std::filesystem::path& caseFile)
{
    LedgerCase ledgerCase;
    ledgerCase.name = caseFile.stem().string();
    ledgerCase.caseFile = caseFile;
    std::string project;

    LedgerCheck* check = nullptr;
    bool hasPublished = false, hasTolerance = false, hasSettlement = false;
    for (const Entry& entry : entriesOf(caseFile)) {
        if (entry.key == "check") {
            if (check)
                finishCheck(*check, hasPublished, hasTolerance, hasSettlement, caseFile);
            ledgerCase.checks.emplace_back();
            check = &ledgerCase.checks.back();
            check->line = entry.line;
            check->quantityText = entry.value;
            check->quantity = quantityNamed(entry.value, caseFile, entry.line);
            hasPublished = hasTolerance = hasSettlement = false;
            continue;
        }
        if (!check) {
            if (entry.key == "title")
                ledgerCase.title = entry.value;
            else if (entry.key == "source")
                ledgerCase.source = entry.value;
            else if (entry.key == "example")
                ledgerCase.example = entry.value;
            else if (entry.key == "project")
                project = entry.value;
            else if (entry.key != "published values" && entry.key != "mapping" &&
                     entry.key != "notes" && entry.key != "transcription")
                fail(caseFile, entry.line, "unknown entry \"" + entry.key + "\"");
            continue;
        }
        if (entry.key == "published") {
            auto [value, unit] = numberAndUnit(entry.value, caseFile, entry.line, entry.key);
            check->published = value;
            check->unit = loadUnit(unit, caseFile, entry.line);
            check->unitText = unit;
            hasPublished = true;
        } else if (entry.key == "settlement") {
            auto [value, unit] = numberAndUnit(entry.value, caseFile, entry.line, entry.key);
            if (!(value > 0.0))
                fail(caseFile, entry.line, "the settlement must be greater than 0");
            check->settlement = value;
            check->settlementUnit = lengthUnit(unit, caseFile, entry.line);
            check->settlementText = entry.value;
            hasSettlement = true;
        } else if (entry.key == "tolerance") {
            auto [value, unit] = numberAndUnit(entry.value, caseFile, entry.line, entry.key);
            if (unit != "%" || !(value >= 0.0))
                fail(caseFile, entry.line, "the tolerance is a percentage, such as \"3 %\"");
            check->tolerancePercent = value;
            hasTolerance = true;
        } else if (entry.key == "reason") {
            check->reason = entry.value;
        } else if (entry.key == "known difference") {
            check->knownDifference = entry.value;
            if (check->knownDifference.empty())
                fail(caseFile, entry.line, "a known difference needs its reason");
        } else {
            fail(caseFile, entry.line, "unknown entry \"" + entry.key + "\" in a check");
        }
    }
    if (check)
        finishCheck(*check, hasPublished, hasTolerance, hasSettlement, caseFile);

    if (ledgerCase.title.empty() || ledgerCase.source.empty() || ledgerCase.example.empty())
        fail(caseFile, 0, "\"title\", \"source\" and \"example\" are required");
    if (project.empty())
        fail(caseFile, 0, "no \"project\" file is named");
    if (ledgerCase.checks.empty())
        fail(caseFile, 0, "no \"check\" is given");
    const std::filesystem::path projectPath(project);
    if (projectPath.has_parent_path() || projectPath.extension() != ".kv8d")
        fail(caseFile, 0,
             "the project is a .kv8d file beside the case file, found \"" + project + "\"");
    ledgerCase.projectFile = caseFile.parent_path() / projectPath;
    std::error_code error;
    if (!std::filesystem::is_regular_file(ledgerCase.projectFile, error))
        fail(caseFile, 0, "project file " + ledgerCase.projectFile.string() + " not found");
    return ledgerCase;
}

std::vector<std::filesystem::path> ledgerCaseFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto& path = it->path();
        if (path.extension() == ".txt" && path.filename() != "README.txt" &&
            it->is_regular_file(error))
            files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::filesystem::path>
ledgerFolderCandidates(const std::optional<std::filesystem::path>& executableFolder)
{
    std::vector<std::filesystem::path> candidates;
    if (executableFolder)
        candidates.push_back(
            (*executableFolder / ".." / KORVA_VALIDATION_INSTALL_DIR).lexically_normal());
    candidates.emplace_back(KORVA_SOURCE_VALIDATION_DIR);
    return candidates;
}

double tonsToUnit(double tons, LoadUnit unit)
{
    switch (unit) {
    case LoadUnit::Tons:
        return tons;
    case LoadUnit::Kips:
        return tons * KipsPerTon;
    case LoadUnit::Kilonewtons:
        return tons * KipsPerTon * KilonewtonsPerKip;
    }
    return tons;
}

double kilonewtonsToUnit(double kilonewtons, LoadUnit unit)
{
    return tonsToUnit(kilonewtons / (KipsPerTon * KilonewtonsPerKip), unit);
}

double lengthToInches(double value, LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Inches:
        return value;
    case LengthUnit::Feet:
        return value * 12.0;
    case LengthUnit::Millimetres:
        return value / 25.4;
    case LengthUnit::Metres:
        return value / 0.0254;
    }
    return value;
}

} // namespace korva::cli
