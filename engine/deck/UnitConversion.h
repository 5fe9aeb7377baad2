#pragma once
// Factors between the SI units of a project and the engine's English working units.
//
// SI input is brought to working units on reading by workingValueOfSiInput, with the exact
// definitions of the foot and the pound-force. Results are divided by the rounded factors of
// PhysicalConstants.h on writing.
#include "engine/methods/PhysicalConstants.h"

namespace korva {

// The SI input quantities the reader converts, with the unit each is read in.
enum class SiInput {
    Length,     // m -> ft
    UnitWeight, // kN/m^3 -> lb/ft^3
    Stress,     // kN/m^2 -> lb/ft^2
    Force,      // kN -> tons
};

// An SI value of the project data file in the engine's working unit: the exact factor applied
// in double precision, the result snapped to a fixed grid, then made single precision. The
// grid is 0.0001 ft for lengths and six significant digits for the other quantities; it is
// coarser than the error of a value the desktop program converted from English units and
// wrote with eight significant digits, so that such a value comes back as the English value
// bit for bit and meets the truncations, roundings and thresholds of the analysis exactly as
// the English project does. Magnitudes beyond the single-precision range give infinity of the
// value's sign.
float workingValueOfSiInput(float value, SiInput quantity);

} // namespace korva
