#pragma once
// The heavy project of the benchmarks: 40 layers down to 500 ft alternating sand and clay,
// diameters 2 to 12 ft by 0.5 ft, shaft length given.
#include <sstream>
#include <string>

inline std::string heavyDeck()
{
    std::ostringstream d;
    d << "Heavy profile\n1 \n2 1 1 5 1 2 0 0 0 0 0\n2 12 0 0 5 1 4000000\n40 15 400 2.5 3\n";
    for (int i = 1; i <= 40; ++i) {
        const float bottom = 12.5f * static_cast<float>(i);
        if (i % 2 == 1) {
            d << "1 " << bottom << " \n0.0 120 0 0 " << 20 + i << " 0 0 1 1 \n0.0 122 0 0 "
              << 22 + i << " 0 0 1 1 \n2 \n0 0 \n";
        } else {
            d << "2 " << bottom << " \n0 120 0.0 " << 1500 + 50 * i << " 0 0 0 1 1 \n0 120 0.0 "
              << 1600 + 50 * i << " 0 0 0 1 1 \n0 0\n";
        }
    }
    return d.str();
}
