#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kavrin {

// Makes written data durable before a rename publishes it.

// Flushes an open file's data to the disk; false when the system reports a failure.
bool syncToDisk(std::FILE* file);

// The same for a closed file, by path.
bool syncFileToDisk(const std::filesystem::path& file);

// Makes a rename or removal inside `folder` durable; a folder that cannot be synced is not an
// error (some file systems do not support it).
void syncFolder(const std::filesystem::path& folder);

// std::filesystem::copy_file, made again over its own partial copy when a signal interrupts it.
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
              std::filesystem::copy_options options, std::error_code& error);

} // namespace kavrin
