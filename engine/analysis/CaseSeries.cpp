#include "engine/analysis/CaseSeries.h"
#include "engine/methods/FloatToInt.h"

#include <cmath>

namespace korva {

float roundHalfAway(float x)
{
    return std::round(x);
}

std::vector<float> makeDiameterSeries(float start_ft, float limit_ft, float step_ft)
{
    std::vector<float> series{start_ft};
    if (!(step_ft > 0.0f))
        return series;
    float d = start_ft;
    while (static_cast<int>(series.size()) < kMaxSeriesDiameters) {
        const float next = d + step_ft;
        if (next == d || !(next < limit_ft + kSeriesEndTolerance))
            break;
        d = next;
        series.push_back(d);
    }
    return series;
}

std::vector<float> makeLengthSeries(float first_ft, float minimum_ft, float step_ft)
{
    std::vector<float> series{first_ft};
    if (!(step_ft > 0.0f))
        return series;
    float l = first_ft;
    while (static_cast<int>(series.size()) < kMaxSeriesLengths) {
        const float next = l - step_ft;
        if (next == l || !(next > minimum_ft - kSeriesEndTolerance))
            break;
        l = next;
        series.push_back(l);
    }
    return series;
}

int diameterCountOfSeries(float start_ft, float limit_ft, float step_ft)
{
    if (!(step_ft > 0.0f))
        return 1;
    const float c =
        step_ft == 0.5f ? (limit_ft - start_ft) * 2.0f : (limit_ft - start_ft) / step_ft;
    if (!std::isfinite(c) || c < 0.0f)
        return 1;
    return truncateClamped(c + 0.001f, 0, kMaxSeriesDiameters - 1) + 1;
}

} // namespace korva
