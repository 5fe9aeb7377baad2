#pragma once
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

} // namespace korva::gui
