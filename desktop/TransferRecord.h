#pragma once

#include "core/file/FileFingerprint.h"

#include <optional>

class QSettings;

namespace kavrin::orvale {

// What Orvale remembers of the last transfer of the station file: the file on each side as the
// transfer left it, so that the next transfer can tell whether the file it is about to replace was
// changed since. Kept in the profile section "PocketPC" ("DesktopFileSize", "DesktopFileHash",
// "DeviceFileSize", "DeviceFileHash"): the size and the hash are what tell a change.
struct TransferRecord {
    std::optional<FileFingerprint> desktop; // none: no transfer recorded
    std::optional<FileFingerprint> device;
};

// The record in `profile`; a side whose values are missing or malformed is not recorded.
TransferRecord readTransferRecord(const QSettings& profile);

// Keeps `record` in `profile`; a side that is not recorded, or not Present, is left as it was.
void writeTransferRecord(QSettings& profile, const TransferRecord& record);

} // namespace kavrin::orvale
