#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Outcome.h"
#include "Common/Result.h"
#include "CurveCreation/InkGraphSeries.h"
#include "CurveCreation/PrinterChoice.h"
#include "QuadFiles/InkSettings.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// The ranges of the ink slot controls of both creation tools.
struct InkSlotRanges {
    static constexpr std::size_t slotCount = 8;
    // Ink limits, hardware limits and gray values, in percent.
    static constexpr double percentMinimum = 1.0;
    static constexpr double percentMaximum = 100.0;
    // Starting and ending overlaps are fractions, 0..1.
    static constexpr double overlapStart = 0.1;
};

// What the controls of one ink slot show and allow.
struct InkSlotState {
    // The ink pop-up's entry: the slot's ink, "Select Ink" or "Not Used".
    std::string shownInk;
    bool inkChoiceEnabled = false;
    // The limit, overlap (and hardware limit) controls.
    bool settingsEnabled = false;
    bool grayValueEnabled = false;

    friend bool operator==(const InkSlotState&, const InkSlotState&) = default;
};

// What the manual and the automatic curve creation tools share: the printer model, the inks in
// their slots (slot 1, the darkest ink, first; slots are counted from 0 here and from 1 on
// screen), the built channels placed by ink name into the model's channel order, the graph of
// that curve, and its save. A refused action leaves the tool as it was.
class CurveCreationTool {
public:
    virtual ~CurveCreationTool() = default;

    // The printer model pop-up. Inks the new model does not offer stay in their slots but
    // have no channel in its file.
    Outcome choosePrinterModel(std::string_view model);
    // Overlaps are kept within 0..1. Refused for a slot without an ink.
    Outcome setStartingOverlap(std::size_t slot, double fraction);
    Outcome setEndingOverlap(std::size_t slot, double fraction);

    // The curve-creation file of the placed curve; refused before a printer model is chosen.
    Result<std::string> curveFileText() const;
    Outcome saveCurve(const std::filesystem::path& path) const;
    // One Gutenprint XML file per channel of the placed curve, named by its label.
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

    const PrinterChoice& printer() const { return printer_; }
    const std::vector<InkSettings>& inks() const { return inks_; }
    // The 256-level channel of every ink, in slot order, as the tool builds it from the
    // settings (linearized in the automatic tool).
    const QuadCurve& slotChannels() const { return slotChannels_; }
    // The curve drawn and saved: one channel per label of the printer model's channel list,
    // each ink's channel at the position of its name. Empty before a printer model is chosen.
    const QuadCurve& curve() const { return curve_; }
    std::vector<InkGraphSeries> curveGraph() const;
    // The text shown in the graph's place while there is no curve to draw.
    std::optional<std::string_view> graphHint() const;
    bool canSave() const { return printer_.isChosen(); }

protected:
    explicit CurveCreationTool(std::vector<InkSettings> inks) : inks_(std::move(inks)) {}

    // Every ink's channel, in slot order, from the current inks.
    virtual QuadCurve builtChannels() const = 0;
    // The channels again from the current inks, then placed.
    void rebuild();
    // Applies the change to the ink of a slot in use and rebuilds; refused for any other slot.
    Outcome changeInk(std::size_t slot, const std::function<void(InkSettings&)>& change);
    // The refusal of an ink the printer model does not offer; none when it does.
    std::optional<Alert> unofferedInkRefusal(std::string_view inkName) const;

    static InkSettings defaultInk(std::string inkName, double grayValue);
    // The pop-up entries that are no ink: "Select Ink" and "Not Used".
    static const std::string& placeholderName();
    static const std::string& notUsedName();
    // Within the percent range; a non-number gives its minimum.
    static double clampedPercent(double percent);
    static Alert slotAlert(std::string text);
    static Alert noInkAlert(std::size_t slot);

    PrinterChoice printer_;
    std::vector<InkSettings> inks_;

private:
    void place();

    QuadCurve slotChannels_;
    QuadCurve curve_;
};

}  // namespace sg
