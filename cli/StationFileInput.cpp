#include "cli/StationFileInput.h"

#include <system_error>

namespace kavrin::cli {

bool loadStationFile(const std::filesystem::path& path, ORVImpl& base, std::string& whyNot)
{
    // The loader would report a missing file too, but not in words a user recognises.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        whyNot = "no such file";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        whyNot = "not a file";
        return false;
    }
    return base.Load(path, {}, 0, &whyNot);
}

} // namespace kavrin::cli
