#include "gui/model/LayerRowEdits.h"

#include <gtest/gtest.h>

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

using namespace korva::gui;

namespace {

// Three layers: sand to 10, clay to 20, strong rock to 30, each with marked values.
std::unique_ptr<TProgramData> ThreeLayers(int secondKind = KindClay)
{
    auto project = TProgramData::Create();
    TGridTable& d = project->D();
    d.SetRowCount(3);
    const int kinds[] = {KindSand, secondKind, KindStrongRock};
    for (int row = 0; row < 3; ++row) {
        d.SetIntValue(LayerColumn::Kind, row, kinds[row]);
        d.SetFloatValue(LayerColumn::Depth, row, 10.0L * (row + 1));
        d.SetFloatValue(LayerColumn::MaxSideFriction, row, 100.0L + row);
        d.SetFloatValue(LayerColumn::MaxEndBearing, row, 200.0L + row);
        d.SetFloatValue(LayerColumn::PhiSide, row, 0.5L + row / 10.0L);
        d.SetFloatValue(LayerColumn::PhiBase, row, 0.4L + row / 10.0L);
        TGridTable& properties = *project->LayerProperties(row);
        properties.SetFloatValue(0, TopRow, 110.0L + row);
        properties.SetFloatValue(0, BottomRow, 120.0L + row);
    }
    return project;
}

long double Value(const TProgramData& p, int column, int row)
{
    return p.D().GetFloatValue(column, row);
}

long double TopValue(const TProgramData& p, int row)
{
    return p.LayerProperties(row)->GetFloatValue(0, TopRow);
}

TEST(LayerRowEdits, InsertAboveClayGivesAFreshSandLayerAndMovesTheRestDown)
{
    for (bool lrfd : {true, false}) {
        SCOPED_TRACE(lrfd ? "LRFD" : "ASD");
        auto project = ThreeLayers();
        ASSERT_TRUE(InsertLayer(project->D(), 1, lrfd));
        const TProgramData& p = *project;
        ASSERT_EQ(p.D().RowCount(), 4);
        EXPECT_EQ(p.D().GetIntValue(LayerColumn::Kind, 1), KindSand);
        EXPECT_EQ(Value(p, LayerColumn::Depth, 1), 0.0L);
        EXPECT_EQ(Value(p, LayerColumn::MaxSideFriction, 1), 0.0L);
        EXPECT_EQ(Value(p, LayerColumn::MaxEndBearing, 1), 0.0L);
        // LRFD starts with factors 1; ASD keeps (and does not use) those of the moved layer.
        EXPECT_EQ(Value(p, LayerColumn::PhiSide, 1), lrfd ? 1.0L : 0.6L);
        EXPECT_EQ(Value(p, LayerColumn::PhiBase, 1), lrfd ? 1.0L : 0.5L);
        const TGridTable& fresh = *p.LayerProperties(1);
        EXPECT_EQ(fresh.Caption, "Sand Layer Data");
        EXPECT_EQ(fresh.ID, 2);
        for (int column = 0; column < fresh.ColumnCount(); ++column)
            if (column != SandColumn::Method) {
                EXPECT_EQ(fresh.GetValue(column, TopRow), "0");
            }
        // The former layers 2 and 3, complete, are now 3 and 4.
        for (int row : {2, 3}) {
            EXPECT_EQ(p.D().GetIntValue(LayerColumn::Kind, row),
                      row == 2 ? KindClay : KindStrongRock);
            EXPECT_EQ(Value(p, LayerColumn::Depth, row), 10.0L * row);
            EXPECT_EQ(Value(p, LayerColumn::MaxSideFriction, row), 100.0L + row - 1);
            EXPECT_EQ(Value(p, LayerColumn::MaxEndBearing, row), 200.0L + row - 1);
            EXPECT_EQ(Value(p, LayerColumn::PhiSide, row), 0.5L + (row - 1) / 10.0L);
            EXPECT_EQ(TopValue(p, row), 110.0L + row - 1);
            EXPECT_EQ(p.LayerProperties(row)->GetFloatValue(0, BottomRow), 120.0L + row - 1);
            EXPECT_EQ(p.LayerProperties(row)->ID, row + 1);
        }
        EXPECT_EQ(TopValue(p, 0), 110.0L);
    }
}

TEST(LayerRowEdits, InsertAboveSandStartsFromTheMovedSandValues)
{
    auto project = ThreeLayers(KindSand);
    project->LayerProperties(1)->SetFloatValue(SandColumn::Ko, BottomRow, 0.7L);
    ASSERT_TRUE(InsertLayer(project->D(), 1, true));
    const TProgramData& p = *project;
    EXPECT_EQ(Value(p, LayerColumn::Depth, 1), 0.0L);
    EXPECT_EQ(Value(p, LayerColumn::MaxSideFriction, 1), 0.0L);
    EXPECT_EQ(TopValue(p, 1), 111.0L);
    EXPECT_EQ(p.LayerProperties(1)->GetFloatValue(SandColumn::Ko, BottomRow), 0.7L);
    EXPECT_EQ(TopValue(p, 2), 111.0L);
    EXPECT_EQ(Value(p, LayerColumn::Depth, 2), 20.0L);
    // Two tables, not one shared.
    EXPECT_NE(p.LayerProperties(1), p.LayerProperties(2));
}

TEST(LayerRowEdits, DeleteMovesTheLayersBelowUpAndMayEmptyTheTable)
{
    auto project = ThreeLayers();
    TGridTable& d = project->D();
    ASSERT_TRUE(DeleteLayer(d, 0));
    ASSERT_EQ(d.RowCount(), 2);
    EXPECT_EQ(d.GetIntValue(LayerColumn::Kind, 0), KindClay);
    EXPECT_EQ(Value(*project, LayerColumn::Depth, 0), 20.0L);
    EXPECT_EQ(Value(*project, LayerColumn::PhiBase, 1), 0.6L);
    EXPECT_EQ(TopValue(*project, 1), 112.0L);
    EXPECT_EQ(project->LayerProperties(1)->ID, 2);
    EXPECT_FALSE(DeleteLayer(d, 2));
    ASSERT_TRUE(DeleteLayer(d, 1));
    ASSERT_TRUE(DeleteLayer(d, 0));
    EXPECT_EQ(d.RowCount(), 0);
    EXPECT_FALSE(DeleteLayer(d, 0));
    // Adding then starts a new first layer.
    ASSERT_TRUE(AddLayer(d));
    EXPECT_EQ(d.RowCount(), 1);
    EXPECT_EQ(d.GetIntValue(LayerColumn::Kind, 0), KindSand);
    EXPECT_EQ(Value(*project, LayerColumn::PhiSide, 0), 1.0L);
    ASSERT_NE(project->LayerProperties(0), nullptr);
}

TEST(LayerRowEdits, FortyLayersAreTheLimit)
{
    auto project = TProgramData::Create();
    TGridTable& d = project->D();
    while (AddLayer(d)) {
    }
    EXPECT_EQ(d.RowCount(), MaxLayerCount);
    EXPECT_FALSE(InsertLayer(d, 0, true));
    EXPECT_FALSE(InsertLayer(d, 45, true));
    EXPECT_EQ(d.RowCount(), MaxLayerCount);
    ASSERT_TRUE(DeleteLayer(d, 39));
    EXPECT_TRUE(InsertLayer(d, 0, false));
    EXPECT_EQ(d.RowCount(), MaxLayerCount);
}

} // namespace
