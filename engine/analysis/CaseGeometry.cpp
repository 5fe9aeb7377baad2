#include "engine/analysis/CaseGeometry.h"
#include "engine/methods/FloatToInt.h"

#include <cmath>

#include "engine/methods/PhysicalConstants.h"

namespace korva {

CaseGeometry makeCaseGeometry(float stemDiameter_ft, float baseToStemRatio, float bellAngle_deg)
{
    CaseGeometry g;
    const float d = stemDiameter_ft;
    g.stemDiameter_ft = d;
    g.stemArea_ft2 = kPi / 4.0f * d * d;
    g.steelArea_in2 = 0.36f * kPi * d * d;
    g.slicePerimeter_ft2 = kPi * d * 1.0f;

    const bool bellAsked = truncateToInt(baseToStemRatio) != 0 && baseToStemRatio > 1.0f;
    // The bell angle is measured from the vertical; 57.29 degrees per radian.
    const float theta_rad = bellAngle_deg / 57.29f;
    const float tanTheta = std::tan(theta_rad);
    if (bellAsked && !(std::isfinite(tanTheta) && tanTheta > 1.0e-6f))
        g.bellAngleUnusable = true;
    g.belled = bellAsked && !g.bellAngleUnusable;

    if (!g.belled) {
        g.baseDiameter_ft = d;
        g.baseArea_ft2 = g.stemArea_ft2;
    } else {
        const float db = baseToStemRatio * d;
        g.baseDiameter_ft = db;
        g.baseArea_ft2 = kPi / 4.0f * db * db;
        g.heelHeight_ft = d <= 3.52f ? 0.25f : 0.5f;
        g.bellHeight_ft = (db - d) / (2.0f * tanTheta) + g.heelHeight_ft;
        const float frustum_ft3 = kPi * (g.bellHeight_ft - g.heelHeight_ft) / 3.0f *
                                  (d * d / 4.0f + d * db / 4.0f + db * db / 4.0f);
        g.underreamVolume_yd3 = (g.baseArea_ft2 * g.heelHeight_ft + frustum_ft3) / 27.0f;
    }
    g.averagingDepths = truncateToInt(2.0f * g.baseDiameter_ft);
    return g;
}

} // namespace korva
