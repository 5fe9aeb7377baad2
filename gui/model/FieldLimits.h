#pragma once
#include <optional>
#include <span>
#include <string_view>

namespace korva::gui {

// Entry range of a project value in the data windows, in the project's unit system.
struct TFieldLimits
{
    long double Min;
    long double Max;
};

// The one place the data windows take a field's range from, by the field's name ("DSTART",
// "PDSETT", ...). The maxima are those the windows have always had (a diameter of at most 30,
// a bell ratio of at most 10, ...); every other bound is open, except that no length, diameter,
// load, modulus, factor or settlement is negative. A name not listed has no limits.
TFieldLimits EntryLimitsOf(std::string_view field);

// The same range narrowed to the physical range of the value in a unit system (1 English, 2
// SI; 2 and above count as SI): where the window has no bound of its own, the field accepts
// exactly what the analysis engine accepts.
TFieldLimits EntryLimitsOf(std::string_view field, int unitSystem);

// Physical ranges of the values a project holds, in the units of each unit system: the ranges
// the analysis engine checks before it computes anything (its DeckRanges table), so that a
// value the program accepts is one the engine runs. The engine and the desktop program share
// no code; a test holds this table against the engine's.
//
// One entry: the field's name (a TProgramData field, or a column of the layer and property
// tables), its unit code (one of the codes of UnitCodes.h; empty for dimensionless values, "%"
// and "deg" for percentages and angles) and its range in each system, bounds included.
struct TPhysicalLimitEntry
{
    std::string_view Field;
    std::string_view UnitCode;
    long double EnglishMin, EnglishMax;
    long double SIMin, SIMax;
};

// Every value with a physical range.
std::span<const TPhysicalLimitEntry> PhysicalLimitTable();

// The physical range of a field in a unit system, or nothing when the field has none.
std::optional<TFieldLimits> PhysicalLimitsOf(std::string_view field, int unitSystem);

// The field name of a column of the layer table (LayerColumn in LayerTables.h), or nothing for
// the kind and property columns.
std::optional<std::string_view> LayerColumnField(int column);

// The field name of a column of a kind's property table (SandColumn, ClayColumn, ... in
// LayerTables.h), or nothing for a column without a range (the sand method).
std::optional<std::string_view> PropertyColumnField(int kind, int column);

} // namespace korva::gui
