#include "core/file/StationBackups.h"

#include "core/system/Clock.h"
#include "core/system/DiskSync.h"
#include "core/system/LinkTarget.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace kavrin {

namespace {

constexpr std::string_view kFolderName = "Backups";
constexpr std::string_view kStampForm = "0000-00-00T00-00-00Z-000"; // 0: a digit
constexpr std::size_t kSecondLength = 20;                           // up to and with the Z
constexpr int kLastCount = 999;

std::string stampOf(std::time_t utc, int count)
{
    using namespace std::chrono;
    const sys_seconds moment{seconds{utc}};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{moment - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d-%02d-%02dZ-%03d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()), count);
    return text;
}

int number(std::string_view digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// The stamp of a backup name of `stationName`, or nothing when `name` is not one.
std::optional<std::string_view> stampIn(std::string_view name,
                                        const std::filesystem::path& stationName)
{
    const std::string stem = stationName.stem().string() + "-";
    const std::string extension = stationName.extension().string();
    if (name.size() != stem.size() + kStampForm.size() + extension.size() ||
        !name.starts_with(stem) || !name.ends_with(extension))
        return std::nullopt;
    const std::string_view stamp = name.substr(stem.size(), kStampForm.size());
    for (std::size_t i = 0; i < kStampForm.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (kStampForm[i] == '0' ? !digit : stamp[i] != kStampForm[i])
            return std::nullopt;
    }
    return stamp;
}

std::optional<std::time_t> timeOf(std::string_view stamp)
{
    using namespace std::chrono;
    const year_month_day date{year{number(stamp.substr(0, 4))},
                              month{unsigned(number(stamp.substr(5, 2)))},
                              day{unsigned(number(stamp.substr(8, 2)))}};
    if (!date.ok())
        return std::nullopt;
    const sys_seconds moment = sys_days{date} + hours{number(stamp.substr(11, 2))} +
                               minutes{number(stamp.substr(14, 2))} +
                               seconds{number(stamp.substr(17, 2))};
    return static_cast<std::time_t>(moment.time_since_epoch().count());
}

// The backups in `folder` of the station file named `stationName`, oldest first.
std::vector<StationBackup> backupsIn(const std::filesystem::path& folder,
                                     const std::filesystem::path& stationName)
{
    std::vector<StationBackup> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const std::optional<std::string_view> stamp = stampIn(name, stationName);
        if (!stamp)
            continue;
        if (const std::optional<std::time_t> replaced = timeOf(*stamp))
            found.push_back({it->path(), *replaced});
    }
    // Names sort in time order; comparing them also orders the replacements within a second.
    std::sort(found.begin(), found.end(), [](const StationBackup& a, const StationBackup& b) {
        return a.path.filename() < b.path.filename();
    });
    return found;
}

// The name for a backup made now: the next count after the backups of this same second.
std::filesystem::path nextName(const std::vector<StationBackup>& existing,
                               const std::filesystem::path& stationName)
{
    const std::time_t now = readClock().utc;
    const std::string second = stampOf(now, 0).substr(0, kSecondLength);
    int count = 1;
    for (const StationBackup& backup : existing) {
        const std::string name = backup.path.filename().string();
        const std::string_view other = *stampIn(name, stationName);
        if (other.substr(0, kSecondLength) == second)
            count =
                std::max(count, std::min(number(other.substr(kSecondLength + 1)) + 1, kLastCount));
    }
    return stationName.stem().string() + "-" + stampOf(now, count) +
           stationName.extension().string();
}

std::filesystem::path linkedFile(const std::filesystem::path& stationFile)
{
    Result<std::filesystem::path> target = followLinks(stationFile);
    return target ? std::move(*target) : stationFile;
}

Failure cannotKeep(const std::filesystem::path& file, const std::string& why)
{
    return Failure{"cannot keep a backup of " + file.string() + ": " + why};
}

} // namespace

std::filesystem::path backupFolderOf(const std::filesystem::path& stationFile)
{
    return linkedFile(stationFile).parent_path() / kFolderName;
}

std::vector<StationBackup> listBackups(const std::filesystem::path& stationFile)
{
    const std::filesystem::path file = linkedFile(stationFile);
    std::vector<StationBackup> backups =
        backupsIn(file.parent_path() / kFolderName, file.filename());
    std::reverse(backups.begin(), backups.end());
    return backups;
}

Result<std::filesystem::path> keepBackup(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::status(file, error)))
        return std::filesystem::path();

    const std::filesystem::path folder = file.parent_path() / kFolderName;
    // The folder takes the permissions of the station file's folder, so it shows no more.
    const bool created = std::filesystem::create_directory(
        folder, file.parent_path().empty() ? "." : file.parent_path(), error);
    if (error)
        return cannotKeep(file, "cannot create " + folder.string() + ": " + error.message());

    const std::filesystem::path name =
        nextName(backupsIn(folder, file.filename()), file.filename());
    const std::filesystem::path backup = folder / name;
    std::filesystem::path partial = backup;
    partial += ".part";
    const auto fail = [&](const std::string& why) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        if (created)
            std::filesystem::remove(folder, ignored);
        return cannotKeep(file, why);
    };
    // The copy is created with the file's own permissions, so a private list stays private.
    if (const Result<> copied =
            copyFile(file, partial, std::filesystem::copy_options::overwrite_existing);
        !copied)
        return fail(copied.reason());
    const auto modified = std::filesystem::last_write_time(file, error);
    if (!error)
        std::filesystem::last_write_time(partial, modified, error);
    if (const Result<> synced = syncFileToDisk(partial); !synced)
        return fail(synced.reason());
    std::filesystem::rename(partial, backup, error);
    if (error)
        return fail("cannot rename " + partial.string() + " to " + backup.string() + ": " +
                    error.message());
    syncFolder(folder);
    return backup;
}

void pruneBackups(const std::filesystem::path& file)
{
    const std::vector<StationBackup> backups =
        backupsIn(file.parent_path() / kFolderName, file.filename());
    const std::size_t surplus =
        backups.size() > std::size_t{kBackupsKept} ? backups.size() - kBackupsKept : 0;
    for (std::size_t i = 0; i < surplus; ++i) {
        std::error_code ignored;
        std::filesystem::remove(backups[i].path, ignored);
    }
}

} // namespace kavrin
