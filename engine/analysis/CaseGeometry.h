#pragma once

namespace korva {

// Geometry of one analysed shaft: a stem of diameter D, optionally with a bell (underream) at
// its base. Everything in feet, square feet, square inches and cubic yards.
struct CaseGeometry
{
    float stemDiameter_ft = 0.0f;     // D
    float baseDiameter_ft = 0.0f;     // DB: RATIO x D with a bell, D without
    float stemArea_ft2 = 0.0f;        // A = pi/4 D^2
    float baseArea_ft2 = 0.0f;        // AB = pi/4 DB^2
    bool belled = false;              //
    float heelHeight_ft = 0.0f;       // h0: straight part at the foot of the bell
    float bellHeight_ft = 0.0f;       // HB: end of stem to base
    float underreamVolume_yd3 = 0.0f; // VU: concrete of the bell
    float steelArea_in2 = 0.0f;       // one percent of the stem section
    float slicePerimeter_ft2 = 0.0f;  // shaft surface of one 1-ft slice, pi D x 1 ft
    int averagingDepths = 0;          // n = int(2 DB): 1-ft depths of the tip-averaging zone
    bool bellAngleUnusable = false;   // a bell was asked for with an angle that has no height
};

// Geometry of a shaft of stem diameter D. A bell exists when the integer part of the base to
// stem diameter ratio is not 0 and the ratio exceeds 1 (a base narrower than the stem, or a
// negative ratio, is not a bell). A bell angle whose tangent is not a positive finite number
// would give an infinite or negative bell height: the bell is then dropped and
// bellAngleUnusable is set so that the caller can warn.
CaseGeometry makeCaseGeometry(float stemDiameter_ft, float baseToStemRatio, float bellAngle_deg);

} // namespace korva
