#include "engine/JsonNumber.h"

#include <charconv>
#include <cmath>

namespace korva {

std::string jsonNumber(float value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace korva
