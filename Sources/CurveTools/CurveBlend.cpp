#include "CurveTools/CurveBlend.h"

#include <utility>

#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "CurveMath/Resample.h"
#include "QuadFiles/GutenprintExport.h"
#include "QuadFiles/QuadChannelBlock.h"

namespace sg {
namespace {

// Where each zone stands on the input axis, in percent.
const std::vector<double> zonePositions = {0.0, 25.0, 50.0, 75.0, 100.0};

std::size_t zoneIndex(BlendZone zone) {
    return static_cast<std::size_t>(zone);
}

std::vector<double> shareCurve(const std::vector<double>& zoneShares) {
    return resample(zonePositions, zoneShares, Interpolation::spline,
                    static_cast<double>(levelCount));
}

std::string sharePercentText(double share) {
    return formatFixed(share * 100.0, 2);
}

}  // namespace

Alert cannotBlendAlert() {
    return Alert{"Can not blend curves",
                 "Please load .quad curve files from the same printer model or with equal number "
                 "ink channels."};
}

CurveBlend::CurveBlend() {
    curve1Shares_.fill(1.0);
    updateShareCurves();
}

Outcome CurveBlend::loadCurve1(const std::filesystem::path& path) {
    return load(curve1_, path);
}

Outcome CurveBlend::loadCurve2(const std::filesystem::path& path) {
    return load(curve2_, path);
}

Outcome CurveBlend::load(std::optional<QuadFile>& curve, const std::filesystem::path& path) {
    Result<QuadFile> loaded = QuadFile::load(path);
    if (!loaded) {
        return Outcome::refused(loaded.refusal());
    }
    curve = std::move(loaded).value();
    if (!canSave()) {
        return {};
    }
    if (!channelCountsMatch()) {
        return Outcome::takenNotComputed(cannotBlendAlert());
    }
    blend();
    return {};
}

void CurveBlend::setCurve1Percent(BlendZone zone, double percent) {
    curve1Shares_[zoneIndex(zone)] = clampedFraction(percent / 100.0);
    updateShareCurves();
    if (channelCountsMatch()) {
        blend();
    }
}

double CurveBlend::curve1Share(BlendZone zone) const {
    return curve1Shares_[zoneIndex(zone)];
}

bool CurveBlend::channelCountsMatch() const {
    return canSave() && curve1_->channelCount() == curve2_->channelCount();
}

void CurveBlend::updateShareCurves() {
    std::vector<double> curve2Shares;
    for (const double share : curve1Shares_) {
        curve2Shares.push_back(1.0 - share);
    }
    curve1ShareCurve_ = shareCurve({curve1Shares_.begin(), curve1Shares_.end()});
    curve2ShareCurve_ = shareCurve(curve2Shares);
}

void CurveBlend::blend() {
    const QuadCurve& first = curve1_->curve();
    const QuadCurve& second = curve2_->curve();
    QuadCurve blended;
    blended.reserve(first.size());
    for (std::size_t channel = 0; channel < first.size(); ++channel) {
        std::vector<double> values;
        values.reserve(levelCount);
        for (std::size_t level = 0; level < levelCount; ++level) {
            values.push_back(first[channel][level] * curve1ShareCurve_[level] +
                             second[channel][level] * curve2ShareCurve_[level]);
        }
        blended.push_back(std::move(values));
    }
    blendedCurve_ = std::move(blended);
}

std::string CurveBlend::blendNotesText() const {
    static constexpr std::array<std::string_view, blendZoneCount> zoneLetters = {"W", "L", "M", "D",
                                                                                 "B"};
    std::string text = "# Blend of " + (curve1_ ? curve1_->fileName() : "Curve 1") + " and " +
                       (curve2_ ? curve2_->fileName() : "Curve 2") + " \n# ";
    for (std::size_t zone = 0; zone < blendZoneCount; ++zone) {
        if (zone > 0) {
            text += ", ";
        }
        text += std::string(zoneLetters[zone]) + ": " + sharePercentText(curve1Shares_[zone]) +
                " : " + sharePercentText(1.0 - curve1Shares_[zone]);
    }
    return text;
}

std::string CurveBlend::blendFileText() const {
    // The blend's notes follow curve 1's comment lines; together they must still read as notes.
    const std::vector<std::string>& header = curve1_->headerBlock();
    std::vector<std::string> comments(header.begin() + 1, header.end());
    for (std::string& line : splitString(blendNotesText(), '\n')) {
        comments.push_back(std::move(line));
    }
    std::vector<std::string> lines = QuadFile::readableComments(std::move(comments));
    lines.insert(lines.begin(), header.front());
    appendChannelBlock(lines, curve1_->labels(), blendedCurve_);
    return joinStrings(lines, "\n");
}

Outcome CurveBlend::saveBlend(const std::function<Outcome(std::string_view)>& write) {
    if (!canSave()) {
        return {};
    }
    if (!channelCountsMatch()) {
        blendedCurve_.clear();
        return Outcome::refused(cannotBlendAlert());
    }
    return write(blendFileText());
}

Outcome CurveBlend::saveBlend(const std::filesystem::path& path) {
    return saveBlend([&path](std::string_view text) { return saveTextFile(path, text); });
}

Outcome CurveBlend::exportGutenprintXml(const std::filesystem::path& folder) const {
    if (!channelCountsMatch()) {
        return {};
    }
    return ::sg::exportGutenprintXml(blendedCurve_, curve1_->labels(), folder);
}

}  // namespace sg
