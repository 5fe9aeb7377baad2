#include "engine/methods/LoadSettlementSolution.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

constexpr int kSi = 2;

bool positive(float value)
{
    return value > 0.0f && std::isfinite(value);
}

bool validShaft(const LoadSettlementCase& shaft)
{
    return positive(shaft.length_ft) && positive(shaft.stemDiameter_ft) &&
           positive(shaft.baseDiameter_ft) && positive(shaft.concreteModulus_psi) &&
           shaft.segmentCount > 0 && std::isfinite(shaft.ultimateBaseLoad_tons) &&
           std::isfinite(shaft.baseTransitionLength_ft) && std::isfinite(shaft.ignoredTop_ft);
}

// A t-z curve prepared for repeated reading: its points held by value next to the slope of
// each of its straight pieces, and whether its movements rise (or stay level) from point to
// point, which lets a reading start its search at the piece of the previous reading.
struct PreparedTzCurve
{
    std::array<float, kTzPointCount> movement_in{};
    std::array<float, kTzPointCount> transfer_psi{};
    std::array<float, kTzPointCount> slope{}; // slope[i]: piece from point i - 1 to point i
    bool ordered = false;
};

PreparedTzCurve prepare(const TzCurve& curve)
{
    PreparedTzCurve prepared;
    prepared.movement_in = curve.movement_in;
    prepared.transfer_psi = curve.transfer_psi;
    prepared.ordered = true;
    for (int i = 1; i < kTzPointCount; ++i) {
        const float dx = curve.movement_in[i] - curve.movement_in[i - 1];
        prepared.slope[i] =
            dx > 0.0f ? (curve.transfer_psi[i] - curve.transfer_psi[i - 1]) / dx : 0.0f;
        if (!(curve.movement_in[i - 1] <= curve.movement_in[i])) {
            prepared.ordered = false;
        }
    }
    return prepared;
}

// Number of points after the first at or below the movement. For rising movements this is the
// last such point, found by walking from `hint` (the answer of a nearby reading); otherwise
// every point is counted.
int countPointsAtOrBelow(const PreparedTzCurve& prepared, float movement_in)
{
    int below = 0;
    for (int i = 1; i < kTzPointCount; ++i) {
        below += prepared.movement_in[static_cast<std::size_t>(i)] <= movement_in ? 1 : 0;
    }
    return below;
}

inline int pointsAtOrBelow(const PreparedTzCurve& prepared, float movement_in, int hint)
{
    if (!prepared.ordered) {
        return countPointsAtOrBelow(prepared, movement_in);
    }
    const auto& m = prepared.movement_in;
    int below = hint;
    while (below < kTzPointCount - 1 && m[static_cast<std::size_t>(below + 1)] <= movement_in) {
        ++below;
    }
    while (below > 0 && !(m[static_cast<std::size_t>(below)] <= movement_in)) {
        --below;
    }
    return below;
}

// The reading of transferAt_psi with the slope of each piece precomputed: linear between
// points, the last value beyond the last point. `hint` carries the piece from one reading to
// the next.
inline float preparedTransfer_psi(const PreparedTzCurve& prepared, float movement_in, int& hint)
{
    if (movement_in <= prepared.movement_in[0]) {
        return prepared.transfer_psi[0];
    }
    const int below = pointsAtOrBelow(prepared, movement_in, hint);
    hint = below;
    if (below == kTzPointCount - 1) {
        return prepared.transfer_psi[kTzPointCount - 1];
    }
    const auto i = static_cast<std::size_t>(below + 1);
    return prepared.transfer_psi[i - 1] +
           prepared.slope[i] * (movement_in - prepared.movement_in[i - 1]);
}

// The support of one segment: its axial stiffness and the two curves bracketing its middle
// with the depth weight of the lower one; no curves in the ignored top portion.
struct SegmentSupport
{
    int upper = -1;
    int lower = -1;
    float lowerWeight = 0.0f;
    float stiffness_lb = 0.0f;
};

// Geometry of the march shared by every base movement of a solution.
struct MarchGeometry
{
    float tip_in = 0.0f;
    float h_in = 0.0f;
    float perimeterTimesLength_in2 = 0.0f;
    bool keepSegments = true;
    std::vector<PreparedTzCurve> curves;
    std::vector<SegmentSupport> supports; // per segment, from the base up
};

// The bracket of bracketTzCurves (the first curve deeper than the depth and the one before
// it) found by bisection: the first curve deeper than a depth is the first at which the
// running maximum of the curve depths exceeds it, and that maximum never decreases.
class CurveBracketing
{
  public:
    explicit CurveBracketing(std::span<const TzCurve> curves)
    {
        deepestSoFar_in_.reserve(curves.size());
        for (const TzCurve& curve : curves) {
            if (std::isnan(curve.depth_in)) {
                searchable_ = false;
                return;
            }
            deepestSoFar_in_.push_back(deepestSoFar_in_.empty()
                                           ? curve.depth_in
                                           : std::max(deepestSoFar_in_.back(), curve.depth_in));
        }
    }

    TzBracket bracket(std::span<const TzCurve> curves, float depth_in) const
    {
        if (!searchable_ || curves.empty()) {
            return bracketTzCurves(curves, depth_in);
        }
        const auto deeper =
            std::upper_bound(deepestSoFar_in_.begin(), deepestSoFar_in_.end(), depth_in);
        if (deeper == deepestSoFar_in_.end()) {
            const int last = static_cast<int>(curves.size()) - 1;
            return {last, last};
        }
        const auto lower = static_cast<int>(deeper - deepestSoFar_in_.begin());
        return {lower == 0 ? 0 : lower - 1, lower};
    }

  private:
    std::vector<float> deepestSoFar_in_;
    bool searchable_ = true;
};

// Half-integer multiples of a segment length in single precision can land a few
// hundred-thousandths of an inch short of the exact depth (24 ft in 15 segments: the 13th
// middle from the base at 47.99998 in rather than 48 in). A middle within this distance of
// the bottom of the ignored top portion lies at that bottom, not above it, and carries load.
constexpr float kDepthTie_in = 1.0e-4f;

float segmentMiddle_in(const MarchGeometry& g, int k)
{
    return g.tip_in - g.h_in * (static_cast<float>(k) + 0.5f);
}

MarchGeometry marchGeometry(std::span<const TzCurve> tzCurves, const LoadSettlementCase& shaft)
{
    MarchGeometry g;
    g.tip_in = kInchesPerFoot * shaft.length_ft;
    g.h_in = g.tip_in / static_cast<float>(shaft.segmentCount);
    g.perimeterTimesLength_in2 = kPi * (kInchesPerFoot * shaft.stemDiameter_ft) * g.h_in;
    g.keepSegments = shaft.keepSegments;
    const float ignoredTop_in = kInchesPerFoot * shaft.ignoredTop_ft;
    const AxialStiffnessProfile stiffness =
        axialStiffnessProfile(shaft.length_ft, shaft.stemDiameter_ft, shaft.baseDiameter_ft,
                              shaft.baseTransitionLength_ft, shaft.concreteModulus_psi);
    const CurveBracketing bracketing(tzCurves);
    g.supports.reserve(static_cast<std::size_t>(shaft.segmentCount));
    for (int k = 0; k < shaft.segmentCount; ++k) {
        const float z = segmentMiddle_in(g, k);
        SegmentSupport support;
        support.stiffness_lb = stiffness.at_lb(z);
        // No load transfer in the ignored top portion.
        if (!(z < ignoredTop_in - kDepthTie_in)) {
            const TzBracket bracket = bracketing.bracket(tzCurves, z);
            support.upper = bracket.upper;
            support.lower = bracket.lower;
            if (bracket.upper >= 0 && bracket.upper != bracket.lower) {
                const float du = tzCurves[static_cast<std::size_t>(bracket.upper)].depth_in;
                const float dl = tzCurves[static_cast<std::size_t>(bracket.lower)].depth_in;
                support.lowerWeight = (z - du) / (dl - du);
            }
        }
        g.supports.push_back(support);
    }
    // Only the curves that support a segment are ever read.
    g.curves.resize(tzCurves.size());
    std::vector<bool> prepared(tzCurves.size(), false);
    for (const SegmentSupport& support : g.supports) {
        for (const int index : {support.upper, support.lower}) {
            if (index >= 0 && !prepared[static_cast<std::size_t>(index)]) {
                g.curves[static_cast<std::size_t>(index)] =
                    prepare(tzCurves[static_cast<std::size_t>(index)]);
                prepared[static_cast<std::size_t>(index)] = true;
            }
        }
    }
    return g;
}

// Load transfer of a segment at a trial movement: each bracketing curve read at the movement,
// then linear by depth between them. The hints carry each curve's piece between readings.
inline float supportedTransfer_psi(const MarchGeometry& g, const SegmentSupport& support,
                                   float movement_in, int& upperHint, int& lowerHint)
{
    if (support.upper < 0) {
        return 0.0f;
    }
    const float upper = preparedTransfer_psi(g.curves[static_cast<std::size_t>(support.upper)],
                                             movement_in, upperHint);
    if (support.upper == support.lower) {
        return upper;
    }
    const float lower = preparedTransfer_psi(g.curves[static_cast<std::size_t>(support.lower)],
                                             movement_in, lowerHint);
    return upper + (lower - upper) * support.lowerWeight;
}

std::vector<LoadLevel> marchAll(const QwCurve& qwCurve, const MarchGeometry& g,
                                std::span<const float> baseMovements_in);

} // namespace

std::array<float, kLoadLevelCount> assumedBaseMovements_in(float baseDiameter_ft)
{
    std::array<float, kLoadLevelCount> movements{};
    std::copy(kFixedBaseMovements_in.begin(), kFixedBaseMovements_in.end(), movements.begin());
    const float base_in = kInchesPerFoot * baseDiameter_ft;
    // Large bases are pushed to 1 %, 2.5 % and 5 % of their diameter; small ones continue the
    // fixed series by a quarter at a time.
    const float w13 = 0.01f * base_in > 0.5f ? 0.01f * base_in : 0.625f;
    const float w14 = 0.025f * base_in > w13 ? 0.025f * base_in : 1.25f * w13;
    const float w15 = 0.05f * base_in > w14 ? 0.05f * base_in : 1.25f * w14;
    movements[12] = w13;
    movements[13] = w14;
    movements[14] = w15;
    return movements;
}

float AxialStiffnessProfile::at_lb(float depth_in) const
{
    if (depth_in <= transitionTop_in) {
        return stem_lb;
    }
    if (depth_in >= tip_in) {
        return base_lb;
    }
    return stem_lb +
           (base_lb - stem_lb) * (depth_in - transitionTop_in) / (tip_in - transitionTop_in);
}

AxialStiffnessProfile axialStiffnessProfile(float length_ft, float stemDiameter_ft,
                                            float baseDiameter_ft, float baseTransitionLength_ft,
                                            float concreteModulus_psi)
{
    const float stem_in = kInchesPerFoot * stemDiameter_ft;
    const float base_in = kInchesPerFoot * baseDiameter_ft;
    const float transition_ft = std::clamp(baseTransitionLength_ft, 0.0f, length_ft);
    AxialStiffnessProfile profile;
    profile.stem_lb = concreteModulus_psi * kQuarterPi * stem_in * stem_in;
    profile.base_lb = concreteModulus_psi * kQuarterPi * base_in * base_in;
    profile.transitionTop_in = kInchesPerFoot * (length_ft - transition_ft);
    profile.tip_in = kInchesPerFoot * length_ft;
    return profile;
}

namespace {

// The state of one march between segments: the node below the next segment and the piece of
// each bracketing curve read last.
struct MarchNode
{
    float load_lb = 0.0f;
    float movement_in = 0.0f;
    int upperHint = 0;
    int lowerHint = 0;
};

// Solves segment k of a march from the node below it and moves the node to the segment's top.
inline void solveSegment(const MarchGeometry& g, int k, MarchNode& node, SegmentRecord& segment)
{
    const SegmentSupport& support = g.supports[static_cast<std::size_t>(k)];
    const float h = g.h_in;
    const float p = g.perimeterTimesLength_in2;
    const float quarterH = h / 4.0f;
    const float loadBelow = node.load_lb;
    const float movementBelow = node.movement_in;
    segment.middleDepth_in = segmentMiddle_in(g, k);
    segment.lowerDepth_in = segment.middleDepth_in + h / 2.0f;
    segment.lowerLoad_lb = loadBelow;
    segment.lowerMovement_in = movementBelow;
    const float ae = support.stiffness_lb;
    float trialMovement = movementBelow;
    float t = 0.0f;
    float increment = 0.0f;
    float middleLoad = 0.0f;
    float newMiddleMovement = 0.0f;
    int trial = 1;
    bool converged = false;
    for (;; ++trial) {
        t = supportedTransfer_psi(g, support, trialMovement, node.upperHint, node.lowerHint);
        increment = p * t;
        middleLoad = loadBelow + increment / 2.0f;
        // Lower half of the segment shortened under the mean load of that half.
        newMiddleMovement = movementBelow + (middleLoad + loadBelow) * quarterH / ae;
        if (std::fabs(newMiddleMovement - trialMovement) <= kMiddleMovementTolerance_in) {
            converged = true;
            break;
        }
        if (trial == kMaxSegmentTrials) {
            break;
        }
        trialMovement = newMiddleMovement;
    }
    // The whole segment shortened under its middle load, for the accepted trial.
    const float compression = h * middleLoad / ae;
    segment.transfer_psi = t;
    segment.loadIncrement_lb = increment;
    segment.middleLoad_lb = middleLoad;
    segment.compression_in = compression;
    segment.middleMovement_in = newMiddleMovement;
    segment.trials = trial;
    segment.converged = converged;
    node.load_lb = loadBelow + increment;
    node.movement_in = movementBelow + compression;
}

// Marches every base movement, all of them side by side segment by segment: the marches are
// independent of each other, so the processor overlaps their arithmetic, and each does exactly
// the operations of a march on its own.
std::vector<LoadLevel> marchAll(const QwCurve& qwCurve, const MarchGeometry& g,
                                std::span<const float> baseMovements_in)
{
    const std::size_t count = baseMovements_in.size();
    std::vector<LoadLevel> levels(count);
    std::vector<MarchNode> nodes(count);
    for (std::size_t i = 0; i < count; ++i) {
        LoadLevel& level = levels[i];
        level.baseMovement_in = baseMovements_in[i];
        level.baseLoad_lb = baseLoadAt_lb(qwCurve, level.baseMovement_in);
        nodes[i].load_lb = level.baseLoad_lb;
        nodes[i].movement_in = level.baseMovement_in;
        if (g.keepSegments) {
            level.segments.reserve(g.supports.size());
        }
    }
    const auto segmentCount = static_cast<int>(g.supports.size());
    SegmentRecord scratch;
    for (int k = 0; k < segmentCount; ++k) {
        // Each record is written where it is kept: copying a record just written field by
        // field would stall on reading it back as a whole.
        const bool top = k == segmentCount - 1;
        for (std::size_t i = 0; i < count; ++i) {
            LoadLevel& level = levels[i];
            SegmentRecord& segment = g.keepSegments ? level.segments.emplace_back()
                                     : top          ? level.topSegment
                                                    : scratch;
            solveSegment(g, k, nodes[i], segment);
            if (!segment.converged) {
                ++level.unconvergedSegments;
            }
            if (top && g.keepSegments) {
                level.topSegment = segment;
            }
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        LoadLevel& level = levels[i];
        level.headDepth_in = g.tip_in - g.h_in * static_cast<float>(segmentCount);
        level.headLoad_lb = nodes[i].load_lb;
        level.headMovement_in = nodes[i].movement_in;
    }
    return levels;
}

} // namespace

LoadLevel marchFromBase(std::span<const TzCurve> tzCurves, const QwCurve& qwCurve,
                        const LoadSettlementCase& shaft, float baseMovement_in)
{
    if (!validShaft(shaft)) {
        LoadLevel level;
        level.baseMovement_in = baseMovement_in;
        level.baseLoad_lb = baseLoadAt_lb(qwCurve, baseMovement_in);
        return level;
    }
    const float movements[] = {baseMovement_in};
    return std::move(marchAll(qwCurve, marchGeometry(tzCurves, shaft), movements).front());
}

LoadSettlementCurve solveLoadSettlement(CurveSelector selector, const LoadSettlementCase& shaft)
{
    LoadSettlementCurve curve;
    curve.selector = selector;
    if (!validShaft(shaft)) {
        curve.code = CurveBuildCode::InvalidShaft;
        return curve;
    }
    const float stem_in = kInchesPerFoot * shaft.stemDiameter_ft;
    const float base_in = kInchesPerFoot * shaft.baseDiameter_ft;
    TzCurveSet tz =
        buildTzCurves(selector, shaft.layers, shaft.layerProfile, shaft.rowProfile, stem_in);
    if (tz.code != CurveBuildCode::Ok) {
        curve.code = tz.code;
        curve.offendingDepth_in = tz.offendingDepth_in;
        return curve;
    }
    const float tip_in = kInchesPerFoot * shaft.length_ft;
    if (tipBeyondProfile(tip_in, shaft.layerProfile)) {
        curve.code = CurveBuildCode::TipBeyondProfile;
        curve.offendingDepth_in = tip_in;
        return curve;
    }
    curve.tzCurves = std::move(tz.curves);
    curve.qwCurve = scaledQwCurve(selector, shaft.baseMaterialCode,
                                  shaft.ultimateBaseLoad_tons * kPoundsPerTon, stem_in, base_in);
    const MarchGeometry geometry = marchGeometry(curve.tzCurves, shaft);
    curve.levels =
        marchAll(curve.qwCurve, geometry, assumedBaseMovements_in(shaft.baseDiameter_ft));
    for (const LoadLevel& level : curve.levels) {
        curve.unconvergedSegments += level.unconvergedSegments;
    }
    return curve;
}

SettlementPoint reportPoint(const LoadLevel& level, int unitSystem)
{
    if (unitSystem == kSi) {
        return {level.headLoad_lb * kKilonewtonsPerPound, level.headMovement_in / kInchesPerMetre,
                level.baseLoad_lb * kKilonewtonsPerPound, level.baseMovement_in / kInchesPerMetre};
    }
    return {level.headLoad_lb / kPoundsPerTon, level.headMovement_in,
            level.baseLoad_lb / kPoundsPerTon, level.baseMovement_in};
}

std::vector<SettlementPoint> reportPoints(const LoadSettlementCurve& curve, int unitSystem)
{
    std::vector<SettlementPoint> points;
    points.reserve(curve.levels.size());
    for (const LoadLevel& level : curve.levels) {
        points.push_back(reportPoint(level, unitSystem));
    }
    return points;
}

float baseMovementForHeadSettlement_in(std::span<const LoadLevel> levels, float headSettlement_in)
{
    if (levels.empty() || headSettlement_in < levels.front().headMovement_in) {
        return 0.0f;
    }
    if (levels.size() == 1) {
        return levels.front().baseMovement_in;
    }
    std::size_t upper = levels.size() - 1; // extrapolate from the last two pairs by default
    for (std::size_t k = 1; k < levels.size(); ++k) {
        if (headSettlement_in <= levels[k].headMovement_in) {
            upper = k;
            break;
        }
    }
    const LoadLevel& a = levels[upper - 1];
    const LoadLevel& b = levels[upper];
    const float dx = b.headMovement_in - a.headMovement_in;
    if (dx == 0.0f) {
        return std::max(0.0f, b.baseMovement_in);
    }
    const float movement = a.baseMovement_in + (b.baseMovement_in - a.baseMovement_in) *
                                                   (headSettlement_in - a.headMovement_in) / dx;
    return std::max(0.0f, movement);
}

std::vector<ChartSettlementResult>
solveDesignChartSettlements(const LoadSettlementCurve& trend, const LoadSettlementCase& shaft,
                            std::span<const float> headSettlements_in)
{
    std::vector<ChartSettlementResult> results;
    if (trend.code != CurveBuildCode::Ok || trend.levels.empty()) {
        return results;
    }
    if (!validShaft(shaft)) {
        return results;
    }
    const float base_in = kInchesPerFoot * shaft.baseDiameter_ft;
    const MarchGeometry geometry = marchGeometry(trend.tzCurves, shaft);
    std::vector<float> baseMovements_in;
    baseMovements_in.reserve(headSettlements_in.size());
    for (const float settlement : headSettlements_in) {
        baseMovements_in.push_back(baseMovementForHeadSettlement_in(trend.levels, settlement));
    }
    std::vector<LoadLevel> levels = marchAll(trend.qwCurve, geometry, baseMovements_in);
    results.reserve(headSettlements_in.size());
    for (std::size_t i = 0; i < headSettlements_in.size(); ++i) {
        ChartSettlementResult result;
        result.headSettlement_in = headSettlements_in[i];
        result.baseDiameter_in = base_in;
        result.baseArea_in2 = kQuarterPi * base_in * base_in;
        result.baseMovement_in = baseMovements_in[i];
        result.level = std::move(levels[i]);
        const SegmentRecord& top = result.level.topSegment;
        result.topSegmentMiddleDepth_in = top.middleDepth_in;
        result.topSegmentMiddleLoad_lb = top.middleLoad_lb;
        result.topSegmentMiddleMovement_in = top.middleMovement_in;
        results.push_back(std::move(result));
    }
    return results;
}

} // namespace korva::methods
