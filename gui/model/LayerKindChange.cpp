#include "gui/model/LayerKindChange.h"

#include "gui/model/LayerTables.h"

#include <array>
#include <climits>
#include <cmath>

namespace korva::gui {

namespace {

constexpr int None = -1;

// The property column that holds a slot's value in each kind (-1: the kind has no such
// value). The same column serves the top row and the bottom row.
//
// Slot                                      kinds 1 to 9, left to right
constexpr std::array<std::array<int, MaterialKindCount>, 19> SlotColumns{{
    /* unit weight                         */ {{0, 0, 0, None, 0, None, None, 0, 0}},
    /* blow counts                         */ {{2, 2, 2, None, 1, None, None, 1, 1}},
    /* friction angle                      */ {{1, None, None, None, None, None, None, None, None}},
    /* Ko                                  */ {{3, None, None, None, None, None, None, None, None}},
    /* beta                                */ {{4, None, None, None, None, None, None, 2, 2}},
    /* sand method / interface index       */ {{5, None, None, None, None, 1, None, None, None}},
    /* interface (friction) angle          */ {{6, None, None, None, None, 3, None, None, None}},
    /* cohesion                            */ {{None, 1, 1, None, None, None, None, None, None}},
    /* alpha                               */ {{None, 3, 3, None, None, None, None, None, None}},
    /* Nc                                  */ {{None, 4, 4, None, None, None, None, None, None}},
    /* rock compressive strength           */ {{None, None, None, 0, None, 0, 0, None, None}},
    /* concrete compressive strength       */ {{None, None, None, 1, None, None, 1, None, None}},
    /* discontinuity spacing               */ {{None, None, None, 2, None, None, 2, None, None}},
    /* discontinuity thickness             */ {{None, None, None, 3, None, None, 3, None, None}},
    /* socket diameter / Young's modulus   */ {{None, None, None, 4, 3, 4, 4, None, None}},
    /* elastic modulus / socket diameter   */ {{None, None, None, 5, 4, 5, 5, None, None}},
    /* RQD                                 */ {{None, None, None, 6, None, 6, 6, None, None}},
    /* Poisson's ratio                     */ {{None, None, None, None, 2, None, None, None, None}},
    /* concrete slump                      */ {{None, None, None, None, None, 2, None, None, None}},
}};
// Kind 5 keeps its Young's modulus in the first modulus-or-diameter slot and its socket
// diameter in the second, so between kind 5 and the rock kinds a modulus arrives as a socket
// diameter and a diameter as a modulus; the sand stress exponent m (column 7) is not carried.

int SlotColumn(std::size_t slot, int kind)
{
    return SlotColumns[slot][static_cast<std::size_t>(kind - 1)];
}

long double CellValue(const TGridTable& table, int column, int row)
{
    switch (table.Column(column).Type()) {
    case TColumnType::Enum:
    case TColumnType::Int:
        return table.GetIntValue(column, row);
    case TColumnType::Float:
        return table.GetFloatValue(column, row);
    default:
        return 0;
    }
}

void SetCellValue(TGridTable& table, int column, int row, long double value)
{
    switch (table.Column(column).Type()) {
    case TColumnType::Enum:
    case TColumnType::Int: {
        const long double rounded = std::nearbyint(value);
        table.SetIntValue(column, row,
                          rounded >= INT_MAX   ? INT_MAX
                          : rounded <= INT_MIN ? INT_MIN
                                               : static_cast<int>(rounded));
        break;
    }
    case TColumnType::Float:
        table.SetFloatValue(column, row, value);
        break;
    default:
        break;
    }
}

} // namespace

bool ChangeLayerKind(TGridTable& layers, int row, int newKind)
{
    if (!IsMaterialKind(newKind) || row < 0 || row >= layers.RowCount())
        return false;
    const int oldKind = layers.GetIntValue(LayerColumn::Kind, row);
    if (oldKind == newKind)
        return false;

    // Slot values of the top and the bottom row; a slot the old kind does not fill is 0.
    std::array<std::array<long double, 2>, SlotColumns.size()> slots{};
    if (const TGridTable* old = layers.GetTableValue(LayerColumn::Properties, row);
        old != nullptr && IsMaterialKind(oldKind))
        for (std::size_t slot = 0; slot < SlotColumns.size(); ++slot) {
            const int column = SlotColumn(slot, oldKind);
            if (column == None || column >= old->ColumnCount())
                continue;
            for (int r : {TopRow, BottomRow})
                if (r < old->RowCount())
                    slots[slot][static_cast<std::size_t>(r)] = CellValue(*old, column, r);
        }

    layers.SetIntValue(LayerColumn::Kind, row, newKind); // a fresh table of the new kind
    TGridTable* fresh = layers.GetTableValue(LayerColumn::Properties, row);
    if (fresh == nullptr)
        return true;
    for (std::size_t slot = 0; slot < SlotColumns.size(); ++slot) {
        const int column = SlotColumn(slot, newKind);
        if (column == None || column >= fresh->ColumnCount())
            continue;
        for (int r : {TopRow, BottomRow})
            if (r < fresh->RowCount())
                SetCellValue(*fresh, column, r, slots[slot][static_cast<std::size_t>(r)]);
    }
    return true;
}

} // namespace korva::gui
