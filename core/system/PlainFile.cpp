#include "core/system/PlainFile.h"

#include <fstream>

namespace kavrin {

std::optional<std::string> readPlainFile(const std::filesystem::path& path, std::uintmax_t limit)
{
    std::error_code kindUnknown;
    if (!std::filesystem::is_regular_file(path, kindUnknown))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    std::error_code sizeUnknown;
    if (const auto size = std::filesystem::file_size(path, sizeUnknown); !sizeUnknown) {
        if (size > limit)
            return std::nullopt;
        bytes.reserve(size);
    }
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        // The file may have grown since its size was asked.
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > limit)
            return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace kavrin
