#pragma once
// Physical ranges of the values of the project data file, checked as each value is read, in
// the units of the file's own unit system, before anything is computed.
//
// The ranges are generous: they refuse only values no drilled shaft or soil profile can have
// (depths beyond the 503-ft per-depth tables, diameters beyond 30 ft, strengths and moduli
// orders of magnitude beyond real soil, rock and concrete) and that would carry the analysis
// past the float range or past an integer conversion. A zero that means "not given" or "use
// the default" (TRANLM 0 = no limit, PDMIN 0 = default, PHI 0 = from the blow count, ...) lies
// inside every range. Codes whose every value has a meaning (unit system, kinds, IMOD, NLRFD,
// sand method) are not ranged.
//
// The desktop program keeps the same limits for its entry fields in a table of its own
// (gui/model/FieldLimits); a test holds the two tables against each other.
#include "engine/deck/DeckRecordReader.h"

#include <span>
#include <string>

namespace korva {

// Unit of a ranged value, with its text in each unit system.
enum class DeckUnit {
    None,       // dimensionless: ratios, factors, coefficients, blow counts, codes
    Percent,    // RQD
    Degrees,    // angles
    Length,     // ft / m
    Settlement, // in / m (slump, design-chart settlements)
    Force,      // tons / kN (design load)
    Stress,     // lbs/ft^2 / kN/m^2 (strengths, limits of side friction and end bearing)
    UnitWeight, // lbs/ft^3 / kN/m^3
    Modulus,    // lbs/in^2 / kN/m^2
};

// The ranged values of the deck. One entry of DeckRangeTable per value, in this order.
enum class DeckValue {
    // Control record
    METHOD,
    KCYCL,
    RCYCL,
    PINC,
    ValElevation,
    // Shaft record
    DSTART,
    DIALIM,
    RATIO,
    BELANGL,
    TOPLENG,
    BS,
    EPILE,
    // Site record
    WTD,
    LPD, // design load, METHOD 1
    PD,  // proposed shaft length, METHOD 2
    FST,
    FSB,
    // Multiple lengths and design charts
    PDMIN,
    PDINCR,
    DIAMINCR,
    PDSETT,
    // Additional t-z curve depths
    TZDepth,
    // Layer table
    LayerDepth,
    MaxSideFriction,
    MaxEndBearing,
    PhiSide,
    PhiBase,
    // Property tables
    UnitWeight,
    FrictionAngle,
    InterfaceAngle,
    BlowCounts,
    Ko,
    Beta,
    OCR, // the preconsolidation stress exponent m of the Kulhawy and Chen procedure
    Cohesion,
    Alpha,
    Nc,
    CompressiveStrength,
    ConcreteStrength,
    DiscontinuitySpacing,
    DiscontinuityThickness,
    SocketDiameter,
    ElasticModulus,
    RQD,
    InterfaceCondition,
    ConcreteSlump,
    InterfaceFrictionAngle,
    PoissonsRatio,
    YoungsModulus,
};

struct DeckValueRange
{
    DeckValue value;
    const char* field;       // the project's field or column name (shared with the desktop)
    const char* description; // the value in words, as the message names it
    DeckUnit unit;
    double englishMin, englishMax; // accepted range in English units, bounds included
    double siMin, siMax;           // accepted range in SI units, bounds included
};

// The table of ranges, one entry per DeckValue in its order.
std::span<const DeckValueRange> deckRangeTable();
const DeckValueRange& deckRange(DeckValue value);

// Unit text of a unit in a unit system ("ft", "kN/m^2", ...; empty for DeckUnit::None).
const char* deckUnitText(DeckUnit unit, bool si);

// A bound as the message shows it: the shortest text, exponents without "+" or leading zeros
// ("503", "0.5", "1e9", "6.9e9").
std::string rangeBoundText(double bound);

// Value `index` of the record as a real, refused (RunFailure with StatusDeckValueOutOfRange)
// when it lies outside the range of `value` in the file's unit system. The message names the
// file, the line, the record, the position, the value as written, and the accepted range.
float readRanged(const DeckRecord& record, std::size_t index, DeckValue value, bool si);

// An integer code of the record, refused when outside [low, high].
int readRangedCode(const DeckRecord& record, std::size_t index, DeckValue value, bool si);

// Layer bottoms increase downwards: the bottom of a layer must lie below the bottom of the
// layer above (below the ground surface for the first layer). `bottomIndex` is the position
// of the bottom depth in the head record; previousText is the bottom of the layer above as
// written in the file (empty for the first layer).
void checkLayerBottom(const DeckRecord& head, std::size_t bottomIndex, int layerNumber,
                      float previousBottom, const std::string& previousText, bool si);

} // namespace korva
