#pragma once
#include <vector>

namespace korva::gui {

// Place of one window of a cascade, in pixels of the area the windows live in.
struct TCascadePlace
{
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// Places `count` windows one `offset` apart down and to the right from the area's upper left
// corner. Every window gets the same size: the area less the offsets of the whole cascade, but
// never smaller than the size a new window gets (`usableWidth` x `usableHeight`) and never
// larger than the area. When the cascade would run out of the area, it starts again at the
// upper left corner, so that every window stays inside the area with its title bar in view.
std::vector<TCascadePlace> CascadeLayout(int areaWidth, int areaHeight, int count, int offset,
                                         int usableWidth, int usableHeight);

} // namespace korva::gui
