#include "engine/RunSummary.h"

#include <charconv>
#include <cmath>

namespace korva {

namespace {

std::string number(float value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

float capacity(const CaseSummary& c, bool lrfd)
{
    return lrfd ? c.finalRow.lrfdQu : c.finalRow.qdn;
}

} // namespace

std::string runSummaryText(const AnalysisSummary& summary, SummaryUnits units, int32_t status)
{
    const char* length = units.si ? "m" : "ft";
    const char* force = units.si ? "kN" : "tons";
    std::string text;
    for (const CaseSummary& c : summary.cases) {
        std::string line = "case " + std::to_string(c.caseNumber) + ": diameter " +
                           number(c.stemDiameter) + " " + length;
        if (!c.hasRows) {
            text += line + ", no capacity rows (profile too shallow)\n";
            continue;
        }
        line += ", length " + number(c.finalRow.length) + " " + length +
                (c.reachedFinal ? "" : " (design load not reached)") + ", QS " +
                number(c.finalRow.qs) + ", QB " + number(c.finalRow.qb) + ", QU " +
                number(c.finalRow.qu) + (units.lrfd ? ", factored " : ", allowable ") +
                number(capacity(c, units.lrfd)) + " " + force + "\n";
        text += line;
    }
    text += "status " + std::to_string(status) + "\n";
    return text;
}

std::string runSummaryJson(const AnalysisSummary& summary, SummaryUnits units, int32_t status)
{
    std::string json = "{\"status\": " + std::to_string(status) + ", \"units\": \"" +
                       (units.si ? "SI" : "English") + "\", \"design\": \"" +
                       (units.lrfd ? "LRFD" : "ASD") + "\", \"cases\": [";
    bool first = true;
    for (const CaseSummary& c : summary.cases) {
        json += first ? "" : ", ";
        first = false;
        json += "{\"case\": " + std::to_string(c.caseNumber) +
                ", \"diameter\": " + number(c.stemDiameter) +
                ", \"baseDiameter\": " + number(c.baseDiameter) +
                ", \"finalLengthReached\": " + (c.reachedFinal ? "true" : "false");
        if (c.hasRows)
            json += ", \"length\": " + number(c.finalRow.length) +
                    ", \"QS\": " + number(c.finalRow.qs) + ", \"QB\": " + number(c.finalRow.qb) +
                    ", \"QU\": " + number(c.finalRow.qu) + ", \"" +
                    (units.lrfd ? "factored" : "allowable") +
                    "\": " + number(capacity(c, units.lrfd));
        json += "}";
    }
    json += "]}\n";
    return json;
}

} // namespace korva
