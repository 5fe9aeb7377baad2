#include "engine/methods/MethodWarnings.h"

namespace korva::methods {
namespace {

constexpr std::string_view kClayStrengthFromBlowCount[] = {
    "WARNING MESSAGE",
    "THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE",
    "FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR",
    "THE FINAL DESIGN.  PLEASE INPUT THE UNDRAINED SHEAR",
    "STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN.",
};
constexpr std::string_view kUnitWeightMissing[] = {
    "*********************ERROR**********************",
    "PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM",
    "WILL CONSIDER THE SUBMERGED UNIT WEIGHT INTERNALLY IF THE SOIL",
    "IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER",
};
constexpr std::string_view kSandWithoutBlowCountOrFrictionAngle[] = {
    "*********************ERROR**********************",
    "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS",
    "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS",
};
constexpr std::string_view kSocketLengthAdvice[] = {
    "L/D SHOULD BE GREATER THAN 2.0 AND LESS THAN 20.0",
};
constexpr std::string_view kModulusRatioAdvice[] = {
    "Ec/Em SHOULD BE GREATER THAN 10.0 AND LESS THAN 500.0",
};
constexpr std::string_view kSocketDiameterAdvice[] = {
    "SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft",
    "AND LESS THAN 1.53 m or 5 ft.",
};
constexpr std::string_view kZeroSocketDiameter[] = {
    "WARNING MESSAGE",
    "THE DIAMETER OF THE ROCK SOCKET IS ZERO.  THE SIDE AND TIP",
    "RESISTANCE OF THE ROCK AT THIS DEPTH ARE TAKEN AS ZERO.",
    "PLEASE INPUT THE DIAMETER OF SOCKET.",
};
constexpr std::string_view kZeroInitialDiameter[] = {
    "WARNING MESSAGE",
    "THE MINIMUM SHAFT DIAMETER IS ZERO.  SOCKET DIAMETERS ARE NOT",
    "SCALED WITH THE SHAFT DIAMETER AND THE ESTIMATED Nc IS 9.",
};
constexpr std::string_view kZeroBaseDiameter[] = {
    "WARNING MESSAGE",
    "THE DIAMETER OF THE BASE IS ZERO.  THE TIP RESISTANCE AT",
    "THIS DEPTH IS TAKEN AS ZERO.",
};
constexpr std::string_view kZeroRockStrength[] = {
    "WARNING MESSAGE",
    "THE UNIAXIAL COMPRESSION STRENGTH OF THE ROCK IS ZERO.",
    "THE SIDE AND TIP RESISTANCE AT THIS DEPTH ARE TAKEN AS ZERO.",
};
constexpr std::string_view kZeroRockModulus[] = {
    "WARNING MESSAGE",
    "THE ELASTIC MODULUS OF THE ROCK OR OF THE CONCRETE IS ZERO.",
    "THE TIP RESISTANCE AND, FOR A ROUGH INTERFACE, THE SIDE",
    "RESISTANCE AT THIS DEPTH ARE TAKEN AS ZERO.",
};
constexpr std::string_view kZeroDiscontinuitySpacing[] = {
    "WARNING MESSAGE",
    "THE SPACING OF DISCONTINUITIES IS ZERO.  THE BEARING",
    "COEFFICIENT Ksp IS TAKEN AT ITS LIMIT FOR CLOSE SPACING.",
};
constexpr std::string_view kNonPositiveEffectiveStress[] = {
    "WARNING MESSAGE",
    "THE EFFECTIVE VERTICAL STRESS IS ZERO OR NEGATIVE.  THE",
    "RESISTANCE AT THIS DEPTH IS TAKEN AS ZERO.  PLEASE CHECK THE",
    "UNIT WEIGHTS AND THE WATER TABLE DEPTH.",
};
constexpr std::string_view kWeakRockFactorsOutOfRange[] = {
    "WARNING MESSAGE",
    "THE SOCKET FACTORS OF THE WEAK ROCK METHOD ARE OUTSIDE THEIR",
    "RANGE AT THIS DEPTH (SOCKET TOO LONG OR ROCK TOO SOFT FOR THE",
    "CONCRETE).  THE AFFECTED SIDE OR TIP RESISTANCE IS TAKEN AS ZERO.",
};
constexpr std::string_view kNegativeResistanceSetToZero[] = {
    "WARNING MESSAGE",
    "A NEGATIVE UNIT RESISTANCE WAS COMPUTED AT THIS DEPTH; IT IS",
    "TAKEN AS ZERO.  PLEASE CHECK THE UNIT WEIGHTS, STRENGTHS AND",
    "COEFFICIENTS OF THE LAYER.",
};
constexpr std::string_view kTipZoneIncomplete[] = {
    "WARNING MESSAGE",
    "THE TIP AVERAGING ZONE OF TWO BASE DIAMETERS IS NOT COMPLETE.",
    "THE TIP RESISTANCE IS AVERAGED OVER THE DEPTHS AVAILABLE.",
};

} // namespace

std::span<const std::string_view> methodWarningLines(MethodWarning warning)
{
    switch (warning) {
    case MethodWarning::ClayStrengthFromBlowCount:
        return kClayStrengthFromBlowCount;
    case MethodWarning::UnitWeightMissing:
        return kUnitWeightMissing;
    case MethodWarning::SandWithoutBlowCountOrFrictionAngle:
        return kSandWithoutBlowCountOrFrictionAngle;
    case MethodWarning::WeakRockSocketTooShort:
    case MethodWarning::WeakRockSocketTooLong:
        return kSocketLengthAdvice;
    case MethodWarning::WeakRockModulusRatio:
        return kModulusRatioAdvice;
    case MethodWarning::WeakRockSmallDiameter:
        return kSocketDiameterAdvice;
    case MethodWarning::StrongRockBaseCarriesNoLoad:
        return kStrongRockBelow1000PsiLines;
    case MethodWarning::ZeroSocketDiameter:
        return kZeroSocketDiameter;
    case MethodWarning::ZeroInitialDiameter:
        return kZeroInitialDiameter;
    case MethodWarning::ZeroBaseDiameter:
        return kZeroBaseDiameter;
    case MethodWarning::ZeroRockStrength:
        return kZeroRockStrength;
    case MethodWarning::ZeroRockModulus:
        return kZeroRockModulus;
    case MethodWarning::ZeroDiscontinuitySpacing:
        return kZeroDiscontinuitySpacing;
    case MethodWarning::NonPositiveEffectiveStress:
        return kNonPositiveEffectiveStress;
    case MethodWarning::WeakRockFactorsOutOfRange:
        return kWeakRockFactorsOutOfRange;
    case MethodWarning::NegativeResistanceSetToZero:
        return kNegativeResistanceSetToZero;
    case MethodWarning::TipZoneIncomplete:
        return kTipZoneIncomplete;
    }
    return {};
}

std::vector<std::string> weakRockWarningBlock(MethodWarning warning, std::string_view valueF9_2)
{
    std::string valueLine;
    switch (warning) {
    case MethodWarning::WeakRockSocketTooShort:
    case MethodWarning::WeakRockSocketTooLong:
        valueLine = std::string(16, ' ') + "SOCKET LENGTH/SOCKET DIAMETER = ";
        break;
    case MethodWarning::WeakRockModulusRatio:
        valueLine = std::string(25, ' ') + "Ec/Em = ";
        break;
    case MethodWarning::WeakRockSmallDiameter:
        valueLine = std::string(25, ' ') + "Diameter (FT) = ";
        break;
    default:
        return {};
    }
    valueLine += valueF9_2;

    std::vector<std::string> lines;
    lines.push_back(std::string(21, ' ') + "WARNING MESSAGE" + std::string(16, ' '));
    lines.push_back(std::string(3, ' ') + std::string(60, '-'));
    lines.push_back(std::move(valueLine));
    for (std::string_view advice : methodWarningLines(warning)) {
        lines.push_back(std::string(5, ' ') + std::string(advice));
    }
    lines.emplace_back();
    lines.emplace_back();
    return lines;
}

} // namespace korva::methods
