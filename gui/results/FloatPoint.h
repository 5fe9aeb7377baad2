#pragma once

namespace korva::gui {

// One point of a result curve: x is the plotted value, y the depth, elevation or movement.
struct TFloatPoint
{
    double x = 0.0;
    double y = 0.0;
};

} // namespace korva::gui
