#include "engine/output/CaseWarnings.h"

#include "engine/output/FixedFormat.h"
#include "engine/output/ReportCase.h"

namespace korva {

namespace {

using methods::MethodWarning;

float weakRockValue(MethodWarning w, const methods::WeakRockResult& r)
{
    switch (w) {
    case MethodWarning::WeakRockSocketTooShort:
        return r.socketLengthRatio;
    case MethodWarning::WeakRockSocketTooLong:
        return r.extendedSocketLengthRatio;
    case MethodWarning::WeakRockModulusRatio:
        return r.modulusRatio;
    default:
        return r.socketDiameter_ft;
    }
}

void writeLines(std::ostream& out, MethodWarning w)
{
    out << '\n';
    for (std::string_view line : methods::methodWarningLines(w))
        out << blanks(5) << line << '\n';
}

void writeBlock(std::ostream& out, const std::vector<std::string>& block)
{
    for (const std::string& line : block)
        out << line << '\n';
}

} // namespace

void CaseWarnings::runStart(const LayerEstimates& estimates)
{
    for (const LayerEstimate& e : estimates)
        if (e.blowCountAndFrictionAngleMissing)
            writeLines(runNotes_, MethodWarning::SandWithoutBlowCountOrFrictionAngle);
}

void CaseWarnings::startCase(const std::filesystem::path& rockMessageFile)
{
    rock_.close();
    // A fresh file rather than a truncated one: truncating a file that holds data makes the
    // file system write it out at once, which costs more than the case itself.
    std::error_code ignored;
    std::filesystem::remove(rockMessageFile, ignored);
    rock_.open(rockMessageFile, std::ios::out | std::ios::trunc);
    rock_ << '\n';
    caseFlags_ = 0;
}

void CaseWarnings::slice(const methods::MethodWarnings& warnings,
                         const methods::WeakRockResult& weakRock, float depth_ft)
{
    for (MethodWarning w : methods::kAllMethodWarnings) {
        if (!warnings.has(w))
            continue;
        const auto bit = static_cast<std::uint32_t>(w);
        switch (w) {
        case MethodWarning::ClayStrengthFromBlowCount:
            // Once per run, into the rock messages of the case that meets it first.
            if (!(runFlags_ & bit)) {
                runFlags_ |= bit;
                writeLines(rock_, w);
            }
            break;
        case MethodWarning::UnitWeightMissing:
            // Run notes, at every slice that meets it.
            writeLines(runNotes_, w);
            break;
        case MethodWarning::SandWithoutBlowCountOrFrictionAngle:
            break; // an input error of the layer ends, reported once per run (runStart)
        case MethodWarning::WeakRockSocketTooShort:
        case MethodWarning::WeakRockSocketTooLong:
        case MethodWarning::WeakRockModulusRatio:
        case MethodWarning::WeakRockSmallDiameter: {
            const float value = weakRockValue(w, weakRock);
            const auto block = methods::weakRockWarningBlock(w, formatF(value, 9, 2));
            writeBlock(runNotes_, block);
            // The two socket-length warnings share one once-only flag.
            const std::uint32_t onceBit =
                w == MethodWarning::WeakRockSocketTooLong
                    ? static_cast<std::uint32_t>(MethodWarning::WeakRockSocketTooShort)
                    : bit;
            if (!(caseFlags_ & onceBit)) {
                caseFlags_ |= onceBit;
                writeBlock(rock_, block);
            }
            break;
        }
        case MethodWarning::StrongRockBaseCarriesNoLoad:
            break; // the report's note at the run end covers it
        default:
            // Guards: run notes with the depth, rock messages once per case.
            writeLines(runNotes_, w);
            runNotes_ << blanks(5) << "AT DEPTH =" << formatF(depth_ft, 9, 2) << " FT\n\n";
            if (!(caseFlags_ & bit)) {
                caseFlags_ |= bit;
                writeLines(rock_, w);
            }
            break;
        }
    }
}

void CaseWarnings::bellAngleUnusable()
{
    const std::vector<std::string> lines{"THE BELL ANGLE GIVES NO BELL HEIGHT; THE SHAFT IS",
                                         "ANALYZED WITHOUT A BELL."};
    caseNote(lines);
}

void CaseWarnings::nonFiniteValue()
{
    const std::vector<std::string> lines{"A RESISTANCE OR VOLUME OF THIS CASE WAS NOT A FINITE",
                                         "NUMBER (A DIVISION BY ZERO IN THE INPUT DATA); IT WAS",
                                         "TAKEN AS ZERO.  PLEASE CHECK THE SHAFT AND LAYER DATA."};
    caseNote(lines);
}

void CaseWarnings::caseNote(std::span<const std::string> lines)
{
    writeAnalysisWarning(runNotes_, lines);
    writeAnalysisWarning(rock_, lines);
}

void CaseWarnings::copyRockMessages(const std::filesystem::path& rockMessageFile,
                                    std::ostream& report)
{
    rock_.close();
    std::ifstream in(rockMessageFile);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        report << padRight(line, 80) << '\n';
    }
}

void writeProfileBeyondTables(std::ostream& report, std::ostream& runNotes)
{
    const std::vector<std::string> lines{
        "THE SOIL PROFILE WITH THE IGNORED BOTTOM PORTION AND THE",
        "BELL REACHES DEEPER THAN 503 FT (153.3 M), THE DEEPEST",
        "SHAFT LENGTH THE PROGRAM CAN ANALYZE.  THE RUN IS STOPPED;",
        "PLEASE SHORTEN THE PROFILE."};
    writeAnalysisWarning(report, lines);
    writeAnalysisWarning(runNotes, lines);
}

void writeIncreaseSoilDepth(std::ostream& runNotes)
{
    runNotes << '\n';
    for (std::string_view line : methods::kIncreaseSoilDepthLines)
        runNotes << blanks(7) << line << '\n';
}

} // namespace korva
