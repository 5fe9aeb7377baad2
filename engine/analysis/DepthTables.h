#pragma once

#include <array>

namespace korva {

// Per-depth tables of one case, indexed by the integer shaft length L (ft) whose tip they
// describe: L = round(z + BS + HB) for the slice that ends at depth z.
inline constexpr int kDepthTableSize = 504; // lengths 0 ... 503 ft
inline constexpr int kDeepestTableIndex = kDepthTableSize - 1;

struct DepthTables
{
    std::array<float, kDepthTableSize> sideResistance_tons{};     // QS(L), running total
    std::array<float, kDepthTableSize> lrfdSideResistance_tons{}; // factored running total
    std::array<float, kDepthTableSize> sliceTip_tons{};           // tip of a base at the slice
    std::array<bool, kDepthTableSize> strongRockSlice{};          // tip came from strong rock
    std::array<float, kDepthTableSize> volume_yd3{};              // V(L), concrete down to L
    std::array<bool, kDepthTableSize> written{};                  // the walk stored this index
};

} // namespace korva
