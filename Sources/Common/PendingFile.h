#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "Common/Outcome.h"
#include "Common/Result.h"

namespace sg {

// A file written in full under a temporary name beside its target, which takes the target's
// place only on commit(). Several files can so be written first and put in place together: a
// failure before the commits leaves every target as it was. Dropped uncommitted, the temporary
// file goes with it.
//
// Saves respect what they replace: a symbolic link as the target is followed, so the file it
// points to is replaced and the link stays; a replaced file keeps its permission bits; a new
// file gets the ordinary ones (0666 less the umask).
class PendingFile {
public:
    // Refused with "Failed to Save" and the reason when the temporary cannot be written or the
    // target is a folder.
    static Result<PendingFile> write(const std::filesystem::path& path, std::string_view text);

    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // Puts the file in place of its target; refused with "Failed to Save" and the reason.
    Outcome commit();

    // The file name the user chose, as alerts name it.
    const std::string& name() const { return name_; }

private:
    PendingFile(std::string name, std::filesystem::path target, std::string temporary)
        : name_(std::move(name)), target_(std::move(target)), temporary_(std::move(temporary)) {}

    std::string name_;
    std::filesystem::path target_;
    std::string temporary_;  // empty once committed or moved from
};

// The refusal of a save: "Failed to Save", naming the file and the reason.
Alert saveFailure(std::string_view fileName, std::string_view reason);

}  // namespace sg
