// libFuzzer entry of one target; KORVA_FUZZ_BODY names its body (FuzzTargets.h).
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return korva::fuzz::KORVA_FUZZ_BODY(data, size);
}
