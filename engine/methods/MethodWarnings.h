#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Warnings raised by the resistance methods. A method never writes a file: it returns the
// conditions it met as flags, and the driver writes the texts below, verbatim, to the file and
// as often as each flag's comment says.
namespace korva::methods {

enum class MethodWarning : std::uint32_t {
    // Clay without undrained strength: strength taken from N. Once per run, to the
    // rock-message file of the case (the report includes it).
    ClayStrengthFromBlowCount = 1u << 0,
    // Total unit weight below 50 pcf in a soil or decomposed-rock slice. Run notes.
    UnitWeightMissing = 1u << 1,
    // Sand slice with neither N nor a friction angle. Run notes.
    SandWithoutBlowCountOrFrictionAngle = 1u << 2,
    // Weak rock: Ls/B <= 2 (value Ls/B). Run notes at every slice; rock-message file the
    // first time in a case (once-only flag shared with WeakRockSocketTooLong).
    WeakRockSocketTooShort = 1u << 3,
    // Weak rock: (Ls + 2D)/B > 20 (value (Ls + 2D)/B). As WeakRockSocketTooShort.
    WeakRockSocketTooLong = 1u << 4,
    // Weak rock: Ec/Em < 10 or > 500 (value Ec/Em). Run notes at every slice; rock-message
    // file the first time in a case (own once-only flag).
    WeakRockModulusRatio = 1u << 5,
    // Weak rock: B < 1.64 ft (value B in ft). As WeakRockModulusRatio (own once-only flag).
    WeakRockSmallDiameter = 1u << 6,
    // Strong rock of code 4 with q' <= 1000 psi: no end bearing. The report adds the
    // low-strength rock message (kStrongRockBelow1000PsiLines).
    StrongRockBaseCarriesNoLoad = 1u << 7,

    // Guards: a formula would divide by zero or leave its range. The slice gets the finite
    // result stated with each flag; the driver writes the text with the slice depth to the
    // run notes and, once per case, to the rock-message file.
    ZeroSocketDiameter = 1u << 8,           // rock socket diameter <= 0: rock side and tip 0
    ZeroInitialDiameter = 1u << 9,          // DSTART <= 0: socket scale 1, Nc estimate 9
    ZeroBaseDiameter = 1u << 10,            // base diameter <= 0: tip 0
    ZeroRockStrength = 1u << 11,            // weak-rock qu <= 0: side and tip 0
    ZeroRockModulus = 1u << 12,             // weak-rock modulus or Ec <= 0: side and tip 0
    ZeroDiscontinuitySpacing = 1u << 13,    // spacing <= 0: Ksp from the limit of the rule
    NonPositiveEffectiveStress = 1u << 14,  // sigma'v <= 0 where a formula divides by it: 0
    WeakRockFactorsOutOfRange = 1u << 15,   // socket factors undefined: side or tip 0
    NegativeResistanceSetToZero = 1u << 16, // a negative unit resistance was set to 0
    TipZoneIncomplete = 1u << 17,           // averaging zone beyond the tables or weightless
};

// A set of MethodWarning flags.
class MethodWarnings
{
  public:
    constexpr void add(MethodWarning warning) { bits_ |= static_cast<std::uint32_t>(warning); }
    constexpr void add(MethodWarnings other) { bits_ |= other.bits_; }
    constexpr bool has(MethodWarning warning) const
    {
        return (bits_ & static_cast<std::uint32_t>(warning)) != 0;
    }
    constexpr bool any() const { return bits_ != 0; }
    constexpr std::uint32_t bits() const { return bits_; }

  private:
    std::uint32_t bits_ = 0;
};

// Every flag, in the order the driver should write them when several are raised at once.
inline constexpr MethodWarning kAllMethodWarnings[] = {
    MethodWarning::ClayStrengthFromBlowCount,
    MethodWarning::UnitWeightMissing,
    MethodWarning::SandWithoutBlowCountOrFrictionAngle,
    MethodWarning::WeakRockSocketTooShort,
    MethodWarning::WeakRockSocketTooLong,
    MethodWarning::WeakRockModulusRatio,
    MethodWarning::WeakRockSmallDiameter,
    MethodWarning::StrongRockBaseCarriesNoLoad,
    MethodWarning::ZeroSocketDiameter,
    MethodWarning::ZeroInitialDiameter,
    MethodWarning::ZeroBaseDiameter,
    MethodWarning::ZeroRockStrength,
    MethodWarning::ZeroRockModulus,
    MethodWarning::ZeroDiscontinuitySpacing,
    MethodWarning::NonPositiveEffectiveStress,
    MethodWarning::WeakRockFactorsOutOfRange,
    MethodWarning::NegativeResistanceSetToZero,
    MethodWarning::TipZoneIncomplete,
};

// Lines of the text of a flag, without leading blanks unless the layout fixes them. The
// weak-rock flags carry a value; write them with weakRockWarningBlock instead.
std::span<const std::string_view> methodWarningLines(MethodWarning warning);

// The framed block of a weak-rock warning (WeakRockSocketTooShort, WeakRockSocketTooLong,
// WeakRockModulusRatio, WeakRockSmallDiameter): heading, rule, value line with the value as
// already formatted in F9.2 by the caller, the advice lines, two empty lines.
std::vector<std::string> weakRockWarningBlock(MethodWarning warning, std::string_view valueF9_2);

// --- Texts written by the driver and the report from method conditions ---------------------

// Marker beside an estimated value in the layer echo, and the note below the layer blocks.
inline constexpr std::string_view kEstimatedMarker = "  (*)";
inline constexpr std::string_view kNotEstimatedMarker = "     ";
inline constexpr std::string_view kEstimatedNote =
    "(*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS";

// Clay and clay shale layer echo when clayStrengthMayBeTooHigh holds at top or bottom
// (seven blanks before each line, an empty line after).
inline constexpr std::string_view kClayStrengthTooHighLines[] = {
    "..........WARNING..........",
    "THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH",
    "FOR USING CLAY CRITERIA. DESIGN AS INTERMEDIATE",
    "GEOMATERIAL IS RECOMMENDED.",
};

// Gravelly sand and gravel layer echo, N above 50 at top or bottom. The two blow-count lines
// are kBlowCountLine + N in F8.2 + kAtTop / kAtBottom. Seven blanks before each line.
inline constexpr std::string_view kGravelHighBlowCountHeading =
    "                     WARNING MESSAGE                ";
inline constexpr int kGravelHighBlowCountRuleLength = 59; // "-" repeated
inline constexpr std::string_view kBlowCountLine = "             BLOWS PER FOOT IS = ";
inline constexpr std::string_view kAtTop = " AT TOP";
inline constexpr std::string_view kAtBottom = " AT BOTTOM";
inline constexpr std::string_view kGravelTipLimitedLine =
    "UNIT TIP RESISTANCE IS LIMITED TO 30 TSF IF SPT-N IS OVER 50";
inline constexpr std::string_view kGravelLoadTestLine =
    "LOADING TEST IS RECOMMENDED FOR USING HIGHER VALUE.";
// Gravelly sand and gravel layer echo, N of 25 or less at top or bottom.
inline constexpr std::string_view kGravelLowBlowCountHeading =
    "*****************WARNING*********************";
inline constexpr std::string_view kGravelLowBlowCountAdvice[] = {
    "Blow counts should be greater than 25 for this criterion.",
    "Select other soil criteria and do not use this output data.",
};

// Strong rock weaker than 1000 psi (no leading blanks; the second line is 60 "-").
inline constexpr std::string_view kStrongRockBelow1000PsiLines[] = {
    "ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)",
    "------------------------------------------------------------",
    "IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS",
    "CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS",
    "GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY",
    "IN END BEARING.",
};

// Profile too shallow for the tip-averaging zone of the shortest shaft (run notes; seven
// blanks before each line, an empty line before).
inline constexpr std::string_view kIncreaseSoilDepthLines[] = {
    "INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR",
    "COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER",
};

} // namespace korva::methods
