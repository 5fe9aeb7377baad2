#include "cli/ValidationRun.h"

#include "engine/run/ProgramVersion.h"
#include "engine/run/RunFileNames.h"
#include "engine/run/RunStatus.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <system_error>

namespace korva::cli {
namespace {

// Fixed-point text of a value, written with "." whatever the locale.
std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    for (char& c : result)
        if (c == ',')
            c = '.';
    return result;
}

// Enough decimals to show four significant digits of a load, two at least.
std::string loadText(double value, const std::string& unit)
{
    const double magnitude = std::fabs(value);
    const int decimals = magnitude >= 1000.0 ? 1 : 2;
    return fixed(value, decimals) + " " + unit;
}

struct KorvaValue
{
    bool found = false;
    double value = 0.0;  // in the check's unit
    std::string missing; // why there is no value
};

// Head load of a curve (report units) at a head movement, by straight lines between its points
// and from the origin to its first point; nothing beyond its last point.
std::optional<double> headLoadAt(const std::array<CurvePoint, 15>& curve, double movement)
{
    double previousMovement = 0.0, previousLoad = 0.0;
    for (const CurvePoint& point : curve) {
        const double pointMovement = point.topMovement;
        if (pointMovement >= movement) {
            if (pointMovement <= previousMovement)
                return point.topLoad;
            const double share = (movement - previousMovement) / (pointMovement - previousMovement);
            return previousLoad + share * (point.topLoad - previousLoad);
        }
        if (pointMovement > previousMovement) {
            previousMovement = pointMovement;
            previousLoad = point.topLoad;
        }
    }
    return std::nullopt;
}

KorvaValue korvaValue(const LedgerCheck& check, const RunOutcome& outcome)
{
    KorvaValue result;
    if (outcome.status != StatusNormal) {
        result.missing = "run status " + std::to_string(outcome.status) + ": " +
                         describeRunStatus(outcome.status);
        return result;
    }
    if (outcome.summary.cases.empty() || !outcome.summary.cases.front().hasRows) {
        result.missing = "the run gave no capacity rows";
        return result;
    }
    const CaseSummary& first = outcome.summary.cases.front();
    const CapacityRow& row = first.finalRow;
    double reportValue = 0.0;
    switch (check.quantity) {
    case LedgerQuantity::SideResistance:
        reportValue = row.qs;
        break;
    case LedgerQuantity::BaseResistance:
        reportValue = row.qb;
        break;
    case LedgerQuantity::TotalResistance:
        reportValue = row.qu;
        break;
    case LedgerQuantity::AllowableLoad:
        reportValue = row.qdn;
        break;
    case LedgerQuantity::FactoredSide:
        reportValue = row.lrfdQs;
        break;
    case LedgerQuantity::FactoredBase:
        reportValue = row.lrfdQb;
        break;
    case LedgerQuantity::FactoredTotal:
        reportValue = row.lrfdQu;
        break;
    case LedgerQuantity::LoadAtSettlement: {
        if (first.curveCount < 1) {
            result.missing = "no load-settlement curve was computed";
            return result;
        }
        // Curve movements are in inches (English) or metres (SI).
        const double inches = lengthToInches(check.settlement, check.settlementUnit);
        const double movement = outcome.si ? inches * 0.0254 : inches;
        const auto load = headLoadAt(first.curves[0], movement);
        if (!load) {
            result.missing = "the settlement lies beyond the computed curve";
            return result;
        }
        reportValue = *load;
        break;
    }
    }
    if (!std::isfinite(reportValue)) {
        result.missing = "the run gave no finite value";
        return result;
    }
    result.found = true;
    result.value = outcome.si ? kilonewtonsToUnit(reportValue, check.unit)
                              : tonsToUnit(reportValue, check.unit);
    return result;
}

std::filesystem::path freshTemporaryFolder(const std::string& caseName)
{
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto folder = base / ("korva-validate-" + caseName + "-" + std::to_string(seed()));
        if (std::filesystem::create_directory(folder))
            return folder;
    }
    throw std::filesystem::filesystem_error("no fresh temporary folder", base,
                                            std::make_error_code(std::errc::file_exists));
}

const char* verdictText(CheckVerdict verdict)
{
    switch (verdict) {
    case CheckVerdict::Pass:
        return "pass";
    case CheckVerdict::Fail:
        return "FAIL";
    case CheckVerdict::Known:
        return "known difference";
    }
    return "FAIL";
}

void writeTable(const std::vector<CheckResult>& results, std::ostream& out)
{
    const std::vector<std::string> headings{"case",  "quantity",     "published",
                                            "Korva", "difference %", "result"};
    std::vector<std::size_t> widths;
    for (const auto& heading : headings)
        widths.push_back(heading.size());
    auto cells = [](const CheckResult& r) {
        return std::vector<std::string>{r.caseName, r.quantity,   r.published,
                                        r.korva,    r.difference, verdictText(r.verdict)};
    };
    for (const auto& result : results) {
        const auto row = cells(result);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    auto writeRow = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            // Numbers right-aligned, words left-aligned.
            const bool number = i >= 2 && i <= 4;
            const std::string pad(widths[i] - row[i].size(), ' ');
            line += number ? pad + row[i] : row[i] + (i + 1 < row.size() ? pad : "");
            if (i + 1 < row.size())
                line += "  ";
        }
        out << line << '\n';
    };
    writeRow(headings);
    std::vector<std::string> rule;
    for (auto width : widths)
        rule.emplace_back(width, '-');
    writeRow(rule);
    for (const auto& result : results)
        writeRow(cells(result));
}

} // namespace

std::vector<CheckResult> evaluateChecks(const LedgerCase& ledgerCase, const RunOutcome& outcome)
{
    std::vector<CheckResult> results;
    for (const LedgerCheck& check : ledgerCase.checks) {
        CheckResult result;
        result.caseName = ledgerCase.name;
        result.quantity = check.quantityText;
        if (check.quantity == LedgerQuantity::LoadAtSettlement)
            result.quantity += " " + check.settlementText;
        result.published = loadText(check.published, check.unitText);
        const KorvaValue value = korvaValue(check, outcome);
        if (!value.found) {
            result.korva = "-";
            result.difference = "-";
            result.verdict = CheckVerdict::Fail;
            result.note = value.missing;
            results.push_back(result);
            continue;
        }
        result.korva = loadText(value.value, check.unitText);
        const double difference = check.published != 0.0 ? (value.value - check.published) /
                                                               std::fabs(check.published) * 100.0
                                                         : (value.value == 0.0 ? 0.0 : INFINITY);
        result.difference = std::isfinite(difference) ? fixed(difference, 1) : "inf";
        if (difference > -0.05 && result.difference == "-0.0")
            result.difference = "0.0";
        const bool within = std::fabs(difference) <= check.tolerancePercent;
        if (within)
            result.verdict = CheckVerdict::Pass;
        else if (!check.knownDifference.empty())
            result.verdict = CheckVerdict::Known;
        else
            result.verdict = CheckVerdict::Fail;
        if (!within)
            result.note = check.knownDifference.empty()
                              ? "beyond the tolerance of " + fixed(check.tolerancePercent, 1) + " %"
                              : check.knownDifference;
        else if (!check.knownDifference.empty())
            result.note = "marked as a known difference but now within the tolerance; "
                          "review the case file";
        results.push_back(result);
    }
    return results;
}

RunOutcome runLedgerProject(const LedgerCase& ledgerCase)
{
    const std::filesystem::path folder = freshTemporaryFolder(ledgerCase.name);
    RunOutcome outcome;
    try {
        const auto project = folder / ledgerCase.projectFile.filename();
        std::filesystem::copy_file(ledgerCase.projectFile, project);
        outcome = runAnalysis(runFileNamesForProject(project, kProgramVersionText));
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        throw;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return outcome;
}

int runValidation(const std::optional<std::filesystem::path>& ledgerFolder,
                  const std::optional<std::filesystem::path>& executableFolder, std::ostream& out,
                  std::ostream& err)
{
    std::vector<std::filesystem::path> candidates =
        ledgerFolder ? std::vector<std::filesystem::path>{*ledgerFolder}
                     : ledgerFolderCandidates(executableFolder);
    std::optional<std::filesystem::path> folder;
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_directory(candidate, error)) {
            folder = candidate;
            break;
        }
    }
    if (!folder) {
        err << "korva: validation ledger not found; looked in:\n";
        for (const auto& candidate : candidates)
            err << "  " << candidate.string() << '\n';
        return 1;
    }
    const auto caseFiles = ledgerCaseFiles(*folder);
    if (caseFiles.empty()) {
        err << "korva: the validation ledger " << folder->string() << " holds no case file\n";
        return 1;
    }

    out << "Validation ledger: " << folder->string() << " (" << caseFiles.size() << " cases)\n\n";
    std::vector<CheckResult> results;
    std::vector<std::string> caseErrors;
    for (const auto& caseFile : caseFiles) {
        try {
            const LedgerCase ledgerCase = readLedgerCase(caseFile);
            const RunOutcome outcome = runLedgerProject(ledgerCase);
            const auto caseResults = evaluateChecks(ledgerCase, outcome);
            results.insert(results.end(), caseResults.begin(), caseResults.end());
        } catch (const LedgerError& error) {
            caseErrors.push_back(error.what());
        } catch (const std::exception& error) {
            caseErrors.push_back(caseFile.string() + ": " + error.what());
        }
    }
    writeTable(results, out);

    int passed = 0, failed = 0, known = 0;
    for (const auto& result : results) {
        passed += result.verdict == CheckVerdict::Pass;
        failed += result.verdict == CheckVerdict::Fail;
        known += result.verdict == CheckVerdict::Known;
    }
    bool heading = false;
    for (const auto& result : results) {
        if (result.note.empty())
            continue;
        if (!heading)
            out << "\nNotes:\n";
        heading = true;
        out << "  " << result.caseName << ", " << result.quantity << " ("
            << verdictText(result.verdict) << "): " << result.note << '\n';
    }
    for (const auto& message : caseErrors)
        err << "korva: case file not usable: " << message << '\n';
    out << '\n'
        << results.size() << " checked values: " << passed << " pass, " << failed << " fail, "
        << known << " known differences (reported, not failing)";
    if (!caseErrors.empty())
        out << "; " << caseErrors.size() << " case files not usable";
    out << '\n';
    return failed == 0 && caseErrors.empty() ? 0 : 1;
}

} // namespace korva::cli
