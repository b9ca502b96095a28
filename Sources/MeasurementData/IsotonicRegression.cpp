#include "MeasurementData/IsotonicRegression.h"

#include <cstddef>

namespace sg {

std::vector<double> nonIncreasingFit(const std::vector<double>& values,
                                     const std::vector<double>& weights) {
    struct Block {
        double mean;
        double weight;
        std::size_t count;
    };
    std::vector<Block> blocks;
    blocks.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        blocks.push_back({values[i], weights[i], 1});
        while (blocks.size() >= 2 && blocks[blocks.size() - 2].mean < blocks.back().mean) {
            const Block last = blocks.back();
            blocks.pop_back();
            Block& merged = blocks.back();
            const double weight = merged.weight + last.weight;
            merged.mean = (merged.mean * merged.weight + last.mean * last.weight) / weight;
            merged.weight = weight;
            merged.count += last.count;
        }
    }
    std::vector<double> fit;
    fit.reserve(values.size());
    for (const Block& block : blocks) {
        fit.insert(fit.end(), block.count, block.mean);
    }
    return fit;
}

}  // namespace sg
