#pragma once
// Factors between the SI input units and the engine's English working units. Input in SI is
// multiplied by these on reading; results are divided by them on writing.

namespace korva {

inline constexpr float FeetPerMetre = 3.2808f;                     // length, m -> ft
inline constexpr float PcfPerKnPerCubicMetre = 6.3659f;            // unit weight, kN/m^3 -> lb/ft^3
inline constexpr float PsfPerKnPerSquareMetre = 20.885f;           // stress, kN/m^2 -> lb/ft^2
inline constexpr float TonsPerKn = 0.1124f;                        // force, kN -> tons
inline constexpr float CubicYardsPerCubicMetre = 1.3078f;          // volume, m^3 -> cu yd
inline constexpr float TsfPerPsi = 144.0f / 2000.0f;               // modulus, lb/in^2 -> tons/ft^2
inline constexpr float TsfPerKnPerSquareMetre = 20.885f / 2000.0f; // modulus, kN/m^2 -> tsf

} // namespace korva
