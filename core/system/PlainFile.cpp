#include "core/system/PlainFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kavrin {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

Failure cannotRead(const std::filesystem::path& path, const std::string& why)
{
    return Failure{"cannot read " + path.string() + ": " + why, ResultKind::CannotOpen};
}

Failure tooLarge(const std::filesystem::path& path, std::uintmax_t limit)
{
    return cannotRead(path, "larger than " + std::to_string(limit) + " bytes");
}

} // namespace

Result<std::string> readPlainFile(const std::filesystem::path& path, std::uintmax_t limit)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return cannotRead(path, error.message());
    if (!std::filesystem::is_regular_file(status))
        return cannotRead(path, "not a plain file");
    const std::unique_ptr<std::FILE, FileCloser> in(std::fopen(path.string().c_str(), "rb"));
    if (!in)
        return cannotRead(path, std::strerror(errno));
    std::string bytes;
    std::error_code sizeUnknown;
    if (const auto size = std::filesystem::file_size(path, sizeUnknown); !sizeUnknown) {
        if (size > limit)
            return tooLarge(path, limit);
        bytes.reserve(size);
    }
    char chunk[64 * 1024];
    for (;;) {
        const std::size_t count = std::fread(chunk, 1, sizeof chunk, in.get());
        // The file may have grown since its size was asked.
        if (bytes.size() + count > limit)
            return tooLarge(path, limit);
        bytes.append(chunk, count);
        if (count < sizeof chunk)
            break;
    }
    if (std::ferror(in.get()))
        return cannotRead(path, std::strerror(errno));
    return bytes;
}

} // namespace kavrin
