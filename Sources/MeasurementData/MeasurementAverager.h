#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// Reduces repeated measurements to one L* per patch. The number of patches and of samples per
// patch come from the length of the list alone; a list that holds the whole wedge once per
// printed copy is regrouped so each patch's samples are consecutive before averaging.
class MeasurementAverager {
public:
    std::vector<double> inputMeasurements;
    int targetSize = 0;
    int samplesPerStep = 0;
    // One mean per patch; stays empty when the list has no repeats.
    std::vector<double> averagedMeasurements;
    std::vector<double> sortedInputMeasurements;

    void averageMeasurements();
    // Sets targetSize; returns the samples per patch, 1 when the length fits no wedge size.
    int findSamplesPerStep();
    // Whether the repeats of a patch are next to each other, judged from the middle window.
    bool isGroupedByPatch(const std::vector<double>& values) const;
    void averageGroups();

    // The parsers' test for repeats: of count/128, /101, /86, /51 and /21 (in that priority)
    // the first whole number, else 0. Above 1 the list is handed to the averager.
    static double repeatCount(std::size_t count);
    // What the parsers keep: the means per patch when repeatCount says the list repeats and
    // the averager finds repeats, else the values as they are.
    static std::vector<double> averagedIfRepeated(std::vector<double> values);
};

}  // namespace sg
