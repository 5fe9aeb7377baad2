#pragma once

namespace korva::methods {

// Material of a layer, with the codes used in the project file and throughout the engine.
enum class MaterialKind : int {
    None = 0, // any code outside 1..9: the layer has a head record only
    Sand = 1,
    Clay = 2,
    ClayShale = 3,
    StrongRockSideOrBase = 4, // side friction or end bearing, chosen by rock strength
    DecomposedRock = 5,       // decomposed rock / gravel: cohesionless intermediate geomaterial
    WeakRock = 6,             // cohesive intermediate geomaterial
    StrongRockSideAndBase = 7,
    GravellySand = 8,
    Gravel = 9,
};

// Material from the code read from the deck (a real compared exactly); false when the code is
// not one of 1..9.
constexpr bool materialKindFromCode(float code, MaterialKind& kind)
{
    for (int value = 1; value <= 9; ++value) {
        if (code == static_cast<float>(value)) {
            kind = static_cast<MaterialKind>(value);
            return true;
        }
    }
    return false;
}

// Soils take their side force over the stem perimeter; codes 4 to 7 over the rock socket.
constexpr bool isSoil(MaterialKind kind)
{
    const int code = static_cast<int>(kind);
    return code < 4 || code > 7;
}

// Strong-rock slices are marked for the tip averaging.
constexpr bool isStrongRock(MaterialKind kind)
{
    return kind == MaterialKind::StrongRockSideOrBase ||
           kind == MaterialKind::StrongRockSideAndBase;
}

constexpr bool isSandFamily(MaterialKind kind)
{
    return kind == MaterialKind::Sand || kind == MaterialKind::GravellySand ||
           kind == MaterialKind::Gravel;
}

constexpr bool isClayFamily(MaterialKind kind)
{
    return kind == MaterialKind::Clay || kind == MaterialKind::ClayShale;
}

} // namespace korva::methods
