#include "StarterCurves/StarterCurve.h"

#include "Common/Strings.h"
#include "QuadFiles/QuadChannelBlock.h"
#include "StarterCurves/BlackBoost.h"

namespace sg {
namespace {

std::vector<double> channelOf(const LevelValues& values) {
    return {values.begin(), values.end()};
}

// The table's blacks with the toner's ink taken out of them, each black giving up its share of
// the black total at that level. Level 0 stays 0 (the total is 0 there).
BlackTable compensatedBlacks(const BlackTable& table, const TonerInk::Channels& toner) {
    BlackTable blacks{};
    for (std::size_t level = 1; level < levelCount; ++level) {
        const double tonerTotal =
            toner[0][level] + toner[1][level] + toner[2][level] + toner[3][level] + toner[4][level];
        const double k = table.black[level];
        const double lk = table.lightBlack[level];
        const double llk = table.lightLightBlack[level];
        const double blackTotal = k + lk + llk;
        blacks.black[level] = k - (k / blackTotal) * tonerTotal;
        blacks.lightBlack[level] = lk - (lk / blackTotal) * tonerTotal;
        blacks.lightLightBlack[level] = llk - tonerTotal * (llk / blackTotal);
    }
    return blacks;
}

}  // namespace

StarterCurve::StarterCurve(const StarterSettings& settings)
    : blackTableName_(blackTableFor(settings.printer, settings.paper)),
      tenInks_(inkFamilyOf(settings.printer) == InkFamily::tenInk) {
    const TonerInk toner(settings.toner, settings.custom, settings.saturation);
    const TonerInk::Channels& colours = toner.channels();
    const BlackTable blacks = compensatedBlacks(blackTable(blackTableName_), colours);
    QuadCurve curve = {channelOf(blacks.black),      channelOf(colours[0]),
                       channelOf(colours[1]),        channelOf(colours[2]),
                       channelOf(colours[3]),        channelOf(colours[4]),
                       channelOf(blacks.lightBlack), channelOf(blacks.lightLightBlack)};
    if (tenInks_) {
        curve.resize(labelsFor10Inks.size(), std::vector<double>(levelCount, 0.0));
    }
    curve_ = BlackBoost(settings.boost).boosted(std::move(curve));
}

const std::vector<std::string>& StarterCurve::headerLines() const {
    return tenInks_ ? headerFor10Inks : headerFor8Inks;
}

const std::vector<std::string>& StarterCurve::labels() const {
    return tenInks_ ? labelsFor10Inks : labelsFor8Inks;
}

std::string StarterCurve::fileText() const {
    std::vector<std::string> lines = headerLines();
    appendChannelBlock(lines, labels(), curve_);
    return joinStrings(lines, "\n");
}

}  // namespace sg
