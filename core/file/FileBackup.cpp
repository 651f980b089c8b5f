#include "core/file/FileBackup.h"

#include "core/system/DiskSync.h"

namespace kavrin {

Result<std::filesystem::path> backUpFile(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return std::filesystem::path();
    const std::string cannotKeep = "cannot keep a backup of " + file.string() + ": ";
    for (int number = 0; number < 1000; ++number) {
        std::filesystem::path candidate = file;
        candidate += number == 0 ? std::string(".bak") : ".bak" + std::to_string(number);
        if (std::filesystem::exists(candidate, error))
            continue;
        if (const Result<> copied = copyFile(file, candidate, std::filesystem::copy_options::none);
            !copied)
            return Failure{cannotKeep + copied.reason()};
        return candidate;
    }
    return Failure{cannotKeep + "no free backup name"};
}

} // namespace kavrin
