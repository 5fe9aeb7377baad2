#pragma once
#include <numbers>

namespace korva::methods {

inline constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180.0f;

constexpr float radians(float angle_deg)
{
    return angle_deg * kRadiansPerDegree;
}

} // namespace korva::methods
