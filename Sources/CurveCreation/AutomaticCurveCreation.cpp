#include "CurveCreation/AutomaticCurveCreation.h"

#include <utility>

#include "Common/TextFiles.h"
#include "CurveCreation/InkChannels.h"
#include "CurveCreation/InkSeparation.h"
#include "Linearization/CurveLinearization.h"
#include "Linearization/PositiveCorrectionCurve.h"
#include "MeasurementData/MeasurementFile.h"
#include "MeasurementData/MeasurementRefusal.h"
#include "QuadFiles/InkList.h"

namespace sg {
namespace {

Alert chartAlert(std::string text) {
    return {std::string(measurementLoadFailureTitle), std::move(text)};
}

}  // namespace

AutomaticCurveCreation::AutomaticCurveCreation() : CurveCreationTool({}) {
    // One ink always has its crossover.
    static_cast<void>(adopt(separatedInkCurves(builtInSeparationChart), chartInks(1)));
}

Outcome AutomaticCurveCreation::loadChart(const std::filesystem::path& path) {
    const Result<MeasurementFile> file = MeasurementFile::load(path);
    if (!file) {
        return Outcome::refused(file.refusal());
    }
    const Result<std::vector<double>> series = readSeparationChartSeries(file.value());
    if (!series) {
        return Outcome::refused(series.refusal());
    }
    const std::size_t valueCount = series.value().size();
    if (valueCount < separationStepCount) {
        return Outcome::refused(
            chartAlert("An ink separation chart holds 21 values for every ink; this file holds " +
                       std::to_string(valueCount) + "."));
    }
    std::vector<std::vector<double>> curves = separatedInkCurves(series.value());
    if (curves.size() > InkSlotRanges::slotCount) {
        return Outcome::refused(chartAlert("This chart holds " + std::to_string(curves.size()) +
                                           " inks; the tool has 8 ink slots."));
    }
    const std::size_t inkCount = curves.size();
    Outcome adopted = adopt(std::move(curves), chartInks(inkCount));
    if (adopted.isDone()) {
        chartFileName_ = fileNameOf(path);
    }
    return adopted;
}

std::vector<InkSettings> AutomaticCurveCreation::chartInks(std::size_t count) {
    std::vector<InkSettings> inks;
    for (std::size_t i = 0; i < count; ++i) {
        inks.push_back(defaultInk(InkList::namesFor8Inks[i + 1], InkSlotRanges::percentMaximum));
    }
    return inks;
}

Outcome AutomaticCurveCreation::selectInk(std::size_t slot, std::string_view inkName) {
    if (inkName == placeholderName()) {
        return {};
    }
    if (slot >= inks_.size()) {
        return Outcome::refused(
            slotAlert("The chart has no ink for slot " + std::to_string(slot + 1) + "."));
    }
    if (inkName == notUsedName()) {
        return Outcome::refused(slotAlert("Slot " + std::to_string(slot + 1) +
                                          " holds an ink of the chart: choose which one."));
    }
    if (const std::optional<Alert> refusal = unofferedInkRefusal(inkName)) {
        return Outcome::refused(*refusal);
    }
    return changeInk(slot, [inkName](InkSettings& ink) { ink.inkName = std::string(inkName); });
}

Outcome AutomaticCurveCreation::setInkLimit(std::size_t slot, int percent) {
    if (slot >= inks_.size()) {
        return Outcome::refused(noInkAlert(slot));
    }
    std::vector<InkSettings> inks = inks_;
    inks[slot].inkLimit = clampedPercent(percent);
    return adopt(inkCurves_, std::move(inks));
}

Outcome AutomaticCurveCreation::setHardwareLimit(std::size_t slot, int percent) {
    return changeInk(slot,
                     [percent](InkSettings& ink) { ink.hardwareLimit = clampedPercent(percent); });
}

InkSlotState AutomaticCurveCreation::slotState(std::size_t slot) const {
    if (slot < inks_.size()) {
        return {inks_[slot].inkName, printer_.isChosen(), true, false};
    }
    return {notUsedName(), false, false, false};
}

std::vector<InkGraphSeries> AutomaticCurveCreation::inkLimitGraph() const {
    std::vector<InkGraphSeries> series;
    for (std::size_t i = 0; i < limitedCurves_.size(); ++i) {
        const std::string& name = inks_[i].inkName;
        series.push_back(
            {"Ink " + name, channelPositionForInkName(name).value_or(0), limitedCurves_[i]});
    }
    return series;
}

QuadCurve AutomaticCurveCreation::builtChannels() const {
    PositiveCorrectionCurve correction;
    correction.measuredResponse = limitedCurves_.front();
    correction.recompute();
    // A limited curve of 100 values always gives a correction.
    return linearizedCurve(inkChannels(inks_, RampShape::spline), *correction.positions,
                           levelPositions(tenDecimalLevelStep), NonNumbers::silent);
}

Outcome AutomaticCurveCreation::adopt(std::vector<std::vector<double>> inkCurves,
                                      std::vector<InkSettings> inks) {
    std::vector<std::vector<double>> limited;
    for (std::size_t i = 0; i < inks.size(); ++i) {
        limited.push_back(limitedInkCurve(inkCurves[i], static_cast<int>(inks[i].inkLimit)));
    }
    const Result<std::vector<double>> grayValues = crossoverPoints(limited);
    if (!grayValues) {
        return Outcome::refused(grayValues.refusal());
    }
    for (std::size_t i = 0; i < inks.size(); ++i) {
        inks[i].grayValue = grayValues.value()[i];
    }
    inkCurves_ = std::move(inkCurves);
    limitedCurves_ = std::move(limited);
    inks_ = std::move(inks);
    rebuild();
    return {};
}

}  // namespace sg
