#pragma once

#include <span>
#include <vector>

#include "engine/analysis/CaseGeometry.h"
#include "engine/analysis/DepthTables.h"
#include "engine/deck/UnitConversion.h"

namespace korva {

// One result row: the capacity of a shaft of length LENGTH. Working units (ft, cubic yards,
// tons) unless converted for output by rowInReportUnits.
struct CapacityRow
{
    float length = 0.0f;
    float volume = 0.0f;
    float qs = 0.0f;
    float qb = 0.0f; // ultimate base resistance; the effective shaft weight WT in uplift
    float qu = 0.0f;
    float qbd = 0.0f;
    float qdn = 0.0f;
    float quPerVolume = 0.0f;
    float lrfdQs = 0.0f;
    float lrfdQb = 0.0f;
    float lrfdQu = 0.0f;
    int tipLayer = 0; // 0-based layer that holds the base of this length
};

// The rules that turn the per-depth tables into rows.
struct RowSettings
{
    bool designLoadGiven = false;   // METHOD 1: stop when the design load is exceeded
    float designLoad_tons = 0.0f;   // METHOD 1
    float proposedLength_ft = 0.0f; // METHOD 2: stop at the first length at or beyond it
    bool uplift = false;            // KCYCL 2
    bool lrfd = false;              // NLRFD 1
    float sideSafetyFactor = 1.0f;  // FST
    float baseSafetyFactor = 1.0f;  // FSB (taken as 1 in uplift)
    float waterTable_ft = 0.0f;     // WTD
};

// Bottom depths (ft, rounded as walked), kinds and LRFD tip factors of the layers.
struct LayerColumn
{
    std::span<const float> bottom_ft;
    std::span<const int> kind;
    std::span<const float> tipFactor;
};

// First and last candidate length (table indices) of a case.
struct CandidateRange
{
    int first = 0; // L0 = round(TOPLEN + BS + HB) + 1
    int last = 0;  // Lmax = B - int(BS + HB) - n - 1, B = round(deepest bottom + BS + HB)
};
CandidateRange candidateLengths(const CaseGeometry& geometry, float topLength_ft,
                                float bottomLength_ft, float deepestBottom_ft);

// Layer that holds the base of a shaft of length L: the first layer whose bottom lies below L
// (the deepest layer when none does).
int tipLayerOf(const LayerColumn& layers, float length_ft);

// Per-layer record fed to the socket load-settlement routines: kind, QS and depth reached.
struct LayerTipRecord
{
    int kind = 0;
    float sideResistance_tons = 0.0f;
    float depth_ft = 0.0f;
};

struct CapacityRowsResult
{
    std::vector<CapacityRow> rows;
    bool reachedFinal = false; // stop test met: the last row is the final length
    int finalLength = 0;       // LENGTH of the last row (final or not), 0 without rows
    int tipLayerOfFinal = -1;  // layer holding the base of the last row
    // Layer that held the base of the candidate before the last one (-1 when the last row is
    // the first candidate).
    int tipLayerBeforeFinal = -1;
    bool nonFiniteReplaced = false; // a row value was not a finite number and was set to 0
};

// Rows of the candidate lengths L0 ... Lmax with their stop tests. records holds one entry per
// layer; the layer that holds each candidate's base gets its kind, QS and L - HB - BS (L itself
// at the final length).
CapacityRowsResult computeCapacityRows(const DepthTables& tables, const CaseGeometry& geometry,
                                       const RowSettings& settings, const LayerColumn& layers,
                                       CandidateRange range, float bottomLength_ft,
                                       std::span<LayerTipRecord> records);

// A row as the report and plot file show it: unchanged in English runs, converted in SI runs.
CapacityRow rowInReportUnits(const CapacityRow& row, bool si);

} // namespace korva
