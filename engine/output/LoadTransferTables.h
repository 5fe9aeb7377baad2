#pragma once
#include <span>
#include <string>
#include <vector>

#include "engine/methods/CurveBuildCode.h"
#include "engine/methods/CurveSelector.h"
#include "engine/methods/LoadSettlementSolution.h"
#include "engine/output/LoadTransferOutput.h"

// Text lines of the load-transfer and load-settlement tables, ready to be written one per line
// by the file's owner. No file is touched here.
namespace korva {

// The warning for a curve depth (code 2, E10.3) or a tip depth (code 4, E9.2) below the
// strength profile: an empty line, the warning heading and the value line. Empty for other
// codes.
std::vector<std::string> beyondProfileWarningLines(methods::CurveBuildCode code, float depth_in);

// Report table of one selector's load-settlement curve (soil tip): the selector heading, an
// empty line, the column heading, the units line and one row per point (E17.4, 3 x E16.4).
std::vector<std::string> loadSettlementTableLines(methods::CurveSelector selector,
                                                  std::span<const methods::SettlementPoint> points,
                                                  int unitSystem);

// Report table of the design-chart settlements: "RESULT FOR DEFINED SETTLEMENTS", the column
// heading, the units line and one row per settlement.
std::vector<std::string>
definedSettlementTableLines(std::span<const methods::SettlementPoint> points, int unitSystem);

// t-z curve table: the column heading, the "NO." / "POINTS" line, then per curve a line of
// 8 blanks, number I5, point count I11, depth E16.4, and one line per point of 40 blanks,
// load transfer E17.4 and movement E16.4.
std::vector<std::string> tzCurveTableLines(std::span<const TzCurveOutput> curves);

// The detail file of one solution (inches and pounds): the t-z note and curve table, then per
// assumed base movement a page mark, the base movement and load, and the node and segment
// rows from the base up to the head.
std::vector<std::string> tzDetailFileLines(const methods::LoadSettlementCurve& curve);

// Heading of a socket load-settlement table: two empty lines, the title and its underline.
std::vector<std::string> socketTableHeadingLines();

// Curve-data scratch lines for the plot file.
// t-z curves: per curve a line of number I5, point count I5 and depth F10.2, then its
// (load transfer, movement) pairs in free format, one pair per line.
std::vector<std::string> tzPlotCurveLines(std::span<const TzCurveOutput> curves);
// Additional t-z curves: per curve a line of 8 blanks, number I5, point count I11 and depth
// E16.4, then its pairs in free format (the count line is the caller's).
std::vector<std::string> additionalTzPlotCurveLines(std::span<const TzCurveOutput> curves);
// One Q-w curve: a line of the diameter counter I5, the shaft diameter F10.2 (ft or m) and the
// point count I5, then its (load, movement) pairs in free format.
std::vector<std::string> qwPlotCurveLines(int diameterCounter, float shaftDiameter,
                                          const QwCurveOutput& curve);
// Design-chart work file: the heading record (before the first settlement of a run), a record
// per settlement (diameter and length counters I5, base diameter, base movement and base area
// E10.3) and the record of its top segment (middle depth, middle load, middle movement E10.3).
std::string chartFileHeadingLine();
std::string chartFileSettlementLine(int diameterCounter, int lengthCounter,
                                    const methods::ChartSettlementResult& result);
std::string chartFileTopSegmentLine(const methods::ChartSettlementResult& result);

// Load distribution: one line per row, three values each three blanks and E10.3.
std::vector<std::string> loadDistributionLines(std::span<const LoadDistributionRow> rows);

} // namespace korva
