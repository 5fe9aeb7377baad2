#include "engine/output/ListedRows.h"

#include <cmath>

namespace korva {

std::vector<float> listedLengths(const ListingSettings& settings)
{
    std::vector<float> lengths;
    if (settings.si && settings.designLoadGiven && !settings.lastRowExceedsDesignLoad)
        return lengths;
    const float step = settings.step > 0.0f && std::isfinite(settings.step) ? settings.step : 1.0f;
    float upper = settings.finalLength;
    if (settings.si && !settings.designLoadGiven && settings.proposedLength < upper)
        upper = settings.proposedLength;
    if (!(upper > 0.0f) || !std::isfinite(upper))
        return lengths;
    const long maxCount = static_cast<long>(upper / 0.001f) + 1;
    for (long k = 1; k <= maxCount; ++k) {
        const float x = static_cast<float>(k) * step;
        if (x > upper)
            break;
        if (x <= settings.shallowestLength)
            continue;
        lengths.push_back(x);
    }
    return lengths;
}

namespace {

float interpolate(float x, float x0, float x1, float v0, float v1)
{
    if (x1 == x0)
        return v1;
    return v0 + (v1 - v0) * (x - x0) / (x1 - x0);
}

} // namespace

CapacityRow listedRowAt(std::span<const CapacityRow> rows, float x)
{
    if (rows.empty())
        return CapacityRow{};
    if (rows.size() == 1) {
        CapacityRow only = rows[0];
        only.length = x;
        return only;
    }
    std::size_t j = 1;
    while (j + 1 < rows.size() && rows[j].length < x)
        ++j;
    const CapacityRow& a = rows[j - 1];
    const CapacityRow& b = rows[j];
    CapacityRow r;
    r.length = x;
    r.tipLayer = b.tipLayer;
    auto at = [&](float CapacityRow::*column) {
        return interpolate(x, a.length, b.length, a.*column, b.*column);
    };
    r.volume = at(&CapacityRow::volume);
    r.qs = at(&CapacityRow::qs);
    r.qb = at(&CapacityRow::qb);
    r.qu = at(&CapacityRow::qu);
    r.qbd = at(&CapacityRow::qbd);
    r.qdn = at(&CapacityRow::qdn);
    r.quPerVolume = at(&CapacityRow::quPerVolume);
    r.lrfdQs = at(&CapacityRow::lrfdQs);
    r.lrfdQb = at(&CapacityRow::lrfdQb);
    r.lrfdQu = r.lrfdQs + r.lrfdQb;

    if (j == 1 && r.qs < 1.0e-5f) {
        // Side resistance has not started yet at this length: take the row of the third
        // computed length with half its side resistance (the second when there is no third).
        const CapacityRow& c = rows.size() >= 3 ? rows[2] : rows[1];
        r.qs = 0.5f * c.qs;
        r.qb = c.qb;
        r.qu = c.qb + 0.5f * c.qs;
        r.qbd = 0.5f * c.qbd;
        r.qdn = 0.5f * c.qdn;
        r.lrfdQs = 0.5f * c.lrfdQs;
        r.lrfdQb = c.lrfdQb;
        r.lrfdQu = r.lrfdQs + r.lrfdQb;
        r.volume = b.length != 0.0f ? b.volume * x / b.length : b.volume;
        r.quPerVolume = r.volume > 0.0f ? r.qu / r.volume : 0.0f;
    }
    return r;
}

std::vector<CapacityRow> listedRows(std::span<const CapacityRow> rows,
                                    const ListingSettings& settings)
{
    std::vector<CapacityRow> listed;
    if (rows.empty())
        return listed;
    for (float x : listedLengths(settings))
        listed.push_back(listedRowAt(rows, x));
    return listed;
}

} // namespace korva
