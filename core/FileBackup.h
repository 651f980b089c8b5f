#pragma once

#include <filesystem>
#include <string>

namespace kavrin {

// Keeps a copy of `file` next to it under the first free name of "<name>.bak", "<name>.bak1",
// "<name>.bak2", … so that a file the program could not read is not lost when a save replaces it.
// Returns true with the copy's path in `backup` (empty when there was no file to keep), or false
// with the reason in `whyNot`.
bool backUpFile(const std::filesystem::path& file, std::filesystem::path& backup,
                std::string* whyNot = nullptr);

} // namespace kavrin
