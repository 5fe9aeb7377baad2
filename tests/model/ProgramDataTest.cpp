#include "gui/model/ProgramData.h"

#include <gtest/gtest.h>

#include "gui/model/LayerTables.h"

using namespace korva::gui;

namespace {

TEST(ProgramData, NewProjectDefaults)
{
    auto project = TProgramData::Create();
    const TProgramData& p = *project;
    EXPECT_EQ(p.Units(), 1);
    EXPECT_EQ(p.FileName, "NewKorva.kv8d");
    EXPECT_EQ(p.Title, "New Pile");
    EXPECT_EQ(p.PINC, 1.0L);
    EXPECT_EQ(p.METHOD, 2);
    EXPECT_EQ(p.KCYCL, 1);
    EXPECT_EQ(p.RCYCL, 1.0L);
    EXPECT_EQ(p.NPOINTPD, 5);
    EXPECT_EQ(p.PDSETT[0], 0.1L);
    EXPECT_EQ(p.PDSETT[9], 1.0L);
    EXPECT_EQ(p.FST, 2.5L);
    EXPECT_EQ(p.FSB, 3.0L);
    EXPECT_EQ(p.ID2, 1);
    EXPECT_EQ(p.IMOD, 1);
    EXPECT_EQ(p.Yesnewversion, 1);
    EXPECT_EQ(p.NLRFD, 2);
    EXPECT_EQ(p.PD, 0.0L);
    EXPECT_FALSE(p.GetDataChanged());

    // One default sand layer with its two-row property table; one t-z depth 0.
    ASSERT_EQ(p.D().RowCount(), 1);
    EXPECT_EQ(p.D().GetIntValue(LayerColumn::Kind, 0), KindSand);
    EXPECT_EQ(p.D().GetFloatValue(LayerColumn::PhiSide, 0), 1.0L);
    const TGridTable* sand = p.LayerProperties(0);
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->Caption, "Sand Layer Data");
    EXPECT_EQ(sand->RowCount(), 2);
    EXPECT_EQ(sand->GetIntValue(SandColumn::Method, BottomRow), SandKoMethod);
    EXPECT_EQ(sand->TopLeft, "Location, 1=Top, 2=Bottom");
    ASSERT_EQ(p.TblTZDepth().RowCount(), 1);
    EXPECT_EQ(p.TblTZDepth().GetFloatValue(0, 0), 0.0L);
}

TEST(ProgramData, TemplatesOfEveryKind)
{
    auto project = TProgramData::Create();
    struct TCase
    {
        int kind;
        const char* caption;
        int columns;
    };
    const TCase cases[] = {
        {1, "Sand Layer Data", 8},
        {2, "Clay Layer Data", 5},
        {3, "Shale Layer Data", 5},
        {4, "Strong Rock Layer Data", 7},
        {5, "Decomposed Geo. Layer Data", 5},
        {6, "Weak Rock Layer Data", 7},
        {7, "Strong Rock Layer Data", 7},
        {8, "Gravelly Sand Layer Data", 3},
        {9, "Gravel Layer Data", 3},
    };
    TGridTable& layers = project->D();
    for (const TCase& c : cases) {
        layers.SetIntValue(LayerColumn::Kind, 0, c.kind);
        const TGridTable* table = project->LayerProperties(0);
        ASSERT_NE(table, nullptr) << c.kind;
        EXPECT_EQ(table->Caption, c.caption);
        EXPECT_EQ(table->ColumnCount(), c.columns);
        EXPECT_EQ(table->RowCount(), 2);
        EXPECT_EQ(table->ID, 1);
    }
    EXPECT_EQ(project->PropertyTemplate(6)->HeadingText(2, 1), "Slump (in)  ");
    EXPECT_EQ(project->PropertyTemplate(4)->HeadingText(3, 0), "Dicontinuity");
    EXPECT_EQ(project->PropertyTemplate(7)->HeadingText(6, 0), "RQD,%");
    EXPECT_EQ(project->PropertyTemplate(10), nullptr);
}

TEST(ProgramData, SetUnitsConvertsDimensionedFieldsAndRoundTrips)
{
    auto project = TProgramData::Create();
    TProgramData& p = *project;
    p.PD = 30;
    p.DSTART = 3;
    p.LPD = 100;
    p.EPILE = 4000000;
    p.NPOINTPD = 2;
    p.ValElevation = 100;
    p.FST = 2.5L;
    p.BELANGL = 30;
    p.D().SetFloatValue(LayerColumn::Depth, 0, 50);
    p.LayerProperties(0)->SetFloatValue(SandColumn::UnitWeight, TopRow, 120);

    p.SetUnits(7); // counts as SI
    EXPECT_EQ(p.Units(), 2);
    EXPECT_NEAR(p.PD, 9.144L, 1e-9L);
    EXPECT_NEAR(p.DSTART, 0.9144L, 1e-10L);
    EXPECT_NEAR(p.LPD, 889.6442997L, 1e-6L);
    EXPECT_NEAR(p.EPILE, 27579031.6L, 0.05L);
    EXPECT_NEAR(p.PDSETT[0], 0.00254L, 1e-12L);
    EXPECT_NEAR(p.PDSETT[1], 0.00635L, 1e-12L);
    EXPECT_EQ(p.PDSETT[2], 0.5L); // beyond NPOINTPD: not converted
    EXPECT_EQ(p.ValElevation, 100.0L);
    EXPECT_EQ(p.FST, 2.5L);
    EXPECT_EQ(p.BELANGL, 30.0L);
    EXPECT_NEAR(p.D().GetFloatValue(LayerColumn::Depth, 0), 15.24L, 1e-9L);
    EXPECT_NEAR(p.LayerProperties(0)->GetFloatValue(SandColumn::UnitWeight, TopRow), 18.8505L,
                5e-5L);

    const long double pdSI = p.PD;
    p.SetUnits(2); // already in force: nothing changes
    EXPECT_EQ(p.PD, pdSI);

    p.SetUnits(0); // counts as English
    EXPECT_EQ(p.Units(), 1);
    EXPECT_NEAR(p.PD, 30.0L, 1e-12L);
    EXPECT_NEAR(p.LPD, 100.0L, 1e-12L);
    EXPECT_NEAR(p.EPILE, 4000000.0L, 1e-6L);
    EXPECT_NEAR(p.PDSETT[0], 0.1L, 1e-15L);
    EXPECT_NEAR(p.D().GetFloatValue(LayerColumn::Depth, 0), 50.0L, 1e-12L);
}

TEST(ProgramData, InitPDSETInSIUnits)
{
    auto project = TProgramData::Create();
    project->NPOINTPD = 3;
    project->SetUnits(2);
    project->InitPDSET();
    const long double expected_m[] = {0.00254L, 0.00635L, 0.0127L, 0.01905L, 0.0254L,
                                      0.0254L,  0.0254L,  0.0254L, 0.0254L,  0.0254L};
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(project->PDSETT[static_cast<std::size_t>(i)], expected_m[i], 1e-12L) << i;
    EXPECT_EQ(project->NPOINTPD, 3);
}

TEST(ProgramData, ChangedFlagCoversScalarsAndTables)
{
    auto project = TProgramData::Create();
    project->SetDataChanged(true);
    EXPECT_TRUE(project->GetDataChanged());
    project->SetDataChanged(false);
    project->LayerProperties(0)->SetFloatValue(0, 0, 1);
    EXPECT_TRUE(project->GetDataChanged());
    project->SetDataChanged(false);
    EXPECT_FALSE(project->GetDataChanged());
    project->TblTZDepth().SetFloatValue(0, 0, 5);
    EXPECT_TRUE(project->GetDataChanged());
}

// Menus and windows store through the edits: the project is marked changed only when a value
// really changes.
TEST(ProgramData, EditsStoreOnlyWhatDiffersAndMarkTheProjectChanged)
{
    auto project = TProgramData::Create();
    TProgramData& p = *project;
    EXPECT_FALSE(p.Store(p.Title, std::string("New Pile")));
    EXPECT_FALSE(p.Store(p.NLRFD, 2));
    EXPECT_FALSE(p.ChangeUnits(1));
    EXPECT_FALSE(p.ChangeUnits(0)); // counts as English
    EXPECT_FALSE(p.GetDataChanged());

    EXPECT_TRUE(p.Store(p.DSTART, 3));
    EXPECT_EQ(p.DSTART, 3.0L);
    EXPECT_TRUE(p.GetDataChanged());
    p.SetDataChanged(false);
    EXPECT_TRUE(p.ChangeUnits(7)); // counts as SI
    EXPECT_EQ(p.Units(), 2);
    EXPECT_NEAR(static_cast<double>(p.DSTART), 0.9144, 1e-9);
    EXPECT_TRUE(p.GetDataChanged());
}

TEST(ProgramData, ShaftLengthDesignLoadAndLoadingRules)
{
    auto project = TProgramData::Create();
    TProgramData& p = *project;
    p.PD = 30;
    // A positive design load zeroes the shaft length, a zero one leaves it.
    EXPECT_FALSE(p.StoreDesignLoad(0));
    EXPECT_EQ(p.PD, 30.0L);
    EXPECT_TRUE(p.StoreDesignLoad(100));
    EXPECT_EQ(p.LPD, 100.0L);
    EXPECT_EQ(p.PD, 0.0L);
    EXPECT_TRUE(p.StoreShaftLength(40));
    EXPECT_EQ(p.PD, 40.0L);
    EXPECT_EQ(p.LPD, 0.0L);

    // Uplift keeps its reduction factor; compression has none.
    EXPECT_TRUE(p.StoreLoading(2, 0.7L));
    EXPECT_EQ(p.KCYCL, 2);
    EXPECT_EQ(p.RCYCL, 0.7L);
    EXPECT_TRUE(p.StoreLoading(1, 0.7L));
    EXPECT_EQ(p.KCYCL, 1);
    EXPECT_EQ(p.RCYCL, 1.0L);
    p.SetDataChanged(false);
    EXPECT_FALSE(p.StoreLoading(1, 0.5L));
    EXPECT_FALSE(p.GetDataChanged());
}

} // namespace
