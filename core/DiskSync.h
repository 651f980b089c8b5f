#pragma once

#include <cstdio>
#include <filesystem>

namespace kavrin {

// Makes written data durable before a rename publishes it.

// Flushes an open file's data to the disk; false when the system reports a failure.
bool syncToDisk(std::FILE* file);

// The same for a closed file, by path.
bool syncFileToDisk(const std::filesystem::path& file);

// Makes a rename or removal inside `folder` durable; a folder that cannot be synced is not an
// error (some file systems do not support it).
void syncFolder(const std::filesystem::path& folder);

} // namespace kavrin
