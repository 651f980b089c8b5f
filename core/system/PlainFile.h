#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kavrin {

// The whole content of the file at `path`, or nothing when it is no regular file (a device or a
// pipe has no end, or none that comes), cannot be opened, a read fails, or it holds more than
// `limit` bytes. Reading all of it before parsing means a read error can never leave a caller
// half done.
std::optional<std::string> readPlainFile(const std::filesystem::path& path,
                                         std::uintmax_t limit = UINTMAX_MAX);

} // namespace kavrin
