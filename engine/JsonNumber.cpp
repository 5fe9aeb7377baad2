#include "engine/JsonNumber.h"

#include "engine/FixedFormat.h"

#include <cmath>

namespace korva {

std::string jsonNumber(float value)
{
    return std::isfinite(value) ? shortestNumber(value) : "null";
}

} // namespace korva
