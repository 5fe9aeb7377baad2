#pragma once

#include "gui/results/PlotReadSettings.h"

class TProgramData;

// The project fields and soil layer rows that the plot data reader needs.
TPlotReadSettings PlotReadSettingsOf(const TProgramData& project);
