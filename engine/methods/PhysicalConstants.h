#pragma once
// Physical constants and unit factors of the analysis, in one place. The engine works in feet,
// pounds, tons (2000 lb) and inches; SI projects are converted on reading with the exact
// definitions (the double constants below) and their results are written with the rounded
// single-precision factors, which the printed tables have always used. A rounded factor is
// part of every SI report: changing one digit of it changes printed figures.

namespace korva {

// --- Exact definitions ---------------------------------------------------------------------
// The international foot (0.3048 m) and the pound-force (0.45359237 kg x 9.80665 m/s^2), by
// definition; the reader brings SI input to working units with these.
inline constexpr double kMetresPerFootExact = 0.3048;
inline constexpr double kNewtonsPerPoundForce = 4.4482216152605;

// --- Lengths ---------------------------------------------------------------------------------
inline constexpr float kInchesPerFoot = 12.0f;
// The gravelly-sand beta correlation is written for the depth in metres.
inline constexpr float kMetresPerFoot = 0.3048f;
inline constexpr float kMetresPerInch = 0.0254f; // exact by definition of the inch
// Rounded output factors: 1 m = 3.2808399 ft = 39.370079 in; the reports round both to the
// figures below.
inline constexpr float kFeetPerMetre = 3.2808f;
inline constexpr float kInchesPerMetre = 39.37f;
// Slump entered in metres by SI projects, to inches: 1000 mm over 25.4 mm per inch.
inline constexpr float kSlumpInchesPerMetre = 1000.0f / 25.4f;

// --- Forces ----------------------------------------------------------------------------------
// The short ton of the working units.
inline constexpr float kPoundsPerTon = 2000.0f;
// 1 lbf = 4.448 N (rounded): the load-settlement curves and their t-z tables in kN.
inline constexpr float kKilonewtonsPerPound = 4.448f / 1000.0f;
// 1 ton = 8.896 kN, twice the rounded 4.448 N per lbf: the rock-socket curves in kN.
inline constexpr float kKilonewtonsPerTon = 8.896f;
// 1 kN = 224.8 lbf: the segment loads of the t-z report. The design-chart tables divide by the
// finer 224.8201 (kPoundsPerKilonewtonChart); both roundings are kept because each table has
// always been printed with its own.
inline constexpr float kPoundsPerKilonewton = 224.8f;
inline constexpr float kPoundsPerKilonewtonChart = 224.8201f;
// 1 kN = 0.1124 ton: capacities of SI reports.
inline constexpr float kTonsPerKilonewton = 0.1124f;

// --- Stresses, moduli and unit weights -------------------------------------------------------
// 1 kN/m^2 = 20.885 lb/ft^2; 1 kN/m^3 = 6.3659 lb/ft^3 (rounded output factors).
inline constexpr float kPsfPerKilopascal = 20.885f;
inline constexpr float kPcfPerKilonewtonPerCubicMetre = 6.3659f;
// Moduli: lb/in^2 and kN/m^2 to tons/ft^2, and back for the t-z curves of SI reports.
inline constexpr float kTsfPerPsi = 144.0f / kPoundsPerTon;
inline constexpr float kTsfPerKilopascal = 20.885f / kPoundsPerTon;
inline constexpr float kPsiPerTsf = kPoundsPerTon / 144.0f;
// 1 psi = 6.895 kPa: unit load transfer of the t-z tables in kPa. The concrete modulus an SI
// project enters in kPa is brought to psi with the coarser 6.894 (kKilopascalsPerPsiModulus);
// both are kept because each rule has always used its own.
inline constexpr float kKilopascalsPerPsi = 6.895f;
inline constexpr float kKilopascalsPerPsiModulus = 6.894f;
// Cubic metres to cubic yards (rounded output factor).
inline constexpr float kCubicYardsPerCubicMetre = 1.3078f;
// Reinforcement areas of SI reports: 1 m^2 = 1550.0031 in^2.
inline constexpr float kSquareInchesPerSquareMetre = 1550.0031f;
// QU per volume of concrete in SI reports: 1 ton/yd^3 is 1 / 0.08594586 kN/m^3 (the factor
// the SI tables have always divided by).
inline constexpr float kTonsPerCubicYardPerKilonewtonPerCubicMetre = 0.08594586f;

// Unit weight of water, lb/ft^3: the buoyancy below the water table.
inline constexpr float kUnitWeightOfWater_pcf = 62.4f;
// Unit weight of fluid concrete, lb/ft^3: the lateral pressure of the fresh concrete on the
// wall of a weak-rock socket.
inline constexpr float kFreshConcreteUnitWeight_pcf = 150.0f;

// Atmospheric pressure, lb/ft^2. Two values are intended, each belonging to its rules:
// - 2116.8 psf (14.7 psi x 144) normalises the undrained strength of clay in the alpha
//   estimate of side resistance and in the "too strong for the clay criteria" limit of 2.5
//   atmospheres;
// - 2115.7 psf is the reference pressure of the intermediate-geomaterial rules: the weak-rock
//   side resistance and socket settlement (sigma_n / pa, qu / pa) and the decomposed-rock
//   friction angle (sigma'v / pa).
inline constexpr float kAtmosphericPressureClay_psf = 2116.8f;
inline constexpr float kAtmosphericPressure_psf = 2115.7f;

// --- Geometry --------------------------------------------------------------------------------
// pi and pi/4 to four decimals, as the areas, volumes and perimeters of the shaft and the
// socket have always been computed (the printed volumes and base loads carry these roundings).
inline constexpr float kPi = 3.1416f;
inline constexpr float kQuarterPi = 0.7854f;
// tan 30 deg, the interface friction angle to which the weak-rock side resistance of a smooth
// socket is referred.
inline constexpr float kTan30 = 0.57735187f;

} // namespace korva
