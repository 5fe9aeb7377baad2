#pragma once

#include "gui/views/ElevationGeometry.h"

class QFont;
class QPainter;

namespace korva::gui {

// Paints the elevation view on a client area of width x height pixels: the soil bands with
// their hatches (none with omitHatches), boundary lines and labels, the ground line with its
// hatch strokes, and the shaft parts. The view must have been laid out for that size.
void PaintElevation(QPainter& painter, const TElevationView& view, int width, int height,
                    bool omitHatches, const QFont& labelFont);

// Paints the print-out of the elevation view on a page of pageWidth x pageHeight pixels.
void PaintElevationPage(QPainter& painter, const TElevationView& view, int pageWidth,
                        int pageHeight, bool omitHatches, const QFont& labelFont);

} // namespace korva::gui
