// Exported entry point of libkorvacalc.so.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t IKORVA(int32_t requestCode)
{
    if (requestCode != 10)
        return 1;
    return 0;
}
