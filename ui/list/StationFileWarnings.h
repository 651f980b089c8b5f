#pragma once

#include <filesystem>
#include <string>

class QWidget;

namespace kavrin {

struct FileFingerprint;

// The warnings both programs give, through the prompts, when their station file fails them, and
// the question they ask when someone else changed it.

// The file exists but could not be read (`why`): the list starts empty and the file is kept.
void warnUnreadableStationFile(QWidget* parent, const std::filesystem::path& file,
                               const std::string& why);

// The list could not be saved (`why`).
void warnUnsavedStationFile(QWidget* parent, const std::filesystem::path& file,
                            const std::string& why);

// What to do with a station file that changed on disk since the list was loaded or last saved.
enum class ChangedFileChoice {
    Overwrite, // save the list over it (the replaced file goes to the backups)
    Reload,    // load it again, dropping the list's changes
    Cancel,    // save nothing now
};

// Asks before a save what to do with `file`, which someone else changed; `now` describes it as it
// is (its time is shown when it could be read).
ChangedFileChoice askAboutChangedStationFile(QWidget* parent, const std::filesystem::path& file,
                                             const FileFingerprint& now);

} // namespace kavrin
