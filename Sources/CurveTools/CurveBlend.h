#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Alert.h"
#include "Common/Outcome.h"
#include "QuadFiles/QuadCurve.h"
#include "QuadFiles/QuadFile.h"

namespace sg {

// The five tonal zones of a blend, from paper white to full black, at 0, 25, 50, 75 and 100
// percent of the input.
enum class BlendZone { whites, lights, mids, darks, blacks };
inline constexpr std::size_t blendZoneCount = 5;

// Two curves whose channel counts differ cannot be blended channel by channel.
Alert cannotBlendAlert();

// The curve blending tool without its view: two loaded curves mixed zone by zone. Each zone
// holds curve 1's share (curve 2 gets the rest); the five shares are joined into a share curve
// over the 256 input levels by the "Spline" resampling, and every channel of the blend is
// curve 1 times its share plus curve 2 times its share, level by level. The blend is saved
// with curve 1's header block, two note lines that record the blend, and curve 1's labels.
//
// Only the channel counts are compared: two curves of different channel sets with the same
// count are blended channel by channel in file order.
class CurveBlend {
public:
    // Every zone starts at 100: the blend is curve 1.
    CurveBlend();

    // Loads curve 1; the header block and labels of the saved blend are its own. A file that
    // does not load is refused and nothing changes. With curve 2 loaded, the blend is made
    // again; when the channel counts differ the curve is taken, the blend is left as it was,
    // and the outcome is pending with the "Can not blend curves" alert.
    Outcome loadCurve1(const std::filesystem::path& path);
    // The same for curve 2.
    Outcome loadCurve2(const std::filesystem::path& path);

    // Curve 1's share of a zone in percent (a zone slider); kept within 0..100, NaN gives 0.
    // The blend follows when both curves are loaded with equal channel counts.
    void setCurve1Percent(BlendZone zone, double percent);
    // Curve 1's share of a zone as a fraction 0..1 (the percent / 100 as set).
    double curve1Share(BlendZone zone) const;

    // Curve 1's and curve 2's shares at each of the 256 input levels. The two are resampled
    // separately, so they need not add up to exactly 1 everywhere.
    const std::vector<double>& curve1ShareCurve() const { return curve1ShareCurve_; }
    const std::vector<double>& curve2ShareCurve() const { return curve2ShareCurve_; }

    const std::optional<QuadFile>& curve1() const { return curve1_; }
    const std::optional<QuadFile>& curve2() const { return curve2_; }
    bool channelCountsMatch() const;
    // The last blend made; empty before both curves are loaded with equal channel counts. It
    // stays as it was while the counts differ, until a save drops it.
    const QuadCurve& blendedCurve() const { return blendedCurve_; }

    // Both curves are loaded: a save either writes or says why it cannot blend.
    bool canSave() const { return curve1_.has_value() && curve2_.has_value(); }

    // The two comment lines that record the blend: the file names ("Curve 1" and "Curve 2"
    // before a load) and, per zone, curve 1's and curve 2's shares in percent.
    std::string blendNotesText() const;
    // The saved file: curve 1's header block as read, the blend notes, then curve 1's labels
    // with the blended values. Requires a blend.
    std::string blendFileText() const;

    // Writes the blend through `write` (which says whether the text was written). Nothing is
    // written before both curves are loaded. When the channel counts differ the save is
    // refused with the "Can not blend curves" alert and the stale blend is dropped.
    Outcome saveBlend(const std::function<Outcome(std::string_view)>& write);
    // The same, written to `path` through the atomic writer.
    Outcome saveBlend(const std::filesystem::path& path);

    // One Gutenprint XML file per channel of the blend, named by curve 1's labels. Nothing
    // without a blend of the curves now loaded.
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

private:
    Outcome load(std::optional<QuadFile>& curve, const std::filesystem::path& path);
    void updateShareCurves();
    void blend();

    std::array<double, blendZoneCount> curve1Shares_;
    std::vector<double> curve1ShareCurve_;
    std::vector<double> curve2ShareCurve_;
    std::optional<QuadFile> curve1_;
    std::optional<QuadFile> curve2_;
    QuadCurve blendedCurve_;
};

}  // namespace sg
