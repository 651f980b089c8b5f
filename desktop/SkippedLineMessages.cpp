#include "desktop/SkippedLineMessages.h"

#include "ui/platform/Prompts.h"

#include <QCoreApplication>

namespace kavrin::orvale {

namespace {

constexpr int kMessagesBeforeOffer = 10;

QString tr(const char* text)
{
    return QCoreApplication::translate("SkippedLineMessages", text);
}

} // namespace

ScheduleMessageSink skippedLineMessages(QWidget& parent)
{
    return [&parent, shown = 0](const ScheduleLineMessage& message) mutable {
        prompts().message(&parent, QString::fromStdU16String(message.text),
                          QString::fromStdU16String(message.title), QMessageBox::Warning,
                          QMessageBox::Ok);
        if (++shown != kMessagesBeforeOffer)
            return ScheduleMessageReply::Continue;
        const auto answer = prompts().message(
            &parent,
            tr("%1 lines of this file could not be read so far. Skip the messages about the "
               "remaining ones?")
                .arg(shown),
            tr("Warning"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
        return answer == QMessageBox::Yes ? ScheduleMessageReply::SkipRemaining
                                          : ScheduleMessageReply::Continue;
    };
}

} // namespace kavrin::orvale
