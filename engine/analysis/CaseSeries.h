#pragma once

#include <vector>

namespace korva {

// Tolerance with which a diameter or length series reaches its end value.
inline constexpr float kSeriesEndTolerance = 0.02f;
// A multiple-length run analyses at most this many lengths.
inline constexpr int kMaxSeriesLengths = 100;
// Design charts hold this many diameters.
inline constexpr int kMaxChartDiameters = 20;
// Guard against runaway diameter series (a limit far beyond any real project).
inline constexpr int kMaxSeriesDiameters = 1000;

// round(x): nearest whole number, halves away from zero.
float roundHalfAway(float x);

// Stem diameters of one length: DSTART, then D + step while D < DIALIM + 0.02 (the sum is
// accumulated as a running value). A step that is not positive, or too small to change D,
// gives the one diameter DSTART. At most kMaxSeriesDiameters members.
std::vector<float> makeDiameterSeries(float start_ft, float limit_ft, float step_ft);

// Shaft lengths of a multiple-length or design-chart run: PD, then L - PDINCR while
// L > PDMIN - 0.02, at most kMaxSeriesLengths members. A step that is not positive gives PD only.
std::vector<float> makeLengthSeries(float first_ft, float minimum_ft, float step_ft);

// Number of diameters stored for the plot file and the design charts: int(c + 0.001) + 1 with
// c = (DIALIM - DSTART) / step (c = (DIALIM - DSTART) x 2 for the ordinary 0.5-ft step).
int diameterCountOfSeries(float start_ft, float limit_ft, float step_ft);

} // namespace korva
