#include "engine/output/JsonNumber.h"

#include "engine/output/FixedFormat.h"

#include <cmath>

namespace korva {

std::string jsonNumber(float value)
{
    return std::isfinite(value) ? shortestNumber(value) : "null";
}

} // namespace korva
