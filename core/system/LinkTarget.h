#pragma once

#include "core/system/Result.h"

#include <filesystem>

namespace kavrin {

// The file that `path` stands for: `path` itself unless it is a symbolic link, otherwise the end
// of its chain of links (a relative link is read from the folder the link lies in). The end need
// not exist: a dangling link gives the path it names, so a save through it creates that file.
// Folders on the way are not resolved. Fails on a loop, a chain of more than 40 links or a link
// that cannot be read, with the system's reason and the link's path.
Result<std::filesystem::path> followLinks(const std::filesystem::path& path);

} // namespace kavrin
