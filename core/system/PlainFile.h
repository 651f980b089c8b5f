#pragma once

#include "core/system/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kavrin {

// The whole content of the file at `path`. Fails, with Kind::CannotOpen and a reason that names
// the file, when it is no regular file (a device or a pipe has no end, or none that comes),
// cannot be opened, a read fails (the system's reason: "Permission denied"), or it holds more
// than `limit` bytes. Reading all of it before parsing means a read error can never leave a
// caller half done.
Result<std::string> readPlainFile(const std::filesystem::path& path,
                                  std::uintmax_t limit = UINTMAX_MAX);

} // namespace kavrin
