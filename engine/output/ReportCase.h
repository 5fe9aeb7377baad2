#pragma once

#include <ostream>
#include <span>
#include <string>

#include "engine/analysis/CapacityRows.h"
#include "engine/analysis/CaseGeometry.h"
#include "engine/output/ListedRows.h"

namespace korva {

// Case heading: case, length and diameter counters. The run notes get the same lines and one
// empty line more (the caller adds it).
void writeCaseHeading(std::ostream& out, int caseNumber, int lengthNumber, int diameterNumber);

// Values of the shaft block that are not part of the case geometry, in working units except
// Ec, which is shown as entered.
struct ShaftBlockValues
{
    float bellAngle_deg = 0.0f;
    float topLength_ft = 0.0f;
    float bottomLength_ft = 0.0f; // as rounded for the analysis
    float concreteModulusAsRead = 0.0f;
    bool si = false;
};

// "DRILLED SHAFT INFORMATION" block of a case. The first two value lines (stem and base
// diameter) are what the run notes repeat: runNotesLines gives them.
void writeShaftInformation(std::ostream& out, const CaseGeometry& geometry,
                           const ShaftBlockValues& values);
void writeShaftDiameterLines(std::ostream& out, const CaseGeometry& geometry, bool si);

// "SHAFT LENGTH" line of a shaft-length-given run.
void writeShaftLengthLine(std::ostream& out, float length_ft, bool si);

// "PREDICTED RESULTS" legend and the column heading of the result table.
void writeResultsLegend(std::ostream& out, bool lrfd);
void writeResultsTableHeading(std::ostream& out, bool lrfd, bool uplift, bool si);

// One result row, already in report units. Layout A: volume and forces with 2 decimals;
// layout B (rows listed in SI runs): with 1 decimal. LRFD runs show LRFD QS, QB and QU in the
// last three columns.
enum class RowLayout { A, B };
std::string resultRowLine(const CapacityRow& row, RowLayout layout, bool lrfd);

// Opening of a case in the report and the run notes: the case heading, the shaft block (the
// run notes repeat its diameters), the shaft length of a length-given run, and in the report
// the legend and the column heading of the result table.
struct CaseOpening
{
    int caseNumber = 0;
    int lengthNumber = 0;
    int diameterNumber = 0;
    ShaftBlockValues shaft;
    bool lengthGiven = false; // METHOD 2: the "SHAFT LENGTH" line
    float length_ft = 0.0f;
    bool lrfd = false;
    bool uplift = false;
};
void writeCaseOpening(std::ostream& report, std::ostream& runNotes, const CaseGeometry& geometry,
                      const CaseOpening& opening);

// The result rows of a case, the rows in working units: a design-load run first lists every
// computed row; the rows at the depth step of the listing follow, except in a design-load run
// that reached its final length.
void writeCaseResultRows(std::ostream& report, std::span<const CapacityRow> rows, bool reachedFinal,
                         const ListingSettings& listing, bool lrfd);

// The closing lines of a design-load run whose load is never reached.
inline constexpr const char* kNeedAnotherSoilLayerLine =
    "   *********** NEED ANOTHER SOIL LAYER ************";
void writeNeedAnotherSoilLayer(std::ostream& out);

// Headings of the t-z curves at additional depths and of the load-settlement tables.
void writeAdditionalTzHeading(std::ostream& out);
void writeLoadSettlementHeading(std::ostream& out);

// Top load and top movement of curve 1 (15 points), in report units, for cases reported
// before the first case whose tip stands in soil.
struct CurvePoint
{
    float topLoad = 0.0f;
    float topMovement = 0.0f;
    float tipLoad = 0.0f;
    float tipMovement = 0.0f;
};
void writeCurveOnePoints(std::ostream& out, std::span<const CurvePoint> points, bool si);

// The shaft with the greatest QU per volume of concrete so far (working units).
struct BestCase
{
    bool found = false;
    float stemDiameter_ft = 0.0f;
    float baseDiameter_ft = 0.0f;
    float length_ft = 0.0f;
    float volume_yd3 = 0.0f;
    float qu_tons = 0.0f;
    float quPerVolume = 0.0f;
};
void writeBestCase(std::ostream& out, const BestCase& best, bool si);

// Note of a profile ending in clay shale weaker than 1000 psi.
void writeWeakRockNote(std::ostream& out);

// A warning framed for the report and run notes, for conditions of the analysis that have no
// text of their own (a value that would not be a finite number, a profile beyond the tables).
void writeAnalysisWarning(std::ostream& out, std::span<const std::string> lines);

} // namespace korva
