#include "ui/jobs/StationFileWork.h"

#include "core/base/ORVImpl.h"
#include "core/file/LoadProgress.h"

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

BackgroundJob::Work loadStationsWork(ORVImpl& base, std::filesystem::path path, int progressCommand)
{
    return [&base, path = std::move(path), progressCommand](NoticeChannel& notices) {
        std::error_code ignored;
        if (!std::filesystem::exists(path, ignored))
            return Result<>::success();
        return base.Load(path, progressThrough(notices), progressCommand);
    };
}

BackgroundJob::Work saveStationsWork(const ORVImpl& base, std::filesystem::path path,
                                     int progressCommand)
{
    return [&base, path = std::move(path), progressCommand](NoticeChannel& notices) {
        return base.Save(path, progressThrough(notices), progressCommand);
    };
}

} // namespace kavrin
