#include <gtest/gtest.h>

#include <vector>

#include "engine/analysis/CapacityRows.h"
#include "engine/methods/TipResistanceCommon.h"

using namespace korva;

namespace {

// Tables of a straight shaft in one layer: side resistance growing 2 tons per ft from the
// first slice index, a uniform slice tip, volumes as the walk stores them.
DepthTables uniformTables(const CaseGeometry& g, int firstIndex, int lastIndex, float tip_tons)
{
    DepthTables t;
    for (int i = firstIndex; i <= lastIndex; ++i) {
        t.sideResistance_tons[i] = 2.0f * static_cast<float>(i - firstIndex + 1);
        t.lrfdSideResistance_tons[i] = 0.5f * t.sideResistance_tons[i];
        t.sliceTip_tons[i] = tip_tons;
        t.volume_yd3[i] = static_cast<float>(i) * g.stemArea_ft2 / 27.0f;
        t.written[i] = true;
    }
    return t;
}

struct OneLayer
{
    std::vector<float> bottom{60.0f};
    std::vector<int> kind{1};
    std::vector<float> tipFactor{0.5f};
    LayerColumn column() const { return {bottom, kind, tipFactor}; }
};

} // namespace

TEST(CandidateLengths, FirstIsOneBeyondIgnoredPortions)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    const CandidateRange r = candidateLengths(g, 5.0f, 1.0f, 60.0f);
    EXPECT_EQ(r.first, 7);
    EXPECT_EQ(r.last, 61 - 1 - 6 - 1); // B = 61, n = 6
    const CaseGeometry bell = makeCaseGeometry(3.0f, 2.5f, 30.0f);
    const CandidateRange rb = candidateLengths(bell, 5.0f, 1.0f, 60.0f);
    EXPECT_EQ(rb.first, 11); // round(5 + 1 + 4.147) + 1
    EXPECT_EQ(rb.last, 65 - 5 - 15 - 1);
}

TEST(CapacityRows, ProposedLengthRoundsUpToNextCandidate)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    const DepthTables t = uniformTables(g, 7, 61, 50.0f);
    RowSettings s;
    s.proposedLength_ft = 30.5f;
    s.sideSafetyFactor = 2.0f;
    s.baseSafetyFactor = 3.0f;
    OneLayer layers;
    std::vector<LayerTipRecord> records(1);
    const auto result =
        computeCapacityRows(t, g, s, layers.column(), candidateLengths(g, 5, 1, 60), 1.0f, records);
    ASSERT_TRUE(result.reachedFinal);
    EXPECT_EQ(result.finalLength, 31);
    EXPECT_EQ(result.rows.size(), 25u); // 7 ... 31
    const CapacityRow& last = result.rows.back();
    EXPECT_FLOAT_EQ(last.qs, 50.0f);
    EXPECT_FLOAT_EQ(last.qb, 50.0f);
    EXPECT_FLOAT_EQ(last.qu, 100.0f);
    EXPECT_FLOAT_EQ(last.qbd, 50.0f + 50.0f / 3.0f);
    EXPECT_FLOAT_EQ(last.qdn, 25.0f + 50.0f / 3.0f);
    EXPECT_FLOAT_EQ(last.lrfdQs, 25.0f);
    EXPECT_FLOAT_EQ(last.lrfdQb, 25.0f);
    EXPECT_FLOAT_EQ(last.lrfdQu, 50.0f);
    EXPECT_FLOAT_EQ(last.quPerVolume, 100.0f / last.volume);
    EXPECT_EQ(records[0].kind, 1);
    EXPECT_FLOAT_EQ(records[0].depth_ft, 31.0f); // the final length itself
}

TEST(CapacityRows, DesignLoadStopsAtFirstExceedingRow)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    const DepthTables t = uniformTables(g, 7, 61, 0.0f);
    OneLayer layers;
    std::vector<LayerTipRecord> records(1);
    RowSettings s;
    s.designLoadGiven = true;
    s.designLoad_tons = 20.0f; // QDN = QS / 1 exceeds 20 at QS 22, the 11th slice
    const auto asd = computeCapacityRows(t, g, s, layers.column(), {7, 53}, 1.0f, records);
    ASSERT_TRUE(asd.reachedFinal);
    EXPECT_EQ(asd.finalLength, 17);
    s.lrfd = true; // LRFD QU = QS / 2 exceeds 20 at QS 42
    const auto lrfd = computeCapacityRows(t, g, s, layers.column(), {7, 53}, 1.0f, records);
    EXPECT_EQ(lrfd.finalLength, 27);
    s.designLoad_tons = 1.0e6f;
    const auto never = computeCapacityRows(t, g, s, layers.column(), {7, 53}, 1.0f, records);
    EXPECT_FALSE(never.reachedFinal);
    EXPECT_EQ(never.finalLength, 53);
}

TEST(CapacityRows, UpliftCarriesShaftWeight)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    const DepthTables t = uniformTables(g, 7, 61, 80.0f);
    OneLayer layers;
    std::vector<LayerTipRecord> records(1);
    RowSettings s;
    s.uplift = true;
    s.proposedLength_ft = 20.0f;
    s.sideSafetyFactor = 2.0f;
    s.baseSafetyFactor = 3.0f; // taken as 1 in uplift
    s.waterTable_ft = 10.0f;
    const auto result = computeCapacityRows(t, g, s, layers.column(), {7, 53}, 1.0f, records);
    const CapacityRow& r = result.rows.back();
    ASSERT_FLOAT_EQ(r.length, 20.0f);
    const float weight = r.volume * 4050.0f / 2000.0f - 10.0f * 0.02450448f * 9.0f;
    EXPECT_FLOAT_EQ(r.qb, weight);
    EXPECT_FLOAT_EQ(methods::upliftShaftWeight_tons(r.volume, 20.0f, 10.0f, 3.0f), weight);
    EXPECT_FLOAT_EQ(r.qbd, r.qs + weight);
    EXPECT_FLOAT_EQ(r.qdn, r.qs / 2.0f + weight);
    // Above the water table nothing is subtracted.
    EXPECT_FLOAT_EQ(methods::upliftShaftWeight_tons(2.0f, 8.0f, 10.0f, 3.0f), 4.05f);
}

TEST(CapacityRows, VolumeNeverFallsBackAndZeroDiameterGivesNoInfinity)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    DepthTables t = uniformTables(g, 7, 61, 10.0f);
    t.volume_yd3[9] = 0.0f; // an index the walk did not store
    OneLayer layers;
    std::vector<LayerTipRecord> records(1);
    RowSettings s;
    s.proposedLength_ft = 12.0f;
    auto result = computeCapacityRows(t, g, s, layers.column(), {7, 53}, 1.0f, records);
    EXPECT_FLOAT_EQ(result.rows[2].volume, result.rows[1].volume);
    EXPECT_FALSE(result.nonFiniteReplaced);

    const CaseGeometry zero = makeCaseGeometry(0.0f, 0.0f, 0.0f);
    const DepthTables empty;
    result = computeCapacityRows(empty, zero, s, layers.column(), {1, 20}, 1.0f, records);
    for (const CapacityRow& r : result.rows)
        EXPECT_EQ(r.quPerVolume, 0.0f);
    EXPECT_TRUE(result.nonFiniteReplaced);
}

TEST(ReportUnits, SiConversion)
{
    CapacityRow r;
    r.length = 32.808f;
    r.volume = 13.078f;
    r.qs = 11.24f;
    r.quPerVolume = 0.8594586f;
    const CapacityRow si = rowInReportUnits(r, true);
    EXPECT_FLOAT_EQ(si.length, 10.0f);
    EXPECT_FLOAT_EQ(si.volume, 10.0f);
    EXPECT_FLOAT_EQ(si.qs, 100.0f);
    EXPECT_FLOAT_EQ(si.quPerVolume, 10.0f);
}
