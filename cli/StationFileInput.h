#pragma once

#include "core/ORVImpl.h"

#include <filesystem>
#include <string>

namespace kavrin::cli {

// Loads the station file at `path` into `base`. Returns false when there is no such file, it is
// not a regular file, or it cannot be read as a station file; `whyNot` then says why, in a form
// fit for the user ("no such file", or the reader's reason with its line number).
bool loadStationFile(const std::filesystem::path& path, ORVImpl& base, std::string& whyNot);

} // namespace kavrin::cli
