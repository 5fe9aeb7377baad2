#pragma once

#include <span>
#include <vector>

#include "engine/analysis/CapacityRows.h"

namespace korva {

// What decides which lengths the report lists at the depth step PINC. All lengths in the
// project's units (ft, or m in SI runs); the rows are already in report units.
struct ListingSettings
{
    float step = 1.0f;             // PINC
    float shallowestLength = 0.0f; // TOPLEN + BS + HB: only lengths beyond it are listed
    float finalLength = 0.0f;      // final length, or the last computed row's length
    bool si = false;
    bool designLoadGiven = false; // METHOD 1
    float proposedLength = 0.0f;  // METHOD 2, SI: nothing beyond it is listed
    // METHOD 1, SI: the last row's QDN exceeds the design load (an LRFD run whose stop test
    // never met the factored design load); only then are rows listed at all.
    bool lastRowExceedsDesignLoad = false;
};

// Lengths x = k x PINC (k = 1, 2, ...) that the report lists. A step that is not a positive
// number lists at 1 unit steps. At most one listed length per 0.001 unit of the final length.
std::vector<float> listedLengths(const ListingSettings& settings);

// The row listed at length x: straight-line interpolation of every column between the computed
// rows j - 1 and j, j the first row from the second on whose length is at least x (the second
// row when x lies at or below it; below the first row this extrapolates). When the second row
// is used and the interpolated QS is below 1e-5, the row is built from the third computed row
// instead (half its side values, its base values); a case with only two rows takes the second
// row for this, and a case with one row lists that row's values.
CapacityRow listedRowAt(std::span<const CapacityRow> rows, float x);

// Every listed row of a case (empty when there is nothing to list).
std::vector<CapacityRow> listedRows(std::span<const CapacityRow> rows,
                                    const ListingSettings& settings);

} // namespace korva
