#pragma once

namespace korva::methods {

// Outcome of building load-transfer curves and of the load-settlement solution. The two
// profile codes carry the run status numbers the driver returns for them.
enum class CurveBuildCode : int {
    Ok = 0,
    TzDepthBeyondProfile = 2, // a t-z curve depth lies below the per-layer strength profile
    TipBeyondProfile = 4,     // the shaft tip lies below the per-layer strength profile
    InvalidShaft = 100,       // length, diameter, modulus or segment count not positive
};

} // namespace korva::methods
