#pragma once

namespace korva::gui {

class TGridTable;

// Changes the material kind of one layer of the layer table D and carries over the property
// values that have a counterpart in the new kind: unit weight, blow counts, beta, the rock
// strengths and so on (see the slot table in the source). The row gets a fresh property
// table of the new kind; a value of the new kind that the old kind does not fill is 0,
// including the sand side-friction method and the weak-rock interface index.
// `row` is 0-based; a kind outside 1-9 or a kind equal to the current one changes nothing.
// Returns whether the kind changed.
bool ChangeLayerKind(TGridTable& layers, int row, int newKind);

} // namespace korva::gui
