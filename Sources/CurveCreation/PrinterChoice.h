#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Outcome.h"
#include "Common/Result.h"
#include "CurveCreation/InkGraphSeries.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// What a creation tool's graph shows, and why it cannot save, before a printer model is chosen.
inline constexpr std::string_view choosePrinterModelHint =
    "Choose a printer model to build the curve.";

// The printer model a creation tool builds for, and what follows from it: the inks its slots
// offer, the channel labels of the file, and where each ink's channel goes in it.
class PrinterChoice {
public:
    // One of curveCreationPrinterModels; any other name is refused.
    Outcome choose(std::string_view model);

    const std::optional<std::string>& model() const { return model_; }
    bool isChosen() const { return model_.has_value(); }
    // The ink pop-up entries: "Select Ink", the inks, "Not Used". Empty before a choice.
    const std::vector<std::string>& inkNames() const { return inkList_.currentNames; }
    // One label per channel of the file. Empty before a choice.
    const std::vector<std::string>& channelLabels() const { return inkList_.currentLabels; }
    // Whether the model offers this ink (a placeholder is no ink).
    bool offersInk(std::string_view inkName) const;

    // One channel per label: each ink's channel at the position of its name ("Black" in K,
    // "Light Black" in LK, ...), every other channel 0. Of two inks with the same name the
    // darker (the earlier slot) wins; a name with no channel of this model is left out. Both
    // lists in slot order. Empty before a choice.
    QuadCurve placedByInkName(const std::vector<std::string>& slotNames,
                              const QuadCurve& slotChannels) const;

    // The placed channels that hold an ink, in channel order, labelled "Ink: " and the ink's
    // name, coloured by channel position.
    std::vector<InkGraphSeries> curveGraph(const std::vector<std::string>& slotNames,
                                           const QuadCurve& placed) const;

    // The curve-creation file of the placed curve: the header for the number of labels, then
    // every labelled channel. Refused before a choice.
    Result<std::string> fileText(const QuadCurve& placed) const;
    Outcome save(const std::filesystem::path& path, const QuadCurve& placed) const;
    Outcome exportGutenprintXml(const std::filesystem::path& folder, const QuadCurve& placed) const;

private:
    // The channel an ink name goes to in this model's file; none for a placeholder, an unknown
    // name or a channel the model does not have.
    std::optional<std::size_t> channelFor(std::string_view inkName) const;

    std::optional<std::string> model_;
    InkList inkList_;
};

}  // namespace sg
