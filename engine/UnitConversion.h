#pragma once
// Factors between the SI units of a project and the engine's English working units.
//
// SI input is brought to working units on reading by workingValueOfSiInput, with the exact
// definitions of the foot and the pound-force. Results are divided by the rounded factors
// below on writing.

namespace korva {

inline constexpr float FeetPerMetre = 3.2808f;                     // length, m -> ft
inline constexpr float PcfPerKnPerCubicMetre = 6.3659f;            // unit weight, kN/m^3 -> lb/ft^3
inline constexpr float PsfPerKnPerSquareMetre = 20.885f;           // stress, kN/m^2 -> lb/ft^2
inline constexpr float TonsPerKn = 0.1124f;                        // force, kN -> tons
inline constexpr float CubicYardsPerCubicMetre = 1.3078f;          // volume, m^3 -> cu yd
inline constexpr float TsfPerPsi = 144.0f / 2000.0f;               // modulus, lb/in^2 -> tons/ft^2
inline constexpr float TsfPerKnPerSquareMetre = 20.885f / 2000.0f; // modulus, kN/m^2 -> tsf

// The foot and the pound-force by definition: 0.3048 m and 0.45359237 kg x 9.80665 m/s^2.
inline constexpr double MetresPerFoot = 0.3048;
inline constexpr double NewtonsPerPoundForce = 4.4482216152605;

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
