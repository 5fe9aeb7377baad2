#pragma once

namespace korva::gui {

class TGridTable;

// Adding, inserting and deleting layers of the layer table D. Rows are 0-based. A layer
// moved by an insertion or a deletion takes its complete data along: kind, bottom depth,
// both rows of its property table, the two limits and the two LRFD factors.

// Appends a sand layer: bottom depth 0, limits 0, LRFD factors 1, a fresh sand table.
// Nothing happens at the 40-layer limit; returns whether a layer was added.
bool AddLayer(TGridTable& layers);

// Inserts a layer at `row`: that layer and all below move down by one. The layer left at
// `row` becomes sand with bottom depth 0 and limits 0 and, in an LRFD project, factors 1 and
// 1 (an ASD project keeps the factors of the layer that was there, which it does not use).
// Its property table is a fresh sand table unless the layer that was there was sand, whose
// values then stay as the new layer's starting values. Nothing happens at the 40-layer limit
// or for a row outside the table; returns whether a layer was inserted.
bool InsertLayer(TGridTable& layers, int row, bool lrfd);

// Deletes the layer at `row`: the layers below move up by one and the last row goes. The
// only layer may be deleted, leaving the table empty. Returns whether a layer was deleted.
bool DeleteLayer(TGridTable& layers, int row);

} // namespace korva::gui
