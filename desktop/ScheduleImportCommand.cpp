#include "desktop/ScheduleImportCommand.h"

#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "desktop/SkippedLineMessages.h"
#include "ui/list/StationListOwner.h"
#include "ui/platform/Prompts.h"
#include "ui/platform/WaitCursor.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

namespace kavrin::orvale {

namespace {

// Reasons named one by one in the summary; a file broken in many ways counts the rest together.
constexpr std::size_t kReasonsShown = 5;

QString tr(const char* text)
{
    return QCoreApplication::translate("ScheduleImportCommand", text);
}

QString stations(int count)
{
    return count == 1 ? tr("1 station") : tr("%1 stations").arg(count);
}

QString lines(int count)
{
    return count == 1 ? tr("1 line") : tr("%1 lines").arg(count);
}

QString formName(ScheduleFormat format)
{
    switch (format) {
    case ScheduleFormat::Csv:
        return tr("a schedule in CSV form");
    case ScheduleFormat::Text:
        return tr("a schedule in text form");
    case ScheduleFormat::Columns:
        return tr("a schedule in the older column layout");
    }
    return {};
}

void warn(QWidget& parent, const QString& text)
{
    prompts().message(&parent, text, tr("Warning"), QMessageBox::Warning, QMessageBox::Ok);
}

// Each listed skipped line in a box of its own, as the older import tells its refused lines.
void tellSkippedLines(QWidget& parent, const ScheduleFile& schedule)
{
    const ScheduleMessageSink tell = skippedLineMessages(parent);
    for (const SkippedScheduleLine& line : schedule.skipped) {
        const ScheduleLineMessage message{
            line.lineNumber, tr("Cannot parse string: %1").arg(line.lineNumber).toStdU16String(),
            QStringLiteral("%1\n\n%2")
                .arg(QString::fromStdU16String(line.text), QString::fromStdString(line.reason))
                .toStdU16String()};
        if (tell(message) == ScheduleMessageReply::SkipRemaining)
            return;
    }
}

// The skipped lines counted by reason, in the order the reasons first occur; lines beyond the
// listed ones, whose reasons are not known, and reasons beyond kReasonsShown are counted together.
QString skippedText(const ScheduleFile& schedule)
{
    if (schedule.skippedLines == 0)
        return {};
    std::vector<std::pair<std::string, int>> reasons;
    for (const SkippedScheduleLine& line : schedule.skipped) {
        auto same = std::find_if(reasons.begin(), reasons.end(), [&line](const auto& reason) {
            return reason.first == line.reason;
        });
        if (same == reasons.end())
            reasons.emplace_back(line.reason, 1);
        else
            ++same->second;
    }
    QString text =
        schedule.skippedLines == 1
            ? tr("1 line could not be read; it is left out:")
            : tr("%1 lines could not be read; they are left out:").arg(schedule.skippedLines);
    int told = 0;
    for (std::size_t i = 0; i < reasons.size() && i < kReasonsShown; ++i) {
        text += tr("\n    %1: %2")
                    .arg(QString::fromStdString(reasons[i].first), lines(reasons[i].second));
        told += reasons[i].second;
    }
    if (told < schedule.skippedLines)
        text += tr("\n    other lines: %1").arg(schedule.skippedLines - told);
    return text;
}

QString summaryText(const QString& fileName, const ScheduleFile& schedule)
{
    const int found = static_cast<int>(schedule.stations.size());
    QString text =
        found == 0
            ? tr("%1, %2, holds no station that can be read.")
                  .arg(fileName, formName(schedule.format))
            : tr("%1, %2, holds %3.").arg(fileName, formName(schedule.format), stations(found));
    if (const QString skipped = skippedText(schedule); !skipped.isEmpty())
        text += QLatin1Char('\n') + skipped;
    return text;
}

} // namespace

void importBroadcastSchedule(QWidget& parent, StationListOwner& owner)
{
    const QString file = prompts().openFileName(&parent, tr("Choose schedule file"),
                                                tr("Schedules (*.csv *.txt);;All files (*)"));
    if (file.isEmpty())
        return;

    const Result<ScheduleFile> read = [&] {
        WaitCursor wait;
        return readScheduleFile(std::filesystem::path(file.toStdU16String()));
    }();
    if (read.kind() == ResultKind::CannotOpen) {
        warn(parent, tr("Cannot open file\n%1").arg(file));
        return;
    }
    if (!read) {
        warn(parent, tr("Cannot import data - unknown format"));
        return;
    }
    const ScheduleFile& schedule = *read;
    tellSkippedLines(parent, schedule);

    const QString summary = summaryText(QFileInfo(file).fileName(), schedule);
    // Replacing the list with nothing would only throw the user's stations away.
    if (schedule.stations.empty()) {
        warn(parent, summary + tr("\n\nNothing is imported; the list stays as it is."));
        return;
    }
    const QString choices =
        tr("Replace the list: the %1 in the list now are removed, and the schedule's take their "
           "place.\nAdd to the list: the schedule's stations are added. A station the list already "
           "holds (same name, frequency, times, days and location) is updated instead of added "
           "twice; no other station changes.")
            .arg(stations(owner.base().GetCount()));
    const auto answer = prompts().choose(&parent, summary + QStringLiteral("\n\n") + choices,
                                         tr("Import schedule"), QMessageBox::Question,
                                         {{QMessageBox::YesToAll, tr("Replace the list")},
                                          {QMessageBox::Yes, tr("Add to the list")},
                                          {QMessageBox::Cancel, tr("Cancel")}});
    if (answer != QMessageBox::YesToAll && answer != QMessageBox::Yes)
        return;
    const bool replace = answer == QMessageBox::YesToAll;

    int imported = 0;
    ScheduleMergeCounts merged;
    {
        WaitCursor wait;
        owner.replaceBase([&](ORVImpl& base) {
            if (replace) {
                imported = replaceWithSchedule(base, schedule.stations);
                return true;
            }
            merged = mergeSchedule(base, schedule.stations);
            return merged.added + merged.updated > 0;
        });
    }
    const QString counts = replace ? tr("%1 imported.").arg(stations(imported))
                                   : tr("%1 added, %2 updated, %3 unchanged.")
                                         .arg(merged.added)
                                         .arg(merged.updated)
                                         .arg(merged.unchanged);
    prompts().message(&parent, counts, tr("Import schedule"), QMessageBox::Information,
                      QMessageBox::Ok);
}

} // namespace kavrin::orvale
