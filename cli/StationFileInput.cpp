#include "cli/StationFileInput.h"

#include <system_error>

namespace kavrin::cli {

Result<> loadStationFile(const std::filesystem::path& path, ORVImpl& base)
{
    // The loader would report a missing file too, but not in words a user recognises.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Result<>::failure("no such file");
    if (!std::filesystem::is_regular_file(status))
        return Result<>::failure("not a file");
    return base.Load(path);
}

Result<> loadStationFile(const std::filesystem::path& path, ORVImpl& base, std::ostream& err)
{
    Result<> loaded = loadStationFile(path, base);
    if (!loaded)
        err << "kavrin: cannot read " << path << ": " << loaded.reason() << '\n';
    return loaded;
}

} // namespace kavrin::cli
