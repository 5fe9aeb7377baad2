#include "gui/results/Line.h"
#include "gui/model/NumberText.h"

#include <algorithm>

#include "gui/results/GraphPlot.h"
#include "gui/results/GraphText.h"

namespace korva::gui {

TLine::TLine(TGraphPlot* owner, double value, int count) : fValue(value), fOwner(owner)
{
    SetCount(count);
}

void TLine::SetCount(int n)
{
    fData.resize(static_cast<std::size_t>(std::max(n, 0)));
}

int TLine::Index() const
{
    return fOwner ? fOwner->IndexOf(this) : -1;
}

std::string TLine::GetLineName() const
{
    if (!fValueS.empty())
        return fValueS;
    if (fOwner) {
        const int index = Index();
        if (index >= 0 && index < static_cast<int>(fOwner->fDefLineNames.size()))
            return fOwner->fDefLineNames[static_cast<std::size_t>(index)];
        return fOwner->CurveName + GeneralNumberText(fValue, 15);
    }
    return "Curve #" + GeneralNumberText(fValue, 15);
}

} // namespace korva::gui
