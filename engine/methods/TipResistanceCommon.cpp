#include "engine/methods/TipResistanceCommon.h"

#include <cmath>

namespace korva::methods {

float applyMaximumEndBearing_tons(float tip_tons, float maxEndBearing_tsf, float area_ft2)
{
    if (maxEndBearing_tsf < -1.0e-6f) {
        return std::fabs(maxEndBearing_tsf) * area_ft2;
    }
    // Qb / Ab > qb, written without dividing by the area.
    if (maxEndBearing_tsf > 0.0f && tip_tons > maxEndBearing_tsf * area_ft2) {
        return maxEndBearing_tsf * area_ft2;
    }
    return tip_tons;
}

float finishSliceTip_tons(float tip_tons, float maxEndBearing_tsf, float area_ft2, bool uplift)
{
    if (uplift) {
        return 0.0f;
    }
    return applyMaximumEndBearing_tons(tip_tons, maxEndBearing_tsf, area_ft2);
}

float upliftShaftWeight_tons(float concreteVolume_cuyd, float baseDepth_ft,
                             float waterTableDepth_ft, float stemDiameter_ft)
{
    float weight_tons = concreteVolume_cuyd * 4050.0f / kPoundsPerTon;
    if (baseDepth_ft > waterTableDepth_ft) {
        weight_tons -=
            (baseDepth_ft - waterTableDepth_ft) * 0.02450448f * stemDiameter_ft * stemDiameter_ft;
    }
    return weight_tons > 0.0f ? weight_tons : 0.0f;
}

} // namespace korva::methods
