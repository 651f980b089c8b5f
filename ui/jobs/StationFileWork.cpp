#include "ui/jobs/StationFileWork.h"

#include "core/base/ORVImpl.h"

namespace kavrin {

namespace {

ProgressNotify progressThrough(NoticeChannel& notices)
{
    return [&notices](int command) {
        Notice progress;
        progress.command = command;
        progress.count = g_loadProgress;
        notices.send(std::move(progress));
    };
}

} // namespace

StationFileOutcome saveStations(const ORVImpl& base, const std::filesystem::path& path,
                                const ProgressNotify& notify, int progressCommand)
{
    StationFileOutcome saved{base.Save(path, notify, progressCommand), {}};
    if (saved.result)
        saved.file = takeFingerprint(path);
    return saved;
}

StationFileJob::Work loadStationsWork(ORVImpl& base, std::filesystem::path path,
                                      int progressCommand)
{
    return [&base, path = std::move(path), progressCommand](NoticeChannel& notices) {
        // Taken before the file is read: a change made while it is read shows at the next save.
        StationFileOutcome loaded{Result<>::success(), takeFingerprint(path)};
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored))
            loaded.result = base.Load(path, progressThrough(notices), progressCommand);
        return loaded;
    };
}

StationFileJob::Work saveStationsWork(const ORVImpl& base, std::filesystem::path path,
                                      int progressCommand)
{
    return [&base, path = std::move(path), progressCommand](NoticeChannel& notices) {
        return saveStations(base, path, progressThrough(notices), progressCommand);
    };
}

} // namespace kavrin
