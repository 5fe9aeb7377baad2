#pragma once

#include "engine/methods/SocketSettlement.h"

// Load-settlement of a shaft whose tip stands in decomposed rock / gravel (material 5): the
// closed-form pile-soil solution for a cohesionless intermediate geomaterial, with the side
// slipping first and the base taking the rest. Feet, pounds and lb/ft² inside; points in tons
// and feet.
namespace korva::methods {

struct DecomposedRockSocketCase
{
    float referenceLength_ft = 0.0f;       // middle of the deepest layer of code 5 or 6 + TOPLENG
    float finalSideResistance_tons = 0.0f; // QS of the final row
    float tipLayerTop_ft = 0.0f;
    float tipLayerBottom_ft = 0.0f;
    float depthInTipLayer_ft = 0.0f; // where blow count and socket diameter are read
    float blowCountTop = 0.0f;
    float blowCountBottom = 0.0f;
    float socketDiameterTop_ft = 0.0f; // as entered (BDS)
    float socketDiameterBottom_ft = 0.0f;
    float modulusTop_tsf = 0.0f; // Young's modulus of the geomaterial; 0 to estimate it from N
    float modulusBottom_tsf = 0.0f;
    float stemDiameter_ft = 0.0f;
    float firstDiameter_ft = 0.0f;
    float concreteModulus_tsf = 0.0f;
    float midLayerEffectiveStress_psf = 0.0f; // at the middle of the tip layer
    float deepestSliceDepth_ft = 0.0f;        // the deepest slice the depth walk evaluated
    float deepestSliceEffectiveStress_psf = 0.0f;
};

// Intermediate values of the solution, for checking and for the engineer's record.
struct DecomposedRockSocketDetail
{
    float socketDiameter_ft = 0.0f;
    float socketLength_ft = 0.0f;
    float blowCount = 0.0f;
    float effectiveStress_psf = 0.0f;
    float modulus_psf = 0.0f;
    float stiffnessRatio = 0.0f; // rho
    float slipLoad_lb = 0.0f;
    float slipMovement_ft = 0.0f;  // s1
    float baseLoad_lb = 0.0f;      // Qb
    float loadAfterSlip_lb = 0.0f; // delta P
    float baseMovement_ft = 0.0f;  // sb
};

struct DecomposedRockSocketResult
{
    SocketCurve curve;
    DecomposedRockSocketDetail detail;
};

DecomposedRockSocketResult decomposedRockSocketCurve(const DecomposedRockSocketCase& socket);

} // namespace korva::methods
