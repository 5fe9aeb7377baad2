#include "engine/deck/InputDeck.h"

#include <algorithm>

namespace korva {

MaterialKind SoilLayer::kindCode() const
{
    // The code is a real; only the exact values 1..9 name a kind.
    MaterialKind code = MaterialKind::None;
    return methods::materialKindFromCode(kind, code) ? code : MaterialKind::None;
}

methods::SandProcedure SoilLayer::sandProcedure() const
{
    if (sandMethod == static_cast<float>(SandMethodKo))
        return methods::SandProcedure::Ko;
    if (sandMethod == static_cast<float>(SandMethodBeta))
        return methods::SandProcedure::Beta;
    return methods::SandProcedure::KulhawyChen;
}

float InputDeck::profileBottom() const
{
    if (NL <= 0)
        return 0.0f;
    return layers[static_cast<std::size_t>(std::min(NL, kMaxLayers) - 1)].bottomDepth;
}

} // namespace korva
