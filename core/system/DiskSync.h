#pragma once

#include "core/system/Result.h"

#include <cstdio>
#include <filesystem>

namespace kavrin {

// Makes written data durable before a rename publishes it.

// Flushes an open file's data to the disk. Fails with the system's reason ("No space left on
// device"), which does not name the file: the caller knows it.
Result<> syncToDisk(std::FILE* file);

// The same for a closed file, by path; the reason names the file.
Result<> syncFileToDisk(const std::filesystem::path& file);

// Makes a rename or removal inside `folder` durable; a folder that cannot be synced is not an
// error (some file systems do not support it).
void syncFolder(const std::filesystem::path& folder);

// std::filesystem::copy_file, made again over its own partial copy when a signal interrupts it.
// Fails with the system's reason, naming both files, or when `options` asked to skip a target
// that exists.
Result<> copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                  std::filesystem::copy_options options);

} // namespace kavrin
