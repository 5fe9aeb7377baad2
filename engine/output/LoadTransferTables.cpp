#include "engine/output/LoadTransferTables.h"

#include <initializer_list>

#include "engine/output/FixedFormat.h"
#include "engine/output/LoadTransferTexts.h"

namespace korva {
namespace {

using methods::ChartSettlementResult;
using methods::CurveBuildCode;
using methods::CurveSelector;
using methods::kQwPointCount;
using methods::kTzPointCount;
using methods::LoadLevel;
using methods::LoadSettlementCurve;
using methods::SegmentRecord;
using methods::SettlementPoint;
using methods::TzCurve;

constexpr int kSi = 2;

std::string unitsLine(int unitSystem)
{
    return std::string(unitSystem == kSi ? texts::kLoadSettlementUnitsSi
                                         : texts::kLoadSettlementUnitsEnglish);
}

std::string pointRow(const SettlementPoint& p)
{
    return formatE(p.topLoad, 17, 4) + formatE(p.topMovement, 16, 4) + formatE(p.tipLoad, 16, 4) +
           formatE(p.tipMovement, 16, 4);
}

// A line with each text placed from its column on (columns 0-based, increasing).
struct Placed
{
    int column;
    std::string_view text;
};
std::string placedLine(std::initializer_list<Placed> items)
{
    std::string line;
    for (const Placed& item : items) {
        line += blanks(item.column - static_cast<int>(line.size()));
        line += item.text;
    }
    return line;
}

std::string freePair(float a, float b)
{
    return freeFormat(a) + freeFormat(b);
}

} // namespace

std::vector<std::string> beyondProfileWarningLines(CurveBuildCode code, float depth_in)
{
    if (code == CurveBuildCode::TzDepthBeyondProfile) {
        return {"", std::string(texts::kWarningHeading),
                std::string(texts::kValueOfX) +
                    formatE(depth_in, texts::kTzDepthFieldWidth, texts::kTzDepthFieldDecimals) +
                    std::string(texts::kTzDepthBeyondProfile)};
    }
    if (code == CurveBuildCode::TipBeyondProfile) {
        return {"", std::string(texts::kWarningHeading),
                std::string(texts::kValueOfX) +
                    formatE(depth_in, texts::kTipDepthFieldWidth, texts::kTipDepthFieldDecimals) +
                    std::string(texts::kTipDepthBeyondProfile)};
    }
    return {};
}

std::vector<std::string> loadSettlementTableLines(CurveSelector selector,
                                                  std::span<const SettlementPoint> points,
                                                  int unitSystem)
{
    std::vector<std::string> lines = {std::string(texts::selectorHeading(selector)), "",
                                      std::string(texts::kLoadSettlementColumns),
                                      unitsLine(unitSystem)};
    for (const SettlementPoint& p : points) {
        lines.push_back(pointRow(p));
    }
    return lines;
}

std::vector<std::string> definedSettlementTableLines(std::span<const SettlementPoint> points,
                                                     int unitSystem)
{
    std::vector<std::string> lines = {std::string(texts::kDefinedSettlementsHeading),
                                      std::string(texts::kLoadSettlementColumns),
                                      unitsLine(unitSystem)};
    for (const SettlementPoint& p : points) {
        lines.push_back(pointRow(p));
    }
    return lines;
}

std::vector<std::string> tzCurveTableLines(std::span<const TzCurveOutput> curves)
{
    // The heading sits over the curve line's fields: number, point count, depth, and the
    // point columns.
    std::vector<std::string> lines = {blanks(5) + std::string(texts::kTzTableHeading),
                                      placedLine({{8, "NO."}, {17, "POINTS"}})};
    for (const TzCurveOutput& curve : curves) {
        lines.push_back(blanks(8) + formatI(curve.number, 5) + formatI(curve.pointCount, 11) +
                        formatE(curve.depth, 16, 4));
        for (int i = 0; i < kTzPointCount; ++i) {
            lines.push_back(blanks(40) + formatE(curve.transfer[i], 17, 4) +
                            formatE(curve.movement[i], 16, 4));
        }
    }
    return lines;
}

std::vector<std::string> tzDetailFileLines(const LoadSettlementCurve& curve)
{
    std::vector<std::string> lines = {std::string(texts::kTzNoteSandClay), "", ""};
    std::vector<TzCurveOutput> inches;
    inches.reserve(curve.tzCurves.size());
    for (const TzCurve& tz : curve.tzCurves) {
        inches.push_back(tzCurveForOutput(tz, 1));
    }
    for (std::string& line : tzCurveTableLines(inches)) {
        lines.push_back(std::move(line));
    }
    for (const LoadLevel& level : curve.levels) {
        lines.emplace_back(texts::kPageMark);
        lines.emplace_back(texts::kAssumedTipMovementColumns);
        lines.push_back(placedLine({{18, "(IN.)"}, {41, "(LBS)"}}));
        lines.push_back(formatE(level.baseMovement_in, 23, 4) + formatE(level.baseLoad_lb, 23, 4));
        lines.emplace_back(texts::kSegmentColumns1);
        lines.emplace_back(texts::kSegmentColumns2);
        lines.push_back(placedLine({{5, "(IN.)"},
                                    {13, "(PSI)"},
                                    {22, "(LBS)"},
                                    {32, "(LBS)"},
                                    {43, "(LBS)"},
                                    {51, "(IN.)"},
                                    {62, "(IN.)"},
                                    {72, "(IN.)"}}));
        const auto nodeRow = [](float depth, float load, float movement) {
            return blanks(3) + formatF(depth, 7, 2) + blanks(19) + formatE(load, 10, 3) +
                   blanks(20) + formatE(movement, 10, 3);
        };
        for (const SegmentRecord& s : level.segments) {
            lines.push_back(nodeRow(s.lowerDepth_in, s.lowerLoad_lb, s.lowerMovement_in));
            lines.push_back(blanks(3) + formatF(s.middleDepth_in, 7, 2) +
                            formatF(s.transfer_psi, 9, 2) + formatE(s.loadIncrement_lb, 10, 3) +
                            blanks(10) + formatE(s.middleLoad_lb, 10, 3) +
                            formatE(s.compression_in, 10, 3) + blanks(10) +
                            formatE(s.middleMovement_in, 10, 3));
        }
        lines.push_back(nodeRow(level.headDepth_in, level.headLoad_lb, level.headMovement_in));
    }
    return lines;
}

std::vector<std::string> socketTableHeadingLines()
{
    return {"", "", std::string(texts::kSocketTableTitle),
            std::string(texts::kSocketTableUnderline)};
}

std::vector<std::string> tzPlotCurveLines(std::span<const TzCurveOutput> curves)
{
    std::vector<std::string> lines;
    for (const TzCurveOutput& curve : curves) {
        lines.push_back(formatI(curve.number, 5) + formatI(curve.pointCount, 5) +
                        formatF(curve.depth, 10, 2));
        for (int i = 0; i < kTzPointCount; ++i) {
            lines.push_back(freePair(curve.transfer[i], curve.movement[i]));
        }
    }
    return lines;
}

std::vector<std::string> additionalTzPlotCurveLines(std::span<const TzCurveOutput> curves)
{
    std::vector<std::string> lines;
    for (const TzCurveOutput& curve : curves) {
        lines.push_back(blanks(8) + formatI(curve.number, 5) + formatI(curve.pointCount, 11) +
                        formatE(curve.depth, 16, 4));
        for (int i = 0; i < kTzPointCount; ++i) {
            lines.push_back(freePair(curve.transfer[i], curve.movement[i]));
        }
    }
    return lines;
}

std::vector<std::string> qwPlotCurveLines(int diameterCounter, float shaftDiameter,
                                          const QwCurveOutput& curve)
{
    std::vector<std::string> lines = {formatI(diameterCounter, 5) + formatF(shaftDiameter, 10, 2) +
                                      formatI(curve.pointCount, 5)};
    for (int i = 0; i < kQwPointCount; ++i) {
        lines.push_back(freePair(curve.load[i], curve.movement[i]));
    }
    return lines;
}

std::string chartFileHeadingLine()
{
    return std::string(texts::kChartFileHeading);
}

std::string chartFileSettlementLine(int diameterCounter, int lengthCounter,
                                    const ChartSettlementResult& result)
{
    return formatI(diameterCounter, 5) + formatI(lengthCounter, 5) +
           formatE(result.baseDiameter_in, 10, 3) + formatE(result.baseMovement_in, 10, 3) +
           formatE(result.baseArea_in2, 10, 3);
}

std::string chartFileTopSegmentLine(const ChartSettlementResult& result)
{
    return formatE(result.topSegmentMiddleDepth_in, 10, 3) +
           formatE(result.topSegmentMiddleLoad_lb, 10, 3) +
           formatE(result.topSegmentMiddleMovement_in, 10, 3);
}

std::vector<std::string> loadDistributionLines(std::span<const LoadDistributionRow> rows)
{
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const LoadDistributionRow& row : rows) {
        lines.push_back(blanks(3) + formatE(row.depth, 10, 3) + blanks(3) +
                        formatE(row.load, 10, 3) + blanks(3) + formatE(row.movement_in, 10, 3));
    }
    return lines;
}

} // namespace korva
