#pragma once
#include <cstdint>

namespace korva {

// Status of one analysis run, as returned by IKORVA.
enum RunStatus : int32_t {
    StatusNormal = 0,
    StatusBadRequest = 1,
    StatusTzBeyondProfile = 2,
    StatusQwBeyondProfile = 4,
    StatusDesignLoadNotReached = 7,
};

} // namespace korva
