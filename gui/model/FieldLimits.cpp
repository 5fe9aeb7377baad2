#include "gui/model/FieldLimits.h"

#include "gui/model/LayerTables.h"

#include <algorithm>
#include <array>
#include <cfloat>

namespace korva::gui {

namespace {

struct TNamedLimits
{
    std::string_view Field;
    TFieldLimits Limits;
};

constexpr long double Open = LDBL_MAX;

// field        minimum  maximum
constexpr std::array<TNamedLimits, 20> Limits{{
    {"DSTART", {0, 30}},       {"DIALIM", {0, 30}},
    {"RATIO", {0, 10}},        {"BELANGL", {0, 90}},
    {"TOPLENG", {0, Open}},    {"BS", {0, 100}},
    {"EPILE", {0, 300000000}}, {"FST", {0, Open}},
    {"FSB", {0, Open}},        {"WTD", {0, Open}},
    {"PD", {0, Open}},         {"LPD", {0, Open}},
    {"RCYCL", {0, 1}},         {"PDMIN", {0, Open}},
    {"PDINCR", {0, Open}},     {"DIAMINCR", {0, Open}},
    {"NPOINTPD", {1, 10}},     {"PDSETT", {0, Open}},
    {"PINC", {0, Open}},       {"ValElevation", {-Open, Open}},
}};

// field | unit code | English min, max | SI min, max
// SI bounds: the English bounds converted and rounded outwards to two significant digits;
// depths end at 153.3 m, the 503 ft of the engine's per-depth tables.
constexpr std::array<TPhysicalLimitEntry, 49> Table{{
    {"METHOD", "", 1, 2, 1, 2},
    {"KCYCL", "", 1, 2, 1, 2},
    {"RCYCL", "", 0, 1, 0, 1},
    {"PINC", "L2", 0, 503, 0, 153.3L},
    {"ValElevation", "L2", -30000, 30000, -9200, 9200},
    {"DSTART", "L2", 0.1L, 30, 0.03L, 9.2L},
    {"DIALIM", "L2", 0, 30, 0, 9.2L},
    {"RATIO", "", 0, 10, 0, 10},
    {"BELANGL", "deg", 0, 90, 0, 90},
    {"TOPLENG", "L2", 0, 503, 0, 153.3L},
    {"BS", "L2", 0, 503, 0, 153.3L},
    {"EPILE", "F/L^2", 1e3L, 1e9L, 6.8e3L, 6.9e9L},
    {"WTD", "L2", 0, 1e4L, 0, 3100},
    {"LPD", "F2", 0, 1e6L, 0, 8.9e6L},
    {"PD", "L2", 0, 503, 0, 153.3L},
    {"FST", "", 1, 100, 1, 100},
    {"FSB", "", 1, 100, 1, 100},
    {"PDMIN", "L2", 0, 503, 0, 153.3L},
    {"PDINCR", "L2", 0, 503, 0, 153.3L},
    {"DIAMINCR", "L2", 0, 30, 0, 9.2L},
    {"PDSETT", "L", 0, 100, 0, 2.6L},
    {"TZDepth", "L2", 0, 503, 0, 153.3L},
    {"Depth", "L2", 0, 503, 0, 153.3L},
    {"MaxSideFriction", "F/L2^2", 0, 1e10L, 0, 1e10L},
    {"MaxEndBearing", "F/L2^2", 0, 1e10L, 0, 1e10L},
    {"PhiSide", "", 0, 1, 0, 1},
    {"PhiBase", "", 0, 1, 0, 1},
    {"UnitWeight", "F/L2^3", 0, 300, 0, 48},
    {"FrictionAngle", "deg", 0, 60, 0, 60},
    {"InterfaceAngle", "deg", 0, 60, 0, 60},
    {"BlowCounts", "", 0, 1000, 0, 1000},
    {"Ko", "", 0, 10, 0, 10},
    {"Beta", "", 0, 10, 0, 10},
    {"OCR", "", 0, 10, 0, 10},
    {"Cohesion", "F/L2^2", 0, 1e6L, 0, 4.8e4L},
    {"Alpha", "", 0, 10, 0, 10},
    {"Nc", "", 0, 100, 0, 100},
    {"CompressiveStrength", "F/L2^2", 0, 1e8L, 0, 4.8e6L},
    {"ConcreteStrength", "F/L2^2", 0, 1e8L, 0, 4.8e6L},
    {"DiscontinuitySpacing", "L2", 0, 1e4L, 0, 3100},
    {"DiscontinuityThickness", "L2", 0, 503, 0, 153.3L},
    {"SocketDiameter", "L2", 0, 30, 0, 9.2L},
    {"ElasticModulus", "F/L^2", 0, 1e9L, 0, 6.9e9L},
    {"RQD", "%", 0, 100, 0, 100},
    {"InterfaceCondition", "", 0, 4, 0, 4},
    {"ConcreteSlump", "L", 0, 24, 0, 0.61L},
    {"InterfaceFrictionAngle", "deg", 0, 60, 0, 60},
    {"PoissonsRatio", "", 0, 0.5L, 0, 0.5L},
    {"YoungsModulus", "F/L^2", 0, 1e9L, 0, 6.9e9L},
}};

// Fields of the property-table columns by kind, in column order (LayerTables.h); the sand
// method has no limit.
constexpr std::array<std::string_view, 8> SandFields{
    "UnitWeight", "FrictionAngle", "BlowCounts", "Ko", "Beta", "", "InterfaceAngle", "OCR"};
constexpr std::array<std::string_view, 5> ClayFields{"UnitWeight", "Cohesion", "BlowCounts",
                                                     "Alpha", "Nc"};
constexpr std::array<std::string_view, 7> StrongRockFields{"CompressiveStrength",
                                                           "ConcreteStrength",
                                                           "DiscontinuitySpacing",
                                                           "DiscontinuityThickness",
                                                           "SocketDiameter",
                                                           "ElasticModulus",
                                                           "RQD"};
constexpr std::array<std::string_view, 5> DecomposedRockFields{
    "UnitWeight", "BlowCounts", "PoissonsRatio", "YoungsModulus", "SocketDiameter"};
constexpr std::array<std::string_view, 7> WeakRockFields{"CompressiveStrength",
                                                         "InterfaceCondition",
                                                         "ConcreteSlump",
                                                         "InterfaceFrictionAngle",
                                                         "SocketDiameter",
                                                         "ElasticModulus",
                                                         "RQD"};
constexpr std::array<std::string_view, 3> GravelFields{"UnitWeight", "BlowCounts", "Beta"};

std::span<const std::string_view> PropertyFieldsOf(int kind)
{
    switch (kind) {
    case KindSand:
        return SandFields;
    case KindClay:
    case KindShale:
        return ClayFields;
    case KindStrongRock:
    case KindStrongRockBoth:
        return StrongRockFields;
    case KindDecomposedRock:
        return DecomposedRockFields;
    case KindWeakRock:
        return WeakRockFields;
    case KindGravellySand:
    case KindGravel:
        return GravelFields;
    default:
        return {};
    }
}

} // namespace

TFieldLimits EntryLimitsOf(std::string_view field)
{
    for (const TNamedLimits& entry : Limits)
        if (entry.Field == field)
            return entry.Limits;
    return {-Open, Open};
}

TFieldLimits EntryLimitsOf(std::string_view field, int unitSystem)
{
    TFieldLimits limits = EntryLimitsOf(field);
    if (const auto physical = PhysicalLimitsOf(field, unitSystem)) {
        limits.Min = std::max(limits.Min, physical->Min);
        limits.Max = std::min(limits.Max, physical->Max);
    }
    return limits;
}

std::span<const TPhysicalLimitEntry> PhysicalLimitTable()
{
    return Table;
}

std::optional<TFieldLimits> PhysicalLimitsOf(std::string_view field, int unitSystem)
{
    for (const TPhysicalLimitEntry& e : Table) {
        if (e.Field != field)
            continue;
        if (unitSystem >= 2)
            return TFieldLimits{e.SIMin, e.SIMax};
        return TFieldLimits{e.EnglishMin, e.EnglishMax};
    }
    return std::nullopt;
}

std::optional<std::string_view> LayerColumnField(int column)
{
    switch (column) {
    case LayerColumn::Depth:
        return "Depth";
    case LayerColumn::MaxSideFriction:
        return "MaxSideFriction";
    case LayerColumn::MaxEndBearing:
        return "MaxEndBearing";
    case LayerColumn::PhiSide:
        return "PhiSide";
    case LayerColumn::PhiBase:
        return "PhiBase";
    default:
        return std::nullopt;
    }
}

std::optional<std::string_view> PropertyColumnField(int kind, int column)
{
    const std::span<const std::string_view> fields = PropertyFieldsOf(kind);
    if (column < 0 || column >= static_cast<int>(fields.size()) || fields[column].empty())
        return std::nullopt;
    return fields[column];
}

} // namespace korva::gui
