#include "QuadFiles/GutenprintExport.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintInkXML.h"

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

Outcome exportGutenprintXML(const QuadCurve& quad, const std::vector<std::string>& channelNames,
                            const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder, error)) {
        return std::nullopt;
    }
    const std::string paperName = gutenprintPaperName(folder);
    const std::size_t channelCount = std::min(quad.size(), channelNames.size());

    std::set<std::string> usedNames;
    std::vector<std::string> failures;
    for (std::size_t channel = 0; channel < channelCount; ++channel) {
        GutenprintInkXML xml(quad[channel], channelNames[channel], paperName);
        std::string fileName = xml.channelFileName;
        if (fileName.empty() || usedNames.contains(fileName)) {
            fileName = "Channel" + std::to_string(channel + 1) + ".xml";
        }
        usedNames.insert(fileName);
        if (auto reason = writeFileAtomically(folder / fileName, xml.lut)) {
            failures.push_back(fileName + ": " + *reason);
        }
    }
    if (failures.empty()) {
        return std::nullopt;
    }
    return Alert{"Failed to Export Gutenprint XML", joinStrings(failures, "\n")};
}

}  // namespace sg
