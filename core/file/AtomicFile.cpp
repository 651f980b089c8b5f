#include "core/file/AtomicFile.h"

#include "core/file/StationBackups.h"
#include "core/system/DiskSync.h"
#include "core/system/LinkTarget.h"

#include <cerrno>
#include <cstring>
#include <random>

namespace kavrin {

namespace {

std::string describe(int error)
{
    return std::strerror(error);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, ReplacedVersion replaced)
    : m_target(std::move(target)), m_replacedVersion(replaced)
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

Result<> AtomicFileWriter::open()
{
    Result<std::filesystem::path> replaced = followLinks(m_target);
    if (!replaced)
        return fail(replaced.reason());
    m_replaced = std::move(*replaced);

    // A target the user made read-only is respected even where the folder would allow a rename.
    std::error_code ignored;
    const auto existing = std::filesystem::status(m_replaced, ignored);
    if (std::filesystem::is_regular_file(existing) &&
        (existing.permissions() & std::filesystem::perms::owner_write) ==
            std::filesystem::perms::none)
        return fail(m_target.string() + " is read-only");

    std::random_device random;
    for (int attempt = 0; attempt < 16 && m_file == nullptr; ++attempt) {
        m_temporary = m_replaced;
        m_temporary += ".tmp-" + std::to_string(random() % 1000000000u);
        // "x": never open a file that already exists under that name.
        m_file = std::fopen(m_temporary.string().c_str(), "wbx");
        if (m_file == nullptr && errno != EEXIST)
            break;
    }
    if (m_file == nullptr) {
        const int error = errno;
        m_temporary.clear();
        return fail("cannot create a file in " + m_replaced.parent_path().string() + ": " +
                    describe(error));
    }
    return Result<>::success();
}

Result<> AtomicFileWriter::write(std::string_view bytes)
{
    if (!m_failure || m_file == nullptr)
        return notWritable();
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));
    return Result<>::success();
}

Result<> AtomicFileWriter::commit()
{
    if (!m_failure || m_file == nullptr)
        return notWritable();
    if (std::fflush(m_file) != 0)
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));
    if (const Result<> synced = syncToDisk(m_file); !synced)
        return fail("cannot write " + m_temporary.string() + ": " + synced.reason());
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed)
        return fail("cannot write " + m_temporary.string() + ": " + describe(errno));

    std::error_code ignored;
    const auto status = std::filesystem::status(m_replaced, ignored);
    if (std::filesystem::exists(status))
        std::filesystem::permissions(m_temporary, status.permissions(), ignored);

    std::filesystem::path backup;
    if (m_replacedVersion == ReplacedVersion::KeptInBackups) {
        Result<std::filesystem::path> kept = keepBackup(m_replaced);
        if (!kept)
            return fail(kept.reason());
        backup = std::move(*kept);
    }
    std::error_code renameError;
    std::filesystem::rename(m_temporary, m_replaced, renameError);
    if (renameError) {
        // The file was not replaced: its copy is no earlier version.
        if (!backup.empty())
            std::filesystem::remove(backup, ignored);
        return fail("cannot replace " + m_target.string() + ": " + renameError.message());
    }
    m_temporary.clear();
    syncFolder(m_replaced.parent_path());
    if (!backup.empty())
        pruneBackups(m_replaced);
    return Result<>::success();
}

Result<> AtomicFileWriter::fail(const std::string& what)
{
    if (m_failure)
        m_failure = Result<>::failure(what);
    discard();
    return m_failure;
}

Result<> AtomicFileWriter::notWritable() const
{
    return m_failure ? Result<>::failure(m_target.string() + " was not opened for writing")
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
