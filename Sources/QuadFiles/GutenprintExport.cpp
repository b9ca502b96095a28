#include "QuadFiles/GutenprintExport.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintCurveXml.h"

namespace sg {

std::string gutenprintPaperName(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(folder, error);
    if (error) {
        full = folder;
    }
    full = full.lexically_normal();
    // "Baryta 300/" normalises to a path whose last component is empty.
    if (!full.has_filename() && full.has_parent_path() && full != full.root_path()) {
        full = full.parent_path();
    }
    return full.filename().string();
}

Outcome exportGutenprintXml(const QuadCurve& curve, const std::vector<std::string>& labels,
                            const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder, error)) {
        return {};
    }
    const std::string paperName = gutenprintPaperName(folder);
    const std::size_t channelCount = std::min(curve.size(), labels.size());

    std::set<std::string> usedNames;
    std::vector<std::string> failures;
    for (std::size_t channel = 0; channel < channelCount; ++channel) {
        std::string fileName = gutenprintFileName(labels[channel]);
        if (fileName.empty() || usedNames.contains(fileName)) {
            fileName = "Channel" + std::to_string(channel + 1) + ".xml";
        }
        usedNames.insert(fileName);
        const Outcome saved = saveTextFile(
            folder / fileName, gutenprintCurveXml(curve[channel], labels[channel], paperName));
        if (saved.isRefused()) {
            failures.push_back(saved.alert()->text);
        }
    }
    if (failures.empty()) {
        return {};
    }
    return Outcome::refused(Alert{"Failed to Export Gutenprint XML", joinStrings(failures, "\n")});
}

}  // namespace sg
