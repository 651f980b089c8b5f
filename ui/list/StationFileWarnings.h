#pragma once

#include <filesystem>
#include <string>

class QWidget;

namespace kavrin {

// The warnings both programs give, through the prompts, when their station file fails them.

// The file exists but could not be read (`why`): the list starts empty and the file is kept.
void warnUnreadableStationFile(QWidget* parent, const std::filesystem::path& file,
                               const std::string& why);

// The list could not be saved (`why`).
void warnUnsavedStationFile(QWidget* parent, const std::filesystem::path& file,
                            const std::string& why);

} // namespace kavrin
