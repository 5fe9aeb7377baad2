#include "gui/model/LayerRowEdits.h"

#include "gui/model/LayerTables.h"

namespace korva::gui {

bool AddLayer(TGridTable& layers)
{
    if (layers.RowCount() >= MaxLayerCount)
        return false;
    // A new row holds the column defaults and a fresh property table of kind 1 (sand).
    layers.SetRowCount(layers.RowCount() + 1);
    return true;
}

bool InsertLayer(TGridTable& layers, int row, bool lrfd)
{
    const int count = layers.RowCount();
    if (count >= MaxLayerCount || row < 0 || row >= count)
        return false;
    layers.SetRowCount(count + 1);
    // Copying a row takes the kind, every column and a copy of the property table along.
    for (int r = count; r > row; --r)
        layers.CopyRow(r - 1, r);
    // Setting the kind renews the property table only when the kind differs.
    layers.SetIntValue(LayerColumn::Kind, row, KindSand);
    layers.SetFloatValue(LayerColumn::Depth, row, 0);
    layers.SetFloatValue(LayerColumn::MaxSideFriction, row, 0);
    layers.SetFloatValue(LayerColumn::MaxEndBearing, row, 0);
    if (lrfd) {
        layers.SetFloatValue(LayerColumn::PhiSide, row, 1);
        layers.SetFloatValue(LayerColumn::PhiBase, row, 1);
    }
    return true;
}

bool DeleteLayer(TGridTable& layers, int row)
{
    const int count = layers.RowCount();
    if (row < 0 || row >= count)
        return false;
    for (int r = row + 1; r < count; ++r)
        layers.CopyRow(r, r - 1);
    layers.SetRowCount(count - 1);
    return true;
}

} // namespace korva::gui
