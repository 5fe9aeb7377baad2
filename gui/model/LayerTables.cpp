#include "gui/model/LayerTables.h"

#include <climits>
#include <string>
#include <vector>

namespace korva::gui {

namespace {

using Headings = std::vector<std::string>;

constexpr int BlowCountMinimum = 0;
constexpr int BlowCountMaximum = 100;

std::unique_ptr<TGridTable> NewPropertyTable(TGridTableRegistry& registry, int kind,
                                             const char* caption)
{
    auto table = std::make_unique<TGridTable>(&registry);
    table->SetIdentifier(PropertyTemplateIdentifier(kind));
    table->Caption = caption;
    table->TopLeft = "Location, 1=Top, 2=Bottom";
    table->SetMinRows(2);
    table->SetMaxRows(2);
    return table;
}

void AddClayColumns(TGridTable& table)
{
    table.AddFloatColumn({"Total Unit Weight"}, "F/L2^3");
    table.AddFloatColumn({"Cohesion"}, "F/L2^2");
    table.AddIntColumn({"Blow Counts", "-Optional-"}, 0, BlowCountMinimum, BlowCountMaximum);
    table.AddFloatColumn({"Alpha", "Factor"}, "");
    table.AddFloatColumn({"Bearing Capacity", "Coefficient, Nc"}, "");
}

void AddStrongRockColumns(TGridTable& table, const char* thicknessHeading, const char* rqdHeading)
{
    table.AddFloatColumn({"Rock Compressive", "Strength"}, "F/L2^2");
    table.AddFloatColumn({"Concrete Compressive", "Strength"}, "F/L2^2");
    table.AddFloatColumn({"Discontinuity", "Spacing"}, "L2");
    table.AddFloatColumn({thicknessHeading, "Thickness"}, "L2");
    table.AddFloatColumn({"Socket", "Diameter"}, "L2");
    table.AddFloatColumn({"Elastic", "Modulus"}, "F/L^2");
    table.AddFloatColumn({rqdHeading}, "");
}

void AddGravelColumns(TGridTable& table)
{
    table.AddFloatColumn({"Total Unit Weight"}, "F/L2^3");
    table.AddIntColumn({"Blow Counts"}, 0, INT_MIN, INT_MAX);
    table.AddFloatColumn({"Beta", "(optional)"}, "");
}

} // namespace

std::unique_ptr<TGridTable> MakePropertyTemplate(TGridTableRegistry& registry, int kind)
{
    std::unique_ptr<TGridTable> table;
    switch (kind) {
    case KindSand:
        table = NewPropertyTable(registry, kind, "Sand Layer Data");
        table->AddFloatColumn({"Total Unit Weight"}, "F/L2^3");
        table->AddFloatColumn({"Friction Angle"}, "");
        table->AddIntColumn({"Blow Counts", "-Optional-"}, 0, BlowCountMinimum, BlowCountMaximum);
        table->AddFloatColumn({"Ko"}, "");
        table->AddFloatColumn({"Beta"}, "");
        // Typed entries take the Ko and beta methods; the layer window also stores method 3.
        table->AddIntColumn({"Method"}, SandKoMethod, SandKoMethod, SandBetaMethod);
        table->AddFloatColumn({"Interface Angle"}, "");
        table->AddFloatColumn({"OCR"}, "");
        break;
    case KindClay:
        table = NewPropertyTable(registry, kind, "Clay Layer Data");
        AddClayColumns(*table);
        break;
    case KindShale:
        table = NewPropertyTable(registry, kind, "Shale Layer Data");
        AddClayColumns(*table);
        break;
    case KindStrongRock:
        table = NewPropertyTable(registry, kind, "Strong Rock Layer Data");
        AddStrongRockColumns(*table, "Dicontinuity", "RQD, %");
        break;
    case KindDecomposedRock:
        table = NewPropertyTable(registry, kind, "Decomposed Geo. Layer Data");
        table->AddFloatColumn({"Total Unit Weight,"}, "F/L2^3");
        table->AddIntColumn({"Blow Counts", "(SPT Test)"}, 0, BlowCountMinimum, BlowCountMaximum);
        table->AddFloatColumn({"Poisson's", "Ratio"}, "");
        table->AddFloatColumn({"Young's Modulus", "-optional-"}, "F/L^2");
        table->AddFloatColumn({"Socket", "Diameter"}, "L2");
        break;
    case KindWeakRock: {
        table = NewPropertyTable(registry, kind, "Weak Rock Layer Data");
        table->AddFloatColumn({"Rock Compressive", "Strength"}, "F/L2^2");
        std::vector<std::string> conditions(InterfaceConditionLabels.begin(),
                                            InterfaceConditionLabels.end());
        table->AddEnumColumn({"Interface", "Condition"}, std::move(conditions));
        table->AddFloatColumn({"Concrete ", "Slump"}, "L");
        table->AddFloatColumn({"Interface Friction", "Angle, Deg."}, "");
        table->AddFloatColumn({"Socket ", "Diameter"}, "L2");
        table->AddFloatColumn({"Elastic Modulus of", "Rock Core"}, "F/L^2");
        table->AddFloatColumn({"RQD", "(%)"}, "");
        break;
    }
    case KindStrongRockBoth:
        table = NewPropertyTable(registry, kind, "Strong Rock Layer Data");
        AddStrongRockColumns(*table, "Discontinuity", "RQD,%");
        break;
    case KindGravellySand:
        table = NewPropertyTable(registry, kind, "Gravelly Sand Layer Data");
        AddGravelColumns(*table);
        break;
    case KindGravel:
        table = NewPropertyTable(registry, kind, "Gravel Layer Data");
        AddGravelColumns(*table);
        break;
    default:
        return nullptr;
    }
    return table;
}

std::unique_ptr<TGridTable> MakeLayerTable(TGridTableRegistry& registry)
{
    auto table = std::make_unique<TGridTable>(&registry);
    table->SetIdentifier(LayerTableIdentifier);
    table->Caption = "Soil Layer Data";
    table->TopLeft = "Layer";
    table->SetMinRows(1);
    table->SetMaxRows(MaxLayerCount);
    std::vector<std::string> kinds(MaterialKindLabels.begin(), MaterialKindLabels.end());
    table->AddEnumColumn({"Soil Type"}, std::move(kinds));
    table->AddFloatColumn({"Depth at Bottom ", "of each Layer"}, "L2");
    std::vector<int> templates;
    for (int kind = 1; kind <= MaterialKindCount; ++kind)
        templates.push_back(PropertyTemplateIdentifier(kind));
    table->AddTableColumn({"Layer  Data"}, TGridTableList::FromIdentifiers(registry, templates));
    table->AddFloatColumn({"Max. Side ", "Friction"}, "F/L2^2");
    table->AddFloatColumn({"Max. End ", "Bearing"}, "F/L2^2");
    table->AddFloatColumn({"LRFD Resistance Factor", "(Side Friction)"}, "", 1.0L);
    table->AddFloatColumn({"LRFD Resistance Factor", "(End Bearing)"}, "", 1.0L);
    return table;
}

std::unique_ptr<TGridTable> MakeTZDepthTable(TGridTableRegistry& registry)
{
    auto table = std::make_unique<TGridTable>(&registry);
    table->SetIdentifier(TZDepthTableIdentifier);
    table->Caption = "Generated t-z curves";
    table->SetMinRows(1);
    table->SetMaxRows(MaxTZDepthCount);
    table->AddFloatColumn({"Depth"}, "L2");
    return table;
}

} // namespace korva::gui
