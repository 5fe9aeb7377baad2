// Exported entry point of libkorvacalc.so: the only symbol the library exports.
#include "engine/run/RunAnalysis.h"

#include <cstdint>

// One call runs one analysis: 10 reads names.dat in the current working directory and runs
// the project it names; any other code returns 1 at once.
extern "C" __attribute__((visibility("default"))) int32_t IKORVA(int32_t requestCode)
{
    return korva::handleEngineRequest(requestCode, {});
}
