#include "QuadFiles/GutenprintExport.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "Common/PendingFile.h"
#include "Common/Strings.h"
#include "QuadFiles/GutenprintCurveXml.h"

namespace sg {
namespace {

Alert exportFailure(const std::vector<std::string>& reasons,
                    const std::vector<std::string>& written) {
    std::string text = joinStrings(reasons, "\n") + "\n";
    text +=
        written.empty() ? "No file was written." : "Written: " + joinStrings(written, ", ") + ".";
    return Alert{"Failed to Export Gutenprint XML", std::move(text)};
}

}  // namespace

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

    // Every file is written before any takes its place, so a failure replaces none.
    std::set<std::string> usedNames;
    std::vector<PendingFile> pending;
    std::vector<std::string> failures;
    for (std::size_t channel = 0; channel < channelCount; ++channel) {
        std::string fileName = gutenprintFileName(labels[channel]);
        if (fileName.empty() || usedNames.contains(fileName)) {
            fileName = "Channel" + std::to_string(channel + 1) + ".xml";
        }
        usedNames.insert(fileName);
        Result<PendingFile> file = PendingFile::write(
            folder / fileName, gutenprintCurveXml(curve[channel], labels[channel], paperName));
        if (file) {
            pending.push_back(std::move(file).value());
        } else {
            failures.push_back(file.refusal().text);
        }
    }
    if (!failures.empty()) {
        return Outcome::refused(exportFailure(failures, {}));
    }

    std::vector<std::string> written;
    for (PendingFile& file : pending) {
        const Outcome committed = file.commit();
        if (committed.isRefused()) {
            failures.push_back(committed.alert()->text);
        } else {
            written.push_back(file.name());
        }
    }
    if (!failures.empty()) {
        return Outcome::refused(exportFailure(failures, written));
    }
    return {};
}

}  // namespace sg
