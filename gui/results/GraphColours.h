#pragma once

#include <array>
#include <cstdint>

namespace korva::gui {

// Colours of the curves of a graph, by the curve's position among the active curves,
// taken modulo 17; 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 17> CurveColours = {
    0x000000, // black
    0x0000FF, // blue
    0xFF0000, // red
    0x008000, // green
    0x800080, // purple
    0x800000, // maroon
    0x000080, // navy
    0xFF00FF, // fuchsia
    0x808000, // olive
    0x008080, // teal
    0x808080, // grey
    0x00FF00, // lime
    0x808080, // grey
    0xC0C0C0, // silver
    0xC0C0C0, // silver
    0xFFFF00, // yellow
    0x00FFFF, // aqua
};

inline constexpr std::uint32_t CurveColourRgb(int activeIndex)
{
    const int n = static_cast<int>(CurveColours.size());
    return CurveColours[static_cast<std::size_t>(((activeIndex % n) + n) % n)];
}

} // namespace korva::gui
