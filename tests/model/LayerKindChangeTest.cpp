#include "gui/model/LayerKindChange.h"

#include <gtest/gtest.h>

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

#include <vector>

using namespace korva::gui;

namespace {

// A project with one layer of `kind` whose every property cell holds a distinct value:
// 10 * column + 1 at the top and 10 * column + 2 at the bottom (integer cells the same, the
// weak-rock interface index 1 at the top and 3 at the bottom).
std::unique_ptr<TProgramData> LayerOfKind(int kind)
{
    auto project = TProgramData::Create();
    project->D().SetIntValue(LayerColumn::Kind, 0, kind);
    TGridTable& properties = *project->LayerProperties(0);
    for (int column = 0; column < properties.ColumnCount(); ++column)
        for (int row : {TopRow, BottomRow}) {
            const int value = 10 * column + row + 1;
            switch (properties.Column(column).Type()) {
            case TColumnType::Float:
                properties.SetFloatValue(column, row, value);
                break;
            case TColumnType::Enum:
                properties.SetIntValue(column, row, row == TopRow ? 1 : 3);
                break;
            default:
                properties.SetIntValue(column, row, value);
            }
        }
    return project;
}

long double Cell(const TProgramData& project, int column, int row)
{
    const TGridTable& table = *project.LayerProperties(0);
    return table.Column(column).Type() == TColumnType::Float ? table.GetFloatValue(column, row)
                                                             : table.GetIntValue(column, row);
}

// Every cell of both rows of layer 1, top row first.
std::vector<long double> Cells(const TProgramData& project)
{
    std::vector<long double> cells;
    for (int row : {TopRow, BottomRow})
        for (int column = 0; column < project.LayerProperties(0)->ColumnCount(); ++column)
            cells.push_back(Cell(project, column, row));
    return cells;
}

TEST(LayerKindChange, SandToClayKeepsUnitWeightAndBlowCountsAndZeroesTheClayValues)
{
    auto project = TProgramData::Create();
    TGridTable& sand = *project->LayerProperties(0);
    for (int row : {TopRow, BottomRow}) {
        sand.SetFloatValue(SandColumn::UnitWeight, row, 120);
        sand.SetIntValue(SandColumn::BlowCounts, row, 20);
        sand.SetFloatValue(SandColumn::Ko, row, 0.8L);
    }
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindClay));
    EXPECT_EQ(project->D().GetIntValue(LayerColumn::Kind, 0), KindClay);
    const TGridTable& clay = *project->LayerProperties(0);
    EXPECT_EQ(clay.Caption, "Clay Layer Data");
    for (int row : {TopRow, BottomRow}) {
        EXPECT_EQ(clay.GetFloatValue(ClayColumn::UnitWeight, row), 120.0L);
        EXPECT_EQ(clay.GetIntValue(ClayColumn::BlowCounts, row), 20);
        EXPECT_EQ(clay.GetFloatValue(ClayColumn::Cohesion, row), 0.0L);
        EXPECT_EQ(clay.GetFloatValue(ClayColumn::Alpha, row), 0.0L);
        EXPECT_EQ(clay.GetFloatValue(ClayColumn::Nc, row), 0.0L);
    }
}

TEST(LayerKindChange, ClayToSandLeavesTheMethodZero)
{
    auto project = LayerOfKind(KindClay);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindSand));
    // Unit weight (0) and blow counts (2) come along; every other sand value is 0, the
    // method too (the fresh table's default would be 1).
    EXPECT_EQ(Cells(*project), (std::vector<long double>{1, 0, 21, 0, 0, 0, 0, 0, //
                                                         2, 0, 22, 0, 0, 0, 0, 0}));
}

TEST(LayerKindChange, StrongRockKindsKeepAllSevenValuesOfBothRows)
{
    auto project = LayerOfKind(KindStrongRock);
    const std::vector<long double> before = Cells(*project);
    ASSERT_EQ(before.size(), 14u);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindStrongRockBoth));
    EXPECT_EQ(Cells(*project), before);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindStrongRock));
    EXPECT_EQ(Cells(*project), before);
}

// The slot table, kind pair by kind pair: what arrives in each column of the new kind.
TEST(LayerKindChange, SlotsCarryTheirValuesBetweenKinds)
{
    const struct
    {
        int from, to;
        std::vector<long double> top; // the new kind's top row, column by column
    } cases[] = {
        // Sand: friction angle, Ko, beta, method, interface angle; m (column 7) is not carried.
        {KindSand, KindSand, {1, 11, 21, 31, 41, 51, 61, 71}}, // unchanged kind: nothing
        {KindSand, KindGravellySand, {1, 21, 41}},
        {KindGravel, KindSand, {1, 0, 11, 0, 21, 0, 0, 0}},
        {KindSand, KindWeakRock, {0, 51, 0, 61, 0, 0, 0}},
        {KindWeakRock, KindSand, {0, 0, 0, 0, 0, 1, 31, 0}},
        {KindClay, KindShale, {1, 11, 21, 31, 41}},
        {KindClay, KindDecomposedRock, {1, 21, 0, 0, 0}},
        // Between kind 5 and the rock kinds the modulus and the socket diameter trade places.
        {KindDecomposedRock, KindStrongRock, {0, 0, 0, 0, 31, 41, 0}},
        {KindStrongRock, KindDecomposedRock, {0, 0, 0, 41, 51}},
        {KindStrongRockBoth, KindWeakRock, {1, 0, 0, 0, 41, 51, 61}},
        {KindWeakRock, KindStrongRock, {1, 0, 0, 0, 41, 51, 61}},
        {KindStrongRock, KindSand, {0, 0, 0, 0, 0, 0, 0, 0}},
        {KindDecomposedRock, KindGravel, {1, 11, 0}},
        {KindGravellySand, KindGravel, {1, 11, 21}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        auto project = LayerOfKind(c.from);
        EXPECT_EQ(ChangeLayerKind(project->D(), 0, c.to), c.from != c.to);
        EXPECT_EQ(project->D().GetIntValue(LayerColumn::Kind, 0), c.to);
        std::vector<long double> top;
        for (int column = 0; column < project->LayerProperties(0)->ColumnCount(); ++column)
            top.push_back(Cell(*project, column, TopRow));
        EXPECT_EQ(top, c.top);
    }
}

TEST(LayerKindChange, BottomRowIsCarriedFromTheBottomRow)
{
    auto project = LayerOfKind(KindWeakRock);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindStrongRockBoth));
    EXPECT_EQ(Cell(*project, StrongRockColumn::CompressiveStrength, BottomRow), 2.0L);
    EXPECT_EQ(Cell(*project, StrongRockColumn::RQD, BottomRow), 62.0L);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindSand));
    EXPECT_EQ(Cell(*project, SandColumn::Method, BottomRow), 0.0L);
}

TEST(LayerKindChange, OtherLayersAndForeignCodesAreLeftAlone)
{
    auto project = LayerOfKind(KindClay);
    project->D().SetRowCount(2);
    project->LayerProperties(1)->SetFloatValue(SandColumn::UnitWeight, TopRow, 99);
    EXPECT_FALSE(ChangeLayerKind(project->D(), 0, 0));
    EXPECT_FALSE(ChangeLayerKind(project->D(), 0, 10));
    EXPECT_FALSE(ChangeLayerKind(project->D(), 2, KindSand));
    EXPECT_EQ(project->D().GetIntValue(LayerColumn::Kind, 0), KindClay);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindGravel));
    EXPECT_EQ(project->LayerProperties(1)->GetFloatValue(SandColumn::UnitWeight, TopRow), 99.0L);
    EXPECT_EQ(project->LayerProperties(0)->ID, 1);
}

TEST(LayerKindChange, SiProjectKeepsTheNumbersAsTheyStand)
{
    auto project = TProgramData::Create();
    project->SetUnits(2);
    project->LayerProperties(0)->SetFloatValue(SandColumn::UnitWeight, TopRow, 18.85L);
    ASSERT_TRUE(ChangeLayerKind(project->D(), 0, KindDecomposedRock));
    EXPECT_EQ(project->LayerProperties(0)->Units(), 2);
    EXPECT_EQ(project->LayerProperties(0)->GetFloatValue(DecomposedRockColumn::UnitWeight, TopRow),
              18.85L);
}

} // namespace
