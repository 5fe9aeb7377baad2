#include "engine/deck/DeckRanges.h"

#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korva {
namespace {

using U = DeckUnit;
using V = DeckValue;

// Accepted ranges of the deck values, bounds included.
// SI bounds are the English bounds converted and rounded outwards to two significant digits
// (depths: 503 ft is the deepest per-depth table row; 153.3 m = 503 ft as the engine converts).
//
// value | field | description | unit | English min, max | SI min, max
constexpr std::array<DeckValueRange, 49> kRangeTable{{
    {V::METHOD, "METHOD", "computation method", U::None, 1, 2, 1, 2},
    {V::KCYCL, "KCYCL", "type of loading", U::None, 1, 2, 1, 2},
    {V::RCYCL, "RCYCL", "reduction factor for uplift", U::None, 0, 1, 0, 1},
    {V::PINC, "PINC", "output increment", U::Length, 0, 503, 0, 153.3},
    {V::ValElevation, "ValElevation", "elevation of the top of the shaft", U::Length, -30000, 30000,
     -9200, 9200},

    {V::DSTART, "DSTART", "minimum shaft diameter", U::Length, 0.1, 30, 0.03, 9.2},
    {V::DIALIM, "DIALIM", "maximum shaft diameter", U::Length, 0, 30, 0, 9.2},
    {V::RATIO, "RATIO", "ratio of bell to shaft diameter", U::None, 0, 10, 0, 10},
    {V::BELANGL, "BELANGL", "bell angle", U::Degrees, 0, 90, 0, 90},
    {V::TOPLENG, "TOPLENG", "top portion without side resistance", U::Length, 0, 503, 0, 153.3},
    {V::BS, "BS", "bottom portion without side resistance", U::Length, 0, 503, 0, 153.3},
    {V::EPILE, "EPILE", "modulus of the shaft", U::Modulus, 1e3, 1e9, 6.8e3, 6.9e9},

    {V::WTD, "WTD", "depth of the water table", U::Length, 0, 1e4, 0, 3100},
    {V::LPD, "LPD", "design load", U::Force, 0, 1e6, 0, 8.9e6},
    {V::PD, "PD", "shaft length", U::Length, 0, 503, 0, 153.3},
    {V::FST, "FST", "factor of safety on side friction", U::None, 1, 100, 1, 100},
    {V::FSB, "FSB", "factor of safety on base capacity", U::None, 1, 100, 1, 100},

    {V::PDMIN, "PDMIN", "minimum shaft length", U::Length, 0, 503, 0, 153.3},
    {V::PDINCR, "PDINCR", "shaft length increment", U::Length, 0, 503, 0, 153.3},
    {V::DIAMINCR, "DIAMINCR", "shaft diameter increment", U::Length, 0, 30, 0, 9.2},
    {V::PDSETT, "PDSETT", "design-chart settlement", U::Settlement, 0, 100, 0, 2.6},

    {V::TZDepth, "TZDepth", "depth of a t-z curve", U::Length, 0, 503, 0, 153.3},

    {V::LayerDepth, "Depth", "bottom depth", U::Length, 0, 503, 0, 153.3},
    // 1e10 and above is the engine's own "no limit"; 0 means no limit too.
    {V::MaxSideFriction, "MaxSideFriction", "maximum side friction", U::Stress, 0, 1e10, 0, 1e10},
    {V::MaxEndBearing, "MaxEndBearing", "maximum end bearing", U::Stress, 0, 1e10, 0, 1e10},
    {V::PhiSide, "PhiSide", "resistance factor for side friction", U::None, 0, 1, 0, 1},
    {V::PhiBase, "PhiBase", "resistance factor for end bearing", U::None, 0, 1, 0, 1},

    {V::UnitWeight, "UnitWeight", "total unit weight", U::UnitWeight, 0, 300, 0, 48},
    {V::FrictionAngle, "FrictionAngle", "friction angle", U::Degrees, 0, 60, 0, 60},
    {V::InterfaceAngle, "InterfaceAngle", "interface angle", U::Degrees, 0, 60, 0, 60},
    {V::BlowCounts, "BlowCounts", "blow count", U::None, 0, 1000, 0, 1000},
    {V::Ko, "Ko", "coefficient of lateral earth pressure Ko", U::None, 0, 10, 0, 10},
    {V::Beta, "Beta", "beta", U::None, 0, 10, 0, 10},
    {V::OCR, "OCR", "preconsolidation stress exponent m", U::None, 0, 10, 0, 10},
    {V::Cohesion, "Cohesion", "undrained shear strength", U::Stress, 0, 1e6, 0, 4.8e4},
    {V::Alpha, "Alpha", "alpha factor", U::None, 0, 10, 0, 10},
    {V::Nc, "Nc", "bearing capacity coefficient Nc", U::None, 0, 100, 0, 100},
    {V::CompressiveStrength, "CompressiveStrength", "rock compressive strength", U::Stress, 0, 1e8,
     0, 4.8e6},
    {V::ConcreteStrength, "ConcreteStrength", "concrete compressive strength", U::Stress, 0, 1e8, 0,
     4.8e6},
    {V::DiscontinuitySpacing, "DiscontinuitySpacing", "spacing of discontinuities", U::Length, 0,
     1e4, 0, 3100},
    {V::DiscontinuityThickness, "DiscontinuityThickness", "thickness of discontinuities", U::Length,
     0, 503, 0, 153.3},
    {V::SocketDiameter, "SocketDiameter", "socket diameter", U::Length, 0, 30, 0, 9.2},
    {V::ElasticModulus, "ElasticModulus", "elastic modulus of the rock", U::Modulus, 0, 1e9, 0,
     6.9e9},
    {V::RQD, "RQD", "RQD", U::Percent, 0, 100, 0, 100},
    {V::InterfaceCondition, "InterfaceCondition", "interface condition index", U::None, 0, 4, 0, 4},
    {V::ConcreteSlump, "ConcreteSlump", "concrete slump", U::Settlement, 0, 24, 0, 0.61},
    {V::InterfaceFrictionAngle, "InterfaceFrictionAngle", "interface friction angle", U::Degrees, 0,
     60, 0, 60},
    {V::PoissonsRatio, "PoissonsRatio", "Poisson's ratio", U::None, 0, 0.5, 0, 0.5},
    {V::YoungsModulus, "YoungsModulus", "Young's modulus", U::Modulus, 0, 1e9, 0, 6.9e9},
}};

constexpr bool tableInEnumOrder()
{
    for (std::size_t i = 0; i < kRangeTable.size(); ++i)
        if (static_cast<std::size_t>(kRangeTable[i].value) != i)
            return false;
    return kRangeTable.size() == static_cast<std::size_t>(V::YoungsModulus) + 1;
}
static_assert(tableInEnumOrder(), "one range per DeckValue, in the order of the enumeration");

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string withUnit(const std::string& number, DeckUnit unit, bool si)
{
    const std::string text = deckUnitText(unit, si);
    return text.empty() ? number : number + " " + text;
}

[[noreturn]] void refuse(const DeckRecord& record, std::size_t index, const std::string& problem)
{
    throw RunFailure(StatusDeckValueOutOfRange,
                     "Project data file " + quoted(record.fileLabel()) + ", line " +
                         std::to_string(record.lineOf(index)) + ", " + record.recordName() +
                         ", value " + std::to_string(index + 1) + ": " + problem);
}

void checkRange(const DeckRecord& record, std::size_t index, double value, DeckValue what, bool si)
{
    const DeckValueRange& range = deckRange(what);
    const double low = si ? range.siMin : range.englishMin;
    const double high = si ? range.siMax : range.englishMax;
    if (value >= low && value <= high)
        return;
    refuse(record, index,
           std::string(range.description) + " " + withUnit(record.text(index), range.unit, si) +
               " is outside " + rangeBoundText(low) + " to " +
               withUnit(rangeBoundText(high), range.unit, si));
}

} // namespace

std::span<const DeckValueRange> deckRangeTable()
{
    return kRangeTable;
}

const DeckValueRange& deckRange(DeckValue value)
{
    return kRangeTable[static_cast<std::size_t>(value)];
}

const char* deckUnitText(DeckUnit unit, bool si)
{
    switch (unit) {
    case DeckUnit::None:
        return "";
    case DeckUnit::Percent:
        return "%";
    case DeckUnit::Degrees:
        return "deg";
    case DeckUnit::Length:
        return si ? "m" : "ft";
    case DeckUnit::Settlement:
        return si ? "m" : "in";
    case DeckUnit::Force:
        return si ? "kN" : "tons";
    case DeckUnit::Stress:
        return si ? "kN/m^2" : "lbs/ft^2";
    case DeckUnit::UnitWeight:
        return si ? "kN/m^3" : "lbs/ft^3";
    case DeckUnit::Modulus:
        return si ? "kN/m^2" : "lbs/in^2";
    }
    return "";
}

std::string rangeBoundText(double bound)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), bound);
    std::string text(buffer.data(), result.ptr);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
        exponent.erase(0, 1);
    exponent.erase(0, exponent.find_first_not_of('0'));
    return mantissa + "e" + (negative ? "-" : "") + exponent;
}

float readRanged(const DeckRecord& record, std::size_t index, DeckValue value, bool si)
{
    const float v = record.real(index);
    checkRange(record, index, v, value, si);
    return v;
}

int readRangedCode(const DeckRecord& record, std::size_t index, DeckValue value, bool si)
{
    const int v = record.integer(index);
    checkRange(record, index, v, value, si);
    return v;
}

void checkLayerBottom(const DeckRecord& head, std::size_t bottomIndex, int layerNumber,
                      float previousBottom, const std::string& previousText, bool si)
{
    const float bottom = head.real(bottomIndex);
    if (bottom > previousBottom)
        return;
    const std::string unit = deckUnitText(DeckUnit::Length, si);
    const std::string depth = head.text(bottomIndex) + " " + unit;
    if (layerNumber == 1)
        refuse(head, bottomIndex, "bottom depth " + depth + " is not below the ground surface");
    refuse(head, bottomIndex,
           "bottom depth " + depth + " is not below the bottom of layer " +
               std::to_string(layerNumber - 1) + " (" + previousText + " " + unit + ")");
}

} // namespace korva
