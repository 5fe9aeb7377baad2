#pragma once
#include <array>
#include <span>
#include <vector>

#include "engine/methods/CurveBuildCode.h"
#include "engine/methods/CurveSelector.h"
#include "engine/methods/QwCurve.h"
#include "engine/methods/StrengthProfile.h"
#include "engine/methods/TzCurves.h"

// Load-settlement of a shaft whose base rests in soil, by the load-transfer method: the shaft
// is cut into segments supported by the t-z curves, the base by the Q-w curve; for each assumed
// base movement the solution marches from the base to the head, balancing load transfer and
// elastic shortening segment by segment. Inches and pounds throughout.
namespace korva::methods {

inline constexpr int kLoadLevelCount = 15;
// A segment is accepted when its middle movement changes by no more than this between trials.
inline constexpr float kMiddleMovementTolerance_in = 1.0e-5f;
// Trials per segment; the last trial is accepted when the tolerance is not met by then.
inline constexpr int kMaxSegmentTrials = 100;

// The first twelve assumed base movements (in); the last three follow from the base diameter.
inline constexpr std::array<float, 12> kFixedBaseMovements_in = {
    0.00001f, 0.00005f, 0.0001f, 0.005f, 0.0075f, 0.01f, 0.025f, 0.05f, 0.075f, 0.1f, 0.25f, 0.5f};

// The 15 assumed base movements (in) for a base of the given diameter.
std::array<float, kLoadLevelCount> assumedBaseMovements_in(float baseDiameter_ft);

// Axial stiffness AE (lb) along the shaft: the stem value down to the top of the base
// transition (bell plus ignored bottom portion), then linear to the base value at the tip.
struct AxialStiffnessProfile
{
    float stem_lb = 0.0f;
    float base_lb = 0.0f;
    float transitionTop_in = 0.0f;
    float tip_in = 0.0f;

    float at_lb(float depth_in) const;
};

AxialStiffnessProfile axialStiffnessProfile(float length_ft, float stemDiameter_ft,
                                            float baseDiameter_ft, float baseTransitionLength_ft,
                                            float concreteModulus_psi);

// The shaft of one case as the solution needs it.
struct LoadSettlementCase
{
    float length_ft = 0.0f;
    float stemDiameter_ft = 0.0f;
    float baseDiameter_ft = 0.0f;         // the stem diameter for a straight shaft
    float baseTransitionLength_ft = 0.0f; // bell height + ignored bottom portion
    float ignoredTop_ft = 0.0f;           // no load transfer above this depth
    float concreteModulus_psi = 0.0f;
    int segmentCount = 0; // rows of the capacity listing down to the length
    float ultimateBaseLoad_tons = 0.0f;
    int baseMaterialCode = 0;
    std::span<const TzLayer> layers;
    std::span<const LayerStrength> layerProfile;
    std::span<const StrengthPoint> rowProfile;
    // Keep every segment of every march (the detail file and the load distribution need them);
    // when false only each march's top segment is kept, which saves time in long series.
    bool keepSegments = true;
};

// One accepted segment of a march, with the node below it.
struct SegmentRecord
{
    float lowerDepth_in = 0.0f; // node at the segment's lower end
    float lowerLoad_lb = 0.0f;
    float lowerMovement_in = 0.0f;
    float middleDepth_in = 0.0f;
    float transfer_psi = 0.0f;
    float loadIncrement_lb = 0.0f;
    float middleLoad_lb = 0.0f;
    float compression_in = 0.0f;
    float middleMovement_in = 0.0f;
    int trials = 0;
    bool converged = true;
};

// The march for one base movement.
struct LoadLevel
{
    float baseMovement_in = 0.0f;
    float baseLoad_lb = 0.0f;
    float headDepth_in = 0.0f;
    float headLoad_lb = 0.0f;
    float headMovement_in = 0.0f;
    std::vector<SegmentRecord> segments; // bottom to top; empty unless keepSegments
    SegmentRecord topSegment;            // always kept
    int unconvergedSegments = 0;
};

struct LoadSettlementCurve
{
    CurveBuildCode code = CurveBuildCode::Ok;
    float offendingDepth_in = 0.0f; // the depth beyond the profile for codes 2 and 4
    CurveSelector selector = CurveSelector::Trend;
    std::vector<TzCurve> tzCurves;
    QwCurve qwCurve;
    std::vector<LoadLevel> levels; // kLoadLevelCount when code is Ok
    int unconvergedSegments = 0;   // over all levels; > 0 calls for the run note
};

// One point of a load-settlement curve in the report's units.
struct SettlementPoint
{
    float topLoad = 0.0f;
    float topMovement = 0.0f;
    float tipLoad = 0.0f;
    float tipMovement = 0.0f;
};

// Builds the curves for the selector and marches the 15 assumed base movements.
LoadSettlementCurve solveLoadSettlement(CurveSelector selector, const LoadSettlementCase& shaft);

// Marches one base movement with given curves (the core of every solution).
LoadLevel marchFromBase(std::span<const TzCurve> tzCurves, const QwCurve& qwCurve,
                        const LoadSettlementCase& shaft, float baseMovement_in);

// A level in the report's units: tons and inches (unitSystem 1) or kN and m (2).
SettlementPoint reportPoint(const LoadLevel& level, int unitSystem);
std::vector<SettlementPoint> reportPoints(const LoadSettlementCurve& curve, int unitSystem);

// Base movement that gives a head settlement, by linear interpolation in the (head movement,
// base movement) pairs of the levels: 0 below the first head movement, extrapolated from the
// last two pairs above the last; never negative.
float baseMovementForHeadSettlement_in(std::span<const LoadLevel> levels, float headSettlement_in);

// Head load at a design-chart settlement.
struct ChartSettlementResult
{
    float headSettlement_in = 0.0f;
    float baseDiameter_in = 0.0f;
    float baseArea_in2 = 0.0f;
    float baseMovement_in = 0.0f;
    LoadLevel level;                       // the march; its head values go to the report row
    float topSegmentMiddleDepth_in = 0.0f; // record of the top segment for the chart file
    float topSegmentMiddleLoad_lb = 0.0f;  // the chart value
    float topSegmentMiddleMovement_in = 0.0f;
};

// Settlement pass of a design-chart run, on the curves of a solved trend curve.
std::vector<ChartSettlementResult>
solveDesignChartSettlements(const LoadSettlementCurve& trend, const LoadSettlementCase& shaft,
                            std::span<const float> headSettlements_in);

} // namespace korva::methods
