#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Common/Outcome.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// The paper name written into every file: the folder's last path component, also when the
// path ends in a separator or is relative.
std::string gutenprintPaperName(const std::filesystem::path& folder);

// Writes one Gutenprint XML file per channel name into `folder`, channel i under name i.
// A folder that does not exist writes nothing and says nothing (it went away after the
// dialog). Channels whose file name is empty or already taken in this export are written as
// "Channel<N>.xml" (N counted from 1). The files are all written or, in one "Failed to Export
// Gutenprint XML" alert, the failures are named with the files that were written ("No file was
// written." when a file could not even be prepared, so none was replaced).
Outcome exportGutenprintXml(const QuadCurve& curve, const std::vector<std::string>& labels,
                            const std::filesystem::path& folder);

}  // namespace sg
