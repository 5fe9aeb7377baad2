#pragma once

#include "gui/results/PlotReadSettings.h"

namespace korva::gui {

class TProgramData;

// The project fields and soil layer rows that the plot data reader needs.
TPlotReadSettings PlotReadSettingsOf(const TProgramData& project);

} // namespace korva::gui
