#pragma once
// A 30-ft shaft of 3 ft in one uniform clay layer 50 ft deep (tmax 10 psi everywhere), cut
// into 30 segments: the shared fixture of the load-settlement solution and its tables.
#include <vector>

#include "engine/methods/LoadSettlementSolution.h"

namespace korva::test {

struct UniformClayShaft
{
    std::vector<methods::TzLayer> layers{{0.0f, 600.0f, 2}};
    std::vector<methods::LayerStrength> layerProfile{{0.0f, 600.0f, 10.0f, 10.0f}};
    std::vector<methods::StrengthPoint> rows; // a capacity row every foot, 10 psi each
    methods::LoadSettlementCase shaft;

    UniformClayShaft()
    {
        for (int d = 12; d <= 600; d += 12)
            rows.push_back({static_cast<float>(d), 10.0f});
        shaft.length_ft = 30.0f;
        shaft.stemDiameter_ft = 3.0f;
        shaft.baseDiameter_ft = 3.0f;
        shaft.concreteModulus_psi = 3.6e6f;
        shaft.segmentCount = 30;
        shaft.ultimateBaseLoad_tons = 80.0f;
        shaft.baseMaterialCode = 2;
        shaft.layers = layers;
        shaft.layerProfile = layerProfile;
        shaft.rowProfile = rows;
    }
    UniformClayShaft(const UniformClayShaft&) = delete; // the shaft's spans point into this
    UniformClayShaft& operator=(const UniformClayShaft&) = delete;
};

} // namespace korva::test
