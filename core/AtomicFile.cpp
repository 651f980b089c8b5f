#include "core/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kavrin {

namespace {

std::string describe(int error)
{
    return std::strerror(error);
}

bool syncToDisk(std::FILE* file)
{
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void syncFolder([[maybe_unused]] const std::filesystem::path& folder)
{
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
#endif
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : m_target(std::move(target)) {}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

Result AtomicFileWriter::open()
{
    // A target the user made read-only is respected even where the folder would allow a rename.
    std::error_code ignored;
    const auto existing = std::filesystem::status(m_target, ignored);
    if (std::filesystem::is_regular_file(existing) &&
        (existing.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none)
        return fail(m_target.string() + " is read-only");

    std::random_device random;
    for (int attempt = 0; attempt < 16 && m_file == nullptr; ++attempt) {
        m_temporary = m_target;
        m_temporary += ".tmp-" + std::to_string(random() % 1000000000u);
        // "x": never open a file that already exists under that name.
        m_file = std::fopen(m_temporary.string().c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST)
            break;
    }
    if (m_file == nullptr) {
        const int error = errno;
        m_temporary.clear();
        return fail("cannot create a file in " + m_target.parent_path().string() + ": " +
                    describe(error));
    }
    return Result::success();
}

Result AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_failure || m_file == nullptr)
        return notWritable();
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));
    return Result::success();
}

Result AtomicFileWriter::commit()
{
    if (!m_failure || m_file == nullptr)
        return notWritable();
    if (std::fflush(m_file) != 0 || !syncToDisk(m_file))
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed)
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));

    std::error_code ignored;
    const auto status = std::filesystem::status(m_target, ignored);
    if (std::filesystem::exists(status))
        std::filesystem::permissions(m_temporary, status.permissions(), ignored);

    std::error_code renameError;
    std::filesystem::rename(m_temporary, m_target, renameError);
    if (renameError)
        return fail("cannot replace " + m_target.string() + ": " + renameError.message());
    m_temporary.clear();
    syncFolder(m_target.parent_path());
    return Result::success();
}

Result AtomicFileWriter::fail(const std::string& what)
{
    if (m_failure)
        m_failure = Result::failure(what);
    discard();
    return m_failure;
}

Result AtomicFileWriter::notWritable() const
{
    return m_failure ? Result::failure(m_target.string() + " was not opened for writing")
                     : m_failure;
}

void AtomicFileWriter::discard()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporary.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
        m_temporary.clear();
    }
}

} // namespace kavrin
