#pragma once

#include <array>
#include <span>

#include "gui/model/LayerTables.h"

namespace korva::gui {

// Word order of the property records of a layer block in the project data file (one record
// for the top of the layer, one for the bottom). The two LRFD resistance factors follow
// these words when the record carries them.
enum class TRecordSlot {
    Placeholder, // the word "0.0", written literally and skipped on reading
    Real,        // a real column of the property table
    Integer,     // an integer (or enumeration) column of the property table
    SideLimit,   // maximum side friction of the layer table row
    BaseLimit,   // maximum end bearing of the layer table row
};

struct TRecordWord
{
    TRecordSlot Slot;
    int Column; // property table column, for Real and Integer
};

namespace PropertyRecord {

using enum TRecordSlot;

// kind 1: "0.0", unit weight, friction angle, interface angle, blow counts, qs, qb
constexpr std::array<TRecordWord, 7> Sand{{{Placeholder, 0},
                                           {Real, SandColumn::UnitWeight},
                                           {Real, SandColumn::FrictionAngle},
                                           {Real, SandColumn::InterfaceAngle},
                                           {Integer, SandColumn::BlowCounts},
                                           {SideLimit, 0},
                                           {BaseLimit, 0}}};
// kind 1 in the older layouts: the interface angle word is skipped
constexpr std::array<TRecordWord, 7> SandOlder{{{Placeholder, 0},
                                                {Real, SandColumn::UnitWeight},
                                                {Real, SandColumn::FrictionAngle},
                                                {Placeholder, 0},
                                                {Integer, SandColumn::BlowCounts},
                                                {SideLimit, 0},
                                                {BaseLimit, 0}}};
// kinds 2, 3: Nc, unit weight, "0.0", cohesion, blow counts, qs, qb
constexpr std::array<TRecordWord, 7> Clay{{{Real, ClayColumn::Nc},
                                           {Real, ClayColumn::UnitWeight},
                                           {Placeholder, 0},
                                           {Real, ClayColumn::Cohesion},
                                           {Integer, ClayColumn::BlowCounts},
                                           {SideLimit, 0},
                                           {BaseLimit, 0}}};
// kinds 4, 7: rock strength, concrete strength, spacing, thickness, socket diameter, qs,
// elastic modulus, RQD, qb
constexpr std::array<TRecordWord, 9> StrongRock{{{Real, StrongRockColumn::CompressiveStrength},
                                                 {Real, StrongRockColumn::ConcreteStrength},
                                                 {Real, StrongRockColumn::DiscontinuitySpacing},
                                                 {Real, StrongRockColumn::DiscontinuityThickness},
                                                 {Real, StrongRockColumn::SocketDiameter},
                                                 {SideLimit, 0},
                                                 {Real, StrongRockColumn::ElasticModulus},
                                                 {Real, StrongRockColumn::RQD},
                                                 {BaseLimit, 0}}};
// kind 5: unit weight, blow counts, Poisson's ratio, Young's modulus, socket diameter, qs, qb
constexpr std::array<TRecordWord, 7> DecomposedRock{{{Real, DecomposedRockColumn::UnitWeight},
                                                     {Integer, DecomposedRockColumn::BlowCounts},
                                                     {Real, DecomposedRockColumn::PoissonsRatio},
                                                     {Real, DecomposedRockColumn::YoungsModulus},
                                                     {Real, DecomposedRockColumn::SocketDiameter},
                                                     {SideLimit, 0},
                                                     {BaseLimit, 0}}};
// kind 6: rock strength, interface condition, slump, friction angle, socket diameter, qs,
// modulus of the rock core, RQD, qb
constexpr std::array<TRecordWord, 9> WeakRock{{{Real, WeakRockColumn::CompressiveStrength},
                                               {Integer, WeakRockColumn::InterfaceCondition},
                                               {Real, WeakRockColumn::ConcreteSlump},
                                               {Real, WeakRockColumn::InterfaceFrictionAngle},
                                               {Real, WeakRockColumn::SocketDiameter},
                                               {SideLimit, 0},
                                               {Real, WeakRockColumn::ElasticModulus},
                                               {Real, WeakRockColumn::RQD},
                                               {BaseLimit, 0}}};
// kinds 8, 9: unit weight, blow counts, beta, qs, qb
constexpr std::array<TRecordWord, 5> Gravel{{{Real, GravelColumn::UnitWeight},
                                             {Integer, GravelColumn::BlowCounts},
                                             {Real, GravelColumn::Beta},
                                             {SideLimit, 0},
                                             {BaseLimit, 0}}};

// Words of a kind's property record before the two LRFD factors; empty for a code outside
// 1-9 (such a layer has a head record only).
constexpr std::span<const TRecordWord> ForKind(int kind, bool olderLayout = false)
{
    switch (kind) {
    case KindSand:
        return olderLayout ? std::span<const TRecordWord>(SandOlder)
                           : std::span<const TRecordWord>(Sand);
    case KindClay:
    case KindShale:
        return Clay;
    case KindStrongRock:
    case KindStrongRockBoth:
        return StrongRock;
    case KindDecomposedRock:
        return DecomposedRock;
    case KindWeakRock:
        return WeakRock;
    case KindGravellySand:
    case KindGravel:
        return Gravel;
    default:
        return {};
    }
}

} // namespace PropertyRecord

} // namespace korva::gui
