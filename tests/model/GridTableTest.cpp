#include "gui/controls/GridTable.h"

#include <gtest/gtest.h>
#include <memory>

using namespace korva::gui;

namespace {

std::string ErrorOf(auto&& action)
{
    try {
        action();
    } catch (const EControlError& e) {
        return e.what();
    }
    return "(no error)";
}

// A layer-like table: kind enumeration, a depth, a property sub-table chosen by the kind,
// a stress column; two templates registered as 11 and 12.
class GridTableTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        first = std::make_unique<TGridTable>(&registry);
        first->SetIdentifier(11);
        first->Caption = "First Data";
        first->TopLeft = "Location";
        first->SetMinRows(2);
        first->SetMaxRows(2);
        first->AddFloatColumn({"Unit", "Weight"}, "F/L2^3");
        first->AddIntColumn({"Blow Counts"}, 0, 0, 100);

        second = std::make_unique<TGridTable>(&registry);
        second->SetIdentifier(12);
        second->Caption = "Second Data";
        second->SetMinRows(2);
        second->AddFloatColumn({"Strength"}, "F/L2^2", 5.0L);

        layers = std::make_unique<TGridTable>(&registry);
        layers->Caption = "Layers";
        layers->AddEnumColumn({"Kind"}, {"first", "second", "third"});
        layers->AddFloatColumn({"Depth at Bottom ", "of each Layer"}, "L2");
        layers->AddTableColumn({"Layer  Data"},
                               TGridTableList::FromIdentifiers(registry, {11, 12, 13}));
        layers->AddFloatColumn({"Max. Side ", "Friction"}, "F/L2^2");
        layers->AddFloatColumn({"Factor"}, "", 1.0L);
    }

    TGridTableRegistry registry;
    std::unique_ptr<TGridTable> first;
    std::unique_ptr<TGridTable> second;
    std::unique_ptr<TGridTable> layers;
};

TEST_F(GridTableTest, RowsTakeColumnDefaultsAndTheTemplateOfTheirKind)
{
    layers->SetRowCount(-3);
    EXPECT_EQ(layers->RowCount(), 0);
    layers->SetRowCount(2);
    EXPECT_EQ(layers->GetIntValue(0, 1), 1);
    EXPECT_EQ(layers->GetFloatValue(4, 1), 1.0L);
    TGridTable* sub = layers->GetTableValue(2, 1);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Caption, "First Data");
    EXPECT_EQ(sub->ID, 2);
    EXPECT_EQ(sub->RowCount(), 2);
    EXPECT_EQ(sub->WindowCaption(), "First Data 2");
    EXPECT_EQ(layers->GetValue(2, 1), "2: First Data");

    // A copy of a template has defaults, whatever values the template holds.
    first->SetRowCount(2);
    first->SetFloatValue(0, 0, 99.0L);
    auto copy = TGridTable::CreateCopy(7, *first);
    EXPECT_EQ(copy->RowCount(), 2);
    EXPECT_EQ(copy->GetFloatValue(0, 0), 0.0L);
    EXPECT_EQ(copy->ID, 7);
    EXPECT_EQ(copy->TopLeft, "Location");
    EXPECT_EQ(copy->MaxRows(), 2);
}

TEST_F(GridTableTest, ChangingTheKindReplacesTheSubTable)
{
    layers->SetRowCount(1);
    TGridTable* before = layers->GetTableValue(2, 0);
    before->SetFloatValue(0, 0, 120.0L);
    layers->SetIntValue(0, 0, 1); // same kind: the table and its values stay
    EXPECT_EQ(layers->GetTableValue(2, 0)->GetFloatValue(0, 0), 120.0L);
    layers->SetIntValue(0, 0, 2);
    TGridTable* after = layers->GetTableValue(2, 0);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Caption, "Second Data");
    EXPECT_EQ(after->GetFloatValue(0, 1), 5.0L);
    layers->SetIntValue(0, 0, 3); // identifier 13 names no table
    EXPECT_EQ(layers->GetTableValue(2, 0), nullptr);
    layers->SetIntValue(0, 0, 17); // outside the list
    EXPECT_EQ(layers->GetTableValue(2, 0), nullptr);
    EXPECT_EQ(layers->GetValue(2, 0), "1: ");
}

TEST_F(GridTableTest, RowGroupsAddInsertAndDeleteTogether)
{
    TGridTable pairs(&registry);
    pairs.SetRowGroup(2);
    pairs.AddFloatColumn({"Value"}, "");
    auto& shared = pairs.AddFloatColumn({"Shared"}, "");
    shared.SameGroup = true;
    pairs.AddRowGroup();
    pairs.AddRowGroup();
    ASSERT_EQ(pairs.RowCount(), 4);
    for (int row = 0; row < 4; ++row)
        pairs.SetFloatValue(0, row, row + 1);
    pairs.SetFloatValue(1, 3, 8.0L); // written into both rows of the second group
    EXPECT_EQ(pairs.GetFloatValue(1, 2), 8.0L);
    EXPECT_EQ(pairs.GetFloatValue(1, 1), 0.0L);

    pairs.InsertRowGroup(3); // before the group of row 3, that is before row 2
    ASSERT_EQ(pairs.RowCount(), 6);
    EXPECT_EQ(pairs.GetFloatValue(0, 1), 2.0L);
    EXPECT_EQ(pairs.GetFloatValue(0, 2), 0.0L);
    EXPECT_EQ(pairs.GetFloatValue(0, 3), 0.0L);
    EXPECT_EQ(pairs.GetFloatValue(0, 4), 3.0L);

    pairs.DeleteRowGroup(0);
    ASSERT_EQ(pairs.RowCount(), 4);
    EXPECT_EQ(pairs.GetFloatValue(0, 2), 3.0L);
    EXPECT_EQ(ErrorOf([&] { pairs.DeleteRowGroup(4); }), "Grid.Row not in valid range");
    EXPECT_EQ(ErrorOf([&] { pairs.SetRowGroup(0); }), "(no error)");
    EXPECT_EQ(pairs.RowGroup(), 1);
}

TEST_F(GridTableTest, InsertedLayerRowsKeepTheirSubTablesAndAreRenumbered)
{
    layers->SetRowCount(2);
    layers->SetIntValue(0, 1, 2);
    layers->GetTableValue(2, 1)->SetFloatValue(0, 0, 77.0L);
    layers->InsertRowGroup(0);
    ASSERT_EQ(layers->RowCount(), 3);
    EXPECT_EQ(layers->GetIntValue(0, 2), 2);
    EXPECT_EQ(layers->GetTableValue(2, 2)->GetFloatValue(0, 0), 77.0L);
    EXPECT_EQ(layers->GetTableValue(2, 2)->ID, 3);
    layers->CopyRow(2, 0);
    EXPECT_EQ(layers->GetTableValue(2, 0)->GetFloatValue(0, 0), 77.0L);
    EXPECT_NE(layers->GetTableValue(2, 0), layers->GetTableValue(2, 2));
    EXPECT_EQ(layers->GetTableValue(2, 0)->ID, 1);
}

TEST_F(GridTableTest, SwitchingUnitsConvertsRealColumnsBySubTablesToo)
{
    layers->SetRowCount(1);
    layers->SetFloatValue(1, 0, 30.0L);
    layers->SetFloatValue(3, 0, 100.0L);
    layers->SetFloatValue(4, 0, 0.5L);
    layers->GetTableValue(2, 0)->SetFloatValue(0, 0, 120.0L);

    layers->SetUnits(2);
    EXPECT_EQ(layers->Units(), 2);
    EXPECT_NEAR(layers->GetFloatValue(1, 0), 9.144L, 1e-9L);
    EXPECT_NEAR(layers->GetFloatValue(3, 0), 4.7880263L, 1e-7L);
    EXPECT_EQ(layers->GetFloatValue(4, 0), 0.5L);
    EXPECT_NEAR(layers->GetTableValue(2, 0)->GetFloatValue(0, 0), 18.8505L, 5e-5L);
    EXPECT_EQ(layers->GetTableValue(2, 0)->Units(), 2);

    layers->SetUnits(2); // same system: nothing changes
    EXPECT_NEAR(layers->GetFloatValue(1, 0), 9.144L, 1e-9L);
    layers->SetUnits(7); // counts as the raw system: recorded, nothing converted
    EXPECT_EQ(layers->Units(), 3);
    EXPECT_NEAR(layers->GetFloatValue(1, 0), 9.144L, 1e-9L);
    layers->SetUnits(2);
    layers->SetUnits(0); // counts as English
    EXPECT_NEAR(layers->GetFloatValue(1, 0), 30.0L, 1e-12L);
    EXPECT_NEAR(layers->GetFloatValue(3, 0), 100.0L, 1e-12L);

    // A new row's sub-table is in the table's system.
    layers->SetUnits(2);
    layers->SetRowCount(2);
    EXPECT_EQ(layers->GetTableValue(2, 1)->Units(), 2);
}

TEST_F(GridTableTest, HeadingsCarryTheUnitText)
{
    EXPECT_EQ(layers->HeadingText(1, 0), "Depth at Bottom ");
    EXPECT_EQ(layers->HeadingText(1, 1), "of each Layer (ft)  ");
    EXPECT_EQ(layers->HeadingText(4, 0), "Factor");
    EXPECT_EQ(layers->HeadingText(4, 1), "");
    EXPECT_EQ(layers->HeadingLineCount(), 2u);
    layers->SetUnits(2);
    EXPECT_EQ(layers->HeadingText(3, 1), "Friction (kN/m^2)  ");
}

TEST_F(GridTableTest, TypedEntriesAndTheirMessages)
{
    layers->SetRowCount(1);
    TGridTable* sub = layers->GetTableValue(2, 0);
    layers->SetValue(1, 0, "2*3");
    EXPECT_EQ(layers->GetFloatValue(1, 0), 6.0L);
    EXPECT_EQ(layers->GetValue(1, 0), "6");
    EXPECT_EQ(ErrorOf([&] { layers->SetValue(1, 0, "abc"); }), "abc is not a valid number.");
    EXPECT_EQ(ErrorOf([&] { layers->SetValue(1, 0, ""); }), "Entry cannot be blank.");
    EXPECT_EQ(layers->GetFloatValue(1, 0), 6.0L);
    EXPECT_EQ(ErrorOf([&] { layers->SetValue(0, 0, "1.5"); }), "Value must be an integer.");

    // The file reader and code set values directly: no range.
    sub->SetIntValue(1, 0, 101);
    EXPECT_EQ(sub->GetIntValue(1, 0), 101);
    sub->SetValue(1, 0, "2.5");
    EXPECT_EQ(sub->GetIntValue(1, 0), 2); // rounded, halves to even
    sub->SetInGridWindow(true);
    EXPECT_EQ(ErrorOf([&] { sub->SetValue(1, 0, "101"); }), "Entry must be between 0 and 100.");
    EXPECT_EQ(ErrorOf([&] { sub->SetValue(1, 0, "2.5"); }), "Entry must be an integer.");
    sub->SetValue(1, 0, "100");
    EXPECT_EQ(sub->GetIntValue(1, 0), 100);

    EXPECT_EQ(ErrorOf([&] { layers->GetIntValue(1, 0); }), "Data of wrong type");
    EXPECT_EQ(ErrorOf([&] { layers->GetData(3, 0).SetInt(1); }), "Data of wrong type");
    EXPECT_EQ(layers->GetData(2, 0).GetData(), sub);
    EXPECT_EQ(ErrorOf([&] { layers->SetMinRows(0); }), "Value must be greater than 0");
}

TEST_F(GridTableTest, ChangedFlagsReachThroughSubTables)
{
    layers->SetRowCount(1);
    layers->SetChanged(false);
    EXPECT_FALSE(layers->GetChanged());
    layers->GetTableValue(2, 0)->SetFloatValue(0, 1, 3.0L);
    EXPECT_TRUE(layers->GetChanged());
    layers->SetChanged(false);
    EXPECT_FALSE(layers->GetTableValue(2, 0)->GetChanged());
    layers->AddRowGroup();
    EXPECT_TRUE(layers->GetChanged());
}

TEST_F(GridTableTest, DeclarationsReportTheirErrors)
{
    TGridTable table(&registry);
    TColumnDeclaration real;
    real.TypeCode = 2;
    real.Headings = {"Depth"};
    real.UnitCode = "L2";
    TColumnDeclaration unknown;
    unknown.TypeCode = 9;
    EXPECT_EQ(ErrorOf([&] {
                  table.DeclareColumns({real, unknown});
              }),
              "Error Column Class not defined");
    TColumnDeclaration badRange;
    badRange.TypeCode = 1;
    badRange.IntMinimum = 5;
    badRange.IntMaximum = 1;
    EXPECT_EQ(ErrorOf([&] { table.DeclareColumns({badRange}); }),
              "Error occured when creating column 1: the minimum exceeds the maximum");
}

TEST_F(GridTableTest, TakingAnIdentifierSwapsItWithItsHolder)
{
    second->SetIdentifier(11);
    EXPECT_EQ(first->Identifier(), 12);
    EXPECT_EQ(registry.Find(11), second.get());
    auto detached = std::make_unique<TGridTable>(&registry);
    detached.reset();
    EXPECT_EQ(registry.Tables().size(), 3u);
}

} // namespace
