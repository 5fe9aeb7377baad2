#include <gtest/gtest.h>

#include <vector>

#include "engine/output/ListedRows.h"

using namespace korva;

namespace {

CapacityRow row(float length, float qs, float qb, float volume)
{
    CapacityRow r;
    r.length = length;
    r.volume = volume;
    r.qs = qs;
    r.qb = qb;
    r.qu = qs + qb;
    r.qbd = qs + qb / 3.0f;
    r.qdn = qs / 2.0f + qb / 3.0f;
    r.quPerVolume = r.qu / volume;
    r.lrfdQs = 0.5f * qs;
    r.lrfdQb = 0.4f * qb;
    r.lrfdQu = r.lrfdQs + r.lrfdQb;
    return r;
}

} // namespace

TEST(ListedLengths, MultiplesOfStepBeyondIgnoredPortions)
{
    ListingSettings s;
    s.step = 2.0f;
    s.shallowestLength = 6.0f; // TOPLEN 5 + BS 1: 6 is not listed
    s.finalLength = 15.0f;
    EXPECT_EQ(listedLengths(s), (std::vector<float>{8.0f, 10.0f, 12.0f, 14.0f}));
    s.step = 0.0f; // no usable step: every foot
    EXPECT_EQ(listedLengths(s).front(), 7.0f);
    EXPECT_EQ(listedLengths(s).back(), 15.0f);
}

TEST(ListedLengths, SiSkippingRules)
{
    ListingSettings s;
    s.si = true;
    s.step = 1.0f;
    s.shallowestLength = 1.5f;
    s.finalLength = 9.4f;
    s.proposedLength = 8.0f; // METHOD 2: nothing beyond the proposed length
    EXPECT_EQ(listedLengths(s).back(), 8.0f);
    s.designLoadGiven = true; // METHOD 1 without final length: nothing listed ...
    EXPECT_TRUE(listedLengths(s).empty());
    s.lastRowExceedsDesignLoad = true; // ... unless QDN exceeded the design load
    EXPECT_EQ(listedLengths(s).back(), 9.0f);
}

TEST(ListedRowAt, InterpolatesAndExtrapolates)
{
    const std::vector<CapacityRow> rows{row(7, 2, 30, 2), row(8, 4, 32, 3), row(9, 6, 34, 4)};
    const CapacityRow mid = listedRowAt(rows, 8.5f);
    EXPECT_FLOAT_EQ(mid.length, 8.5f);
    EXPECT_FLOAT_EQ(mid.qs, 5.0f);
    EXPECT_FLOAT_EQ(mid.qb, 33.0f);
    EXPECT_FLOAT_EQ(mid.volume, 3.5f);
    EXPECT_FLOAT_EQ(mid.lrfdQu, 0.5f * 5.0f + 0.4f * 33.0f);
    // Below the first row the first two rows are extrapolated.
    EXPECT_FLOAT_EQ(listedRowAt(rows, 6.5f).qs, 1.0f);
}

TEST(ListedRowAt, TinySideResistanceTakesThirdRow)
{
    const std::vector<CapacityRow> rows{row(7, 0, 30, 2), row(8, 0, 32, 3), row(9, 6, 34, 4)};
    const CapacityRow r = listedRowAt(rows, 8.0f);
    EXPECT_FLOAT_EQ(r.qs, 3.0f);
    EXPECT_FLOAT_EQ(r.qb, 34.0f);
    EXPECT_FLOAT_EQ(r.qu, 37.0f);
    EXPECT_FLOAT_EQ(r.qbd, 0.5f * rows[2].qbd);
    EXPECT_FLOAT_EQ(r.qdn, 0.5f * rows[2].qdn);
    EXPECT_FLOAT_EQ(r.lrfdQs, 1.5f);
    EXPECT_FLOAT_EQ(r.lrfdQb, rows[2].lrfdQb);
    EXPECT_FLOAT_EQ(r.volume, 3.0f); // second row's volume x 8 / 8
    EXPECT_FLOAT_EQ(r.quPerVolume, 37.0f / 3.0f);
}

TEST(ListedRowAt, FewerThanThreeRows)
{
    const std::vector<CapacityRow> two{row(7, 0, 30, 2), row(8, 0, 32, 3)};
    const CapacityRow r = listedRowAt(two, 8.0f);
    EXPECT_FLOAT_EQ(r.qb, 32.0f); // built from the second row, the last that exists
    EXPECT_FLOAT_EQ(r.volume, 3.0f);
    const std::vector<CapacityRow> one{row(7, 4, 30, 2)};
    EXPECT_FLOAT_EQ(listedRowAt(one, 7.0f).qu, 34.0f);
    EXPECT_TRUE(listedRows({}, ListingSettings{}).empty());
}
