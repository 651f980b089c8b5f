#pragma once

#include "core/system/Result.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kavrin {

// What becomes of the version of a file that a replacement overwrites.
enum class ReplacedVersion {
    KeptInBackups, // copied into the "Backups" folder beside the file first (core/StationBackups.h)
    Dropped,
};

// Replaces a file safely: everything is written to a temporary file in the target's folder,
// which is flushed to disk and only then renamed over the target. Until commit() succeeds the
// target is untouched; a writer destroyed without a successful commit removes its temporary file.
// A target that is a symbolic link (or a chain of them) stays a link: the file at the end of the
// chain is replaced, in its own folder, and a dangling link gets the file it names created.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target,
                              ReplacedVersion replaced = ReplacedVersion::KeptInBackups);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Follows the links and creates the temporary file. Fails on a loop of links, a read-only
    // target or a folder that cannot take a new file.
    Result<> open();

    // Appends bytes. Fails once any write failed; later writes then do nothing and repeat that
    // first failure.
    Result<> write(std::string_view bytes);

    // Flushes and syncs the temporary file, keeps the version it replaces if asked to (and prunes
    // the old backups), and renames it over the target, keeping the target's permissions. Fails
    // when any step or an earlier write failed, a backup that cannot be made included: the target
    // is then untouched.
    Result<> commit();

private:
    Result<> fail(const std::string& what);
    Result<> notWritable() const;
    void discard();

    std::filesystem::path m_target;
    ReplacedVersion m_replacedVersion;
    std::filesystem::path m_replaced; // the target with its links followed
    std::filesystem::path m_temporary;
    std::FILE* m_file = nullptr;
    Result<> m_failure = Result<>::success();
};

} // namespace kavrin
