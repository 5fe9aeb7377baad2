#include "gui/results/GraphPlot.h"

#include <algorithm>

#include "gui/results/GraphText.h"

namespace korva::gui {

TGraphPlot::~TGraphPlot()
{
    Hide();
}

void TGraphPlot::SetUnits(int units)
{
    fUnits = std::clamp(units, 1, 3);
}

std::string TGraphPlot::XCaptionText() const
{
    return GraphAxisCaption(XCaption, XUnits, fUnits);
}

std::string TGraphPlot::YCaptionText() const
{
    return GraphAxisCaption(YCaption, YUnits, fUnits);
}

void TGraphPlot::ResizeList(std::vector<std::unique_ptr<TLine>>& list, int n)
{
    n = std::max(n, 0);
    if (n < static_cast<int>(list.size())) {
        list.resize(static_cast<std::size_t>(n));
        return;
    }
    const int points = list.empty() ? 0 : list.front()->Count();
    while (static_cast<int>(list.size()) < n)
        list.push_back(std::make_unique<TLine>(this, static_cast<double>(list.size() + 1), points));
}

void TGraphPlot::SetLineCount(int n)
{
    ResizeList(fData, n);
}

int TGraphPlot::Count() const
{
    return fData.empty() ? 0 : fData.front()->Count();
}

void TGraphPlot::SetCount(int n)
{
    for (auto& line : fData)
        line->SetCount(n);
}

int TGraphPlot::IndexOf(const TLine* line) const
{
    for (std::size_t i = 0; i < fData.size(); ++i)
        if (fData[i].get() == line)
            return static_cast<int>(i);
    return -1;
}

void TGraphPlot::SetLayerLineCount(int n)
{
    ResizeList(gData, n);
}

int TGraphPlot::LayerCount() const
{
    return gData.empty() ? 0 : gData.front()->Count();
}

void TGraphPlot::SetLayerCount(int n)
{
    for (auto& line : gData)
        line->SetCount(n);
}

void TGraphPlot::Show(const TGraphWindowFactory& create)
{
    if (!fForm && create)
        fForm = create(*this);
    if (fForm)
        fForm->ShowRestored();
}

void TGraphPlot::Hide()
{
    if (TGraphWindow* window = fForm) {
        fForm = nullptr;
        window->Release();
    }
}

void TGraphPlot::FormClosed(TGraphWindow* window)
{
    if (fForm == window)
        fForm = nullptr;
}

} // namespace korva::gui
