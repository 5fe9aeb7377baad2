#include "gui/model/FieldLimits.h"
#include "gui/model/LayerTables.h"

#include "engine/deck/DeckRanges.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace korva::gui {
namespace {

// The unit code of the desktop program for each unit of the engine's table.
std::string unitCodeOf(korva::DeckUnit unit)
{
    switch (unit) {
    case korva::DeckUnit::None:
        return "";
    case korva::DeckUnit::Percent:
        return "%";
    case korva::DeckUnit::Degrees:
        return "deg";
    case korva::DeckUnit::Length:
        return "L2";
    case korva::DeckUnit::Settlement:
        return "L";
    case korva::DeckUnit::Force:
        return "F2";
    case korva::DeckUnit::Stress:
        return "F/L2^2";
    case korva::DeckUnit::UnitWeight:
        return "F/L2^3";
    case korva::DeckUnit::Modulus:
        return "F/L^2";
    }
    return "?";
}

// The engine and the desktop program share no code: this is what keeps their limits equal.
TEST(FieldLimits, TheDesktopLimitsAreTheEnginesRangesFieldForField)
{
    std::map<std::string, const TPhysicalLimitEntry*> desktop;
    for (const TPhysicalLimitEntry& e : PhysicalLimitTable())
        EXPECT_TRUE(desktop.emplace(std::string(e.Field), &e).second) << e.Field << " twice";
    ASSERT_EQ(desktop.size(), korva::deckRangeTable().size());
    for (const korva::DeckValueRange& engine : korva::deckRangeTable()) {
        SCOPED_TRACE(engine.field);
        const auto found = desktop.find(engine.field);
        ASSERT_NE(found, desktop.end());
        const TPhysicalLimitEntry& d = *found->second;
        EXPECT_EQ(std::string(d.UnitCode), unitCodeOf(engine.unit));
        EXPECT_DOUBLE_EQ(static_cast<double>(d.EnglishMin), engine.englishMin);
        EXPECT_DOUBLE_EQ(static_cast<double>(d.EnglishMax), engine.englishMax);
        EXPECT_DOUBLE_EQ(static_cast<double>(d.SIMin), engine.siMin);
        EXPECT_DOUBLE_EQ(static_cast<double>(d.SIMax), engine.siMax);
    }
}

TEST(FieldLimits, LookupByFieldUnitSystemAndTableColumn)
{
    const auto english = PhysicalLimitsOf("EPILE", 1);
    ASSERT_TRUE(english.has_value());
    EXPECT_EQ(english->Min, 1e3L);
    EXPECT_EQ(english->Max, 1e9L);
    const auto si = PhysicalLimitsOf("EPILE", 3); // 3 and above count as SI
    ASSERT_TRUE(si.has_value());
    EXPECT_EQ(si->Max, 6.9e9L);
    EXPECT_FALSE(PhysicalLimitsOf("Title", 1).has_value());

    // A window's own bound stays where it is narrower; the physical range fills the rest.
    const TFieldLimits modulus = EntryLimitsOf("EPILE", 1);
    EXPECT_EQ(modulus.Min, 1e3L);
    EXPECT_EQ(modulus.Max, 300000000.0L);
    const TFieldLimits water = EntryLimitsOf("WTD", 2);
    EXPECT_EQ(water.Min, 0.0L);
    EXPECT_EQ(water.Max, 3100.0L);
    EXPECT_EQ(EntryLimitsOf("NPOINTPD", 1).Max, 10.0L);

    EXPECT_EQ(LayerColumnField(LayerColumn::Depth), "Depth");
    EXPECT_EQ(LayerColumnField(LayerColumn::PhiBase), "PhiBase");
    EXPECT_FALSE(LayerColumnField(LayerColumn::Kind).has_value());
    EXPECT_EQ(PropertyColumnField(KindSand, SandColumn::OCR), "OCR");
    EXPECT_EQ(PropertyColumnField(KindSand, SandColumn::InterfaceAngle), "InterfaceAngle");
    EXPECT_FALSE(PropertyColumnField(KindSand, SandColumn::Method).has_value());
    EXPECT_EQ(PropertyColumnField(KindShale, ClayColumn::Nc), "Nc");
    EXPECT_EQ(PropertyColumnField(KindStrongRockBoth, StrongRockColumn::RQD), "RQD");
    EXPECT_EQ(PropertyColumnField(KindDecomposedRock, DecomposedRockColumn::YoungsModulus),
              "YoungsModulus");
    EXPECT_EQ(PropertyColumnField(KindWeakRock, WeakRockColumn::ConcreteSlump), "ConcreteSlump");
    EXPECT_EQ(PropertyColumnField(KindGravel, GravelColumn::Beta), "Beta");
    EXPECT_FALSE(PropertyColumnField(0, 0).has_value());
    EXPECT_FALSE(PropertyColumnField(KindGravel, 3).has_value());

    // Every column of every kind but the sand method has a limit, and each names a field of
    // the table.
    for (int kind = 1; kind <= MaterialKindCount; ++kind) {
        for (int column = 0; column < 8; ++column) {
            if (const auto field = PropertyColumnField(kind, column)) {
                EXPECT_TRUE(PhysicalLimitsOf(*field, 1).has_value()) << kind << " " << column;
            }
        }
    }
}

} // namespace
} // namespace korva::gui
