#include "engine/deck/UnitConversion.h"

#include <cmath>
#include <limits>

namespace korva {
namespace {

constexpr double kFeetPerMetreExact = 1.0 / kMetresPerFootExact;
constexpr double kPoundsPerKilonewtonExact = 1000.0 / kNewtonsPerPoundForce;

// Lengths: a ten-thousandth of a foot, far finer than any dimension of a shaft or a profile
// and far coarser than the single-precision error of a metre value up to the deepest
// tabulated length (503 ft).
constexpr int kLengthDecimals = 4;
// Unit weights, stresses and forces span many decades (a rock strength of 10^6 lb/ft^2, an
// undrained strength of 10^2): their grid is relative.
constexpr int kSignificantDigits = 6;

double exactFactor(SiInput quantity)
{
    switch (quantity) {
    case SiInput::Length:
        return kFeetPerMetreExact;
    case SiInput::UnitWeight:
        return kPoundsPerKilonewtonExact /
               (kFeetPerMetreExact * kFeetPerMetreExact * kFeetPerMetreExact);
    case SiInput::Stress:
        return kPoundsPerKilonewtonExact / (kFeetPerMetreExact * kFeetPerMetreExact);
    case SiInput::Force:
        return kPoundsPerKilonewtonExact / kPoundsPerTon;
    }
    return 1.0;
}

// The nearest multiple of 10^-decimals. Scaling by a whole power of ten (exact in double) and
// dividing back keeps the result the double nearest to the decimal value.
double snappedToDecimals(double value, int decimals)
{
    if (decimals >= 0) {
        const double scale = std::pow(10.0, decimals);
        return std::round(value * scale) / scale;
    }
    const double step = std::pow(10.0, -decimals);
    return std::round(value / step) * step;
}

double snappedToSignificantDigits(double value)
{
    if (value == 0.0)
        return value;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return snappedToDecimals(value, kSignificantDigits - 1 - exponent);
}

} // namespace

float workingValueOfSiInput(float value, SiInput quantity)
{
    const double converted = static_cast<double>(value) * exactFactor(quantity);
    const double snapped = quantity == SiInput::Length
                               ? snappedToDecimals(converted, kLengthDecimals)
                               : snappedToSignificantDigits(converted);
    if (!(std::fabs(snapped) <= static_cast<double>(std::numeric_limits<float>::max())))
        return std::copysign(std::numeric_limits<float>::infinity(), static_cast<float>(value));
    return static_cast<float>(snapped);
}

} // namespace korva
