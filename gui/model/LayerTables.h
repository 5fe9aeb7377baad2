#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "gui/controls/GridTable.h"

namespace korva::gui {

// The grid tables that hold a project's soil profile: the layer table, the per-kind property
// table templates and the list of additional t-z curve depths, with their column indices.

// Material kinds of a soil layer (codes 1-9, shared with the analysis engine).
enum TMaterialKind : int {
    KindSand = 1,
    KindClay = 2,
    KindShale = 3,
    KindStrongRock = 4,     // side friction or end bearing
    KindDecomposedRock = 5, // decomposed rock / gravel
    KindWeakRock = 6,
    KindStrongRockBoth = 7, // side friction plus end bearing
    KindGravellySand = 8,
    KindGravel = 9,
};
constexpr int MaterialKindCount = 9;

// Labels of the kinds in code order, as the soil layers window lists them.
constexpr std::array<std::string_view, MaterialKindCount> MaterialKindLabels{
    "sand (FHWA Spec.)",
    "clay (FHWA Spec.)",
    "shale (Reese &Aurora)",
    "strong rock (FHWA-side frict. or end bear.)",
    "decomposed rock/gravel (FHWA Spec.)",
    "weak rock (FHWA Spec.)",
    "strong rock (side friction + end bearing)",
    "gravelly sand (Rollins et al)",
    "gravel (Rollins et al)",
};

// Interface condition labels of weak rock (index 1-4).
constexpr std::array<std::string_view, 4> InterfaceConditionLabels{
    "Rough Surface w/closed joints",
    "Smooth Surface w/closed joints",
    "Rough Surface w/open joints",
    "Smooth Surface w/open joints",
};

constexpr bool IsMaterialKind(int kind)
{
    return kind >= 1 && kind <= MaterialKindCount;
}

// Columns of the layer table D (one row per layer, from the surface down).
namespace LayerColumn {
constexpr int Kind = 0;            // enumeration, material kind 1-9
constexpr int Depth = 1;           // depth at the bottom of the layer (L2)
constexpr int Properties = 2;      // the layer's two-row property table
constexpr int MaxSideFriction = 3; // qs limit (F/L2^2)
constexpr int MaxEndBearing = 4;   // qb limit (F/L2^2)
constexpr int PhiSide = 5;         // LRFD resistance factor, side friction
constexpr int PhiBase = 6;         // LRFD resistance factor, end bearing
} // namespace LayerColumn

// Rows of every property table.
constexpr int TopRow = 0;
constexpr int BottomRow = 1;

// Columns of the property tables, by kind.
namespace SandColumn {
constexpr int UnitWeight = 0, FrictionAngle = 1, BlowCounts = 2, Ko = 3, Beta = 4, Method = 5,
              InterfaceAngle = 6, OCR = 7; // OCR holds the stress exponent m of method 3
}
namespace ClayColumn { // kinds 2 and 3
constexpr int UnitWeight = 0, Cohesion = 1, BlowCounts = 2, Alpha = 3, Nc = 4;
}
namespace StrongRockColumn { // kinds 4 and 7
constexpr int CompressiveStrength = 0, ConcreteStrength = 1, DiscontinuitySpacing = 2,
              DiscontinuityThickness = 3, SocketDiameter = 4, ElasticModulus = 5, RQD = 6;
}
namespace DecomposedRockColumn { // kind 5
constexpr int UnitWeight = 0, BlowCounts = 1, PoissonsRatio = 2, YoungsModulus = 3,
              SocketDiameter = 4;
}
namespace WeakRockColumn { // kind 6
constexpr int CompressiveStrength = 0, InterfaceCondition = 1, ConcreteSlump = 2,
              InterfaceFrictionAngle = 3, SocketDiameter = 4, ElasticModulus = 5, RQD = 6;
}
namespace GravelColumn { // kinds 8 and 9
constexpr int UnitWeight = 0, BlowCounts = 1, Beta = 2;
}

// Sand side-friction procedures (column SandColumn::Method).
constexpr int SandKoMethod = 1;
constexpr int SandBetaMethod = 2;
constexpr int SandChenKulhawyMethod = 3;

// Identifiers under which the tables are registered.
constexpr int LayerTableIdentifier = 100;
constexpr int TZDepthTableIdentifier = 200;
constexpr int PropertyTemplateIdentifier(int kind)
{
    return 100 + kind;
}

constexpr int MaxLayerCount = 40;
constexpr int MaxTZDepthCount = 50;

// The property table template of a kind (caption, columns, two rows minimum and maximum),
// registered in `registry`.
std::unique_ptr<TGridTable> MakePropertyTemplate(TGridTableRegistry& registry, int kind);
// The layer table "Soil Layer Data"; its property column takes the registered templates.
std::unique_ptr<TGridTable> MakeLayerTable(TGridTableRegistry& registry);
// The table of additional t-z curve depths "Generated t-z curves".
std::unique_ptr<TGridTable> MakeTZDepthTable(TGridTableRegistry& registry);

} // namespace korva::gui
