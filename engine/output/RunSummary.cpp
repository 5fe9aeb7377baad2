#include "engine/output/RunSummary.h"
#include "engine/output/JsonNumber.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace korva {

namespace {

float capacity(const CaseSummary& c, bool lrfd)
{
    return lrfd ? c.finalRow.lrfdQu : c.finalRow.qdn;
}

} // namespace

std::string summaryFigure(float value, int decimals)
{
    if (!std::isfinite(value))
        return "n/a";
    char buffer[48];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("n/a");
}

std::string runSummaryText(const AnalysisSummary& summary, SummaryUnits units, int32_t status)
{
    const char* length = units.si ? "m" : "ft";
    const char* force = units.si ? "kN" : "tons";
    std::string text;
    for (const CaseSummary& c : summary.cases) {
        std::string line = "case " + std::to_string(c.caseNumber) + ": diameter " +
                           summaryFigure(c.stemDiameter, 2) + " " + length;
        if (!c.hasRows) {
            text += line + ", no capacity rows (profile too shallow)\n";
            continue;
        }
        line += ", length " + summaryFigure(c.finalRow.length, 2) + " " + length +
                (c.reachedFinal ? "" : " (design load not reached)") + ", QS " +
                summaryFigure(c.finalRow.qs, 1) + (units.uplift ? ", WT " : ", QB ") +
                summaryFigure(c.finalRow.qb, 1) + ", QU " + summaryFigure(c.finalRow.qu, 1) +
                (units.lrfd ? ", factored " : ", allowable ") +
                summaryFigure(capacity(c, units.lrfd), 1) + " " + force + "\n";
        text += line;
    }
    text += "status " + std::to_string(status) + "\n";
    return text;
}

std::string runSummaryJson(const AnalysisSummary& summary, SummaryUnits units, int32_t status)
{
    std::string json = "{\"status\": " + std::to_string(status) + ", \"units\": \"" +
                       (units.si ? "SI" : "English") + "\", \"design\": \"" +
                       (units.lrfd ? "LRFD" : "ASD") + "\", \"loading\": \"" +
                       (units.uplift ? "uplift" : "compression") + "\", \"cases\": [";
    bool first = true;
    for (const CaseSummary& c : summary.cases) {
        json += first ? "" : ", ";
        first = false;
        json += "{\"case\": " + std::to_string(c.caseNumber) +
                ", \"diameter\": " + jsonNumber(c.stemDiameter) +
                ", \"baseDiameter\": " + jsonNumber(c.baseDiameter) +
                ", \"finalLengthReached\": " + (c.reachedFinal ? "true" : "false");
        if (c.hasRows)
            json += ", \"length\": " + jsonNumber(c.finalRow.length) +
                    ", \"QS\": " + jsonNumber(c.finalRow.qs) +
                    ", \"QB\": " + jsonNumber(c.finalRow.qb) +
                    ", \"QU\": " + jsonNumber(c.finalRow.qu) + ", \"" +
                    (units.lrfd ? "factored" : "allowable") +
                    "\": " + jsonNumber(capacity(c, units.lrfd));
        json += "}";
    }
    json += "]}\n";
    return json;
}

} // namespace korva
