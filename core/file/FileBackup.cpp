#include "core/file/FileBackup.h"

#include "core/system/DiskSync.h"

namespace kavrin {

Result<> backUpFile(const std::filesystem::path& file, std::filesystem::path& backup)
{
    backup.clear();
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return Result<>::success();
    for (int number = 0; number < 1000; ++number) {
        std::filesystem::path candidate = file;
        candidate += number == 0 ? std::string(".bak") : ".bak" + std::to_string(number);
        if (std::filesystem::exists(candidate, error))
            continue;
        if (copyFile(file, candidate, std::filesystem::copy_options::none, error)) {
            backup = candidate;
            return Result<>::success();
        }
        break;
    }
    return Result<>::failure(
        "cannot keep a backup of " + file.string() +
        (error ? ": " + error.message() : std::string(": no free backup name")));
}

} // namespace kavrin
