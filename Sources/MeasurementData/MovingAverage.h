#pragma once

#include <vector>

namespace sg {

// The first smoothing stage of the linearization pipeline. The values are sorted from highest
// to lowest before they are averaged, so the result is also forced monotone (non-increasing
// for any window setting of 2 or more). Everything is computed by the constructor.
class MovingAverage {
public:
    // windowSize is the user's window setting w; the window actually used holds
    // 2 * floor(w / 4) + 1 values. The pipeline passes 256 values.
    MovingAverage(std::vector<double> inputMeausurements, int windowSize);

    std::vector<double> inputMeausurements;
    int windowSize = 0;
    // Same length as the input; starts at the largest input value, and its index 255 (the
    // last index of a shorter input) holds the smallest.
    std::vector<double> averageValues;

private:
    void computeMovingAverage();
};

}  // namespace sg
