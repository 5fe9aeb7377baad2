#include "gui/main/CascadeLayout.h"

#include <algorithm>

namespace korva::gui {

std::vector<TCascadePlace> CascadeLayout(int areaWidth, int areaHeight, int count, int offset,
                                         int usableWidth, int usableHeight)
{
    std::vector<TCascadePlace> places;
    if (count <= 0)
        return places;
    areaWidth = std::max(1, areaWidth);
    areaHeight = std::max(1, areaHeight);
    offset = std::max(1, offset);
    const int spread = (count - 1) * offset;
    const int width = std::min(areaWidth, std::max(usableWidth, areaWidth - spread));
    const int height = std::min(areaHeight, std::max(usableHeight, areaHeight - spread));
    // Steps that fit before a window would leave the area.
    const int steps =
        std::max(1, 1 + std::min((areaWidth - width) / offset, (areaHeight - height) / offset));
    for (int k = 0; k < count; ++k) {
        const int step = k % steps;
        places.push_back({step * offset, step * offset, width, height});
    }
    return places;
}

} // namespace korva::gui
