#pragma once

#include "core/system/Result.h"

#include <filesystem>

namespace kavrin {

// Keeps a copy of `file` next to it under the first free name of "<name>.bak", "<name>.bak1",
// "<name>.bak2", … so that a file the program could not read is not lost when a save replaces it.
// The copy's path; empty when there was no file to keep. A failure's reason names the file and
// the system's reason.
Result<std::filesystem::path> backUpFile(const std::filesystem::path& file);

} // namespace kavrin
