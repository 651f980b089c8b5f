#include "desktop/TransferRecord.h"

#include <QSettings>

namespace kavrin::orvale {

namespace {

std::optional<FileFingerprint> readSide(const QSettings& profile, const QString& side)
{
    bool sizeRead = false;
    bool hashRead = false;
    const qulonglong size = profile.value(QStringLiteral("PocketPC/%1FileSize").arg(side))
                                .toString()
                                .toULongLong(&sizeRead);
    const qulonglong hash = profile.value(QStringLiteral("PocketPC/%1FileHash").arg(side))
                                .toString()
                                .toULongLong(&hashRead, 16);
    if (!sizeRead || !hashRead)
        return std::nullopt;
    FileFingerprint print;
    print.state = FileFingerprint::State::Present;
    print.size = size;
    print.hash = hash;
    return print;
}

void writeSide(QSettings& profile, const QString& side, const std::optional<FileFingerprint>& print)
{
    if (!print || print->state != FileFingerprint::State::Present)
        return;
    profile.setValue(QStringLiteral("PocketPC/%1FileSize").arg(side),
                     QString::number(qulonglong{print->size}));
    profile.setValue(QStringLiteral("PocketPC/%1FileHash").arg(side),
                     QString::number(qulonglong{print->hash}, 16));
}

} // namespace

TransferRecord readTransferRecord(const QSettings& profile)
{
    return {readSide(profile, QStringLiteral("Desktop")),
            readSide(profile, QStringLiteral("Device"))};
}

void writeTransferRecord(QSettings& profile, const TransferRecord& record)
{
    writeSide(profile, QStringLiteral("Desktop"), record.desktop);
    writeSide(profile, QStringLiteral("Device"), record.device);
}

} // namespace kavrin::orvale
