#include "CurveCreation/PrinterChoice.h"

#include <algorithm>

#include "Common/InkScale.h"
#include "Common/TextFiles.h"
#include "QuadFiles/CurveCreationFile.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

Alert noPrinterModelAlert() {
    return {"No Printer Model", std::string(choosePrinterModelHint)};
}

}  // namespace

Outcome PrinterChoice::choose(std::string_view model) {
    const auto& models = curveCreationPrinterModels;
    if (std::find(models.begin(), models.end(), model) == models.end()) {
        return Outcome::refused(
            {"Unknown Printer Model", "\"" + std::string(model) + "\" is not a printer model."});
    }
    model_ = std::string(model);
    inkList_.currentNames = displayNamesForPrinterModel(model);
    inkList_.currentLabels = channelLabelsForPrinterModel(model);
    return {};
}

bool PrinterChoice::offersInk(std::string_view inkName) const {
    const auto& names = inkList_.currentNames;
    return channelPositionForInkName(inkName).has_value() &&
           std::find(names.begin(), names.end(), inkName) != names.end();
}

std::optional<std::size_t> PrinterChoice::channelFor(std::string_view inkName) const {
    const std::optional<std::size_t> position = channelPositionForInkName(inkName);
    if (!position || *position >= channelLabels().size()) {
        return std::nullopt;
    }
    return position;
}

QuadCurve PrinterChoice::placedByInkName(const std::vector<std::string>& slotNames,
                                         const QuadCurve& slotChannels) const {
    QuadCurve placed(channelLabels().size(), std::vector<double>(levelCount, 0.0));
    // From the lightest ink to the darkest, so a darker ink overwrites a lighter namesake.
    for (std::size_t slot = slotNames.size(); slot-- > 0;) {
        if (const std::optional<std::size_t> channel = channelFor(slotNames[slot])) {
            placed[*channel] = slotChannels[slot];
        }
    }
    return placed;
}

std::vector<InkGraphSeries> PrinterChoice::curveGraph(const std::vector<std::string>& slotNames,
                                                      const QuadCurve& placed) const {
    std::vector<std::size_t> used;
    for (const std::string& name : slotNames) {
        if (const std::optional<std::size_t> channel = channelFor(name)) {
            used.push_back(*channel);
        }
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    std::vector<InkGraphSeries> series;
    for (const std::size_t channel : used) {
        series.push_back(
            {"Ink: " + InkList::namesFor10Inks[channel + 1], channel, placed[channel]});
    }
    return series;
}

Result<std::string> PrinterChoice::fileText(const QuadCurve& placed) const {
    if (!isChosen()) {
        return noPrinterModelAlert();
    }
    return CurveCreationFile::text(channelLabels(), placed);
}

Outcome PrinterChoice::save(const std::filesystem::path& path, const QuadCurve& placed) const {
    const Result<std::string> text = fileText(placed);
    if (!text) {
        return Outcome::refused(text.refusal());
    }
    return saveTextFile(path, text.value());
}

Outcome PrinterChoice::exportGutenprintXml(const std::filesystem::path& folder,
                                           const QuadCurve& placed) const {
    if (!isChosen()) {
        return Outcome::refused(noPrinterModelAlert());
    }
    return ::sg::exportGutenprintXml(placed, channelLabels(), folder);
}

}  // namespace sg
