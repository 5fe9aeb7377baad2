#pragma once

#include <QBrush>
#include <QImage>

namespace korva::gui {

// Fill of a soil-layer band by its hatch code: 1 diagonal lines rising to the right,
// 2 diagonal lines falling to the right, 3 horizontal-and-vertical cross-hatch, 4 diagonal
// cross-hatch, 5 horizontal lines, 6 vertical lines, 7 staggered dots, 8 staggered dashes,
// 9 brickwork, 10 brickwork with a diagonal stroke in each brick, 11 dots with scattered
// pebbles, 12 scattered pebbles; any other code: no fill.
//
// Every pattern is a tile drawn by us: a screen tile of 16 pixels and a print tile four
// times finer. Both cover a sixth of an inch on the drawing surface.
enum class THatchResolution { Screen, Print };

// Tile image of a pattern code 1..12 (null image for other codes).
QImage HatchTile(int code, THatchResolution resolution);

// Brush for a hatch code on a surface of the given pixels per inch (Qt::NoBrush for codes
// outside 1..12).
QBrush HatchBrush(int code, THatchResolution resolution, int ppi);

} // namespace korva::gui
