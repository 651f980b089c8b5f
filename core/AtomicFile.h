#pragma once

#include "core/Result.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace kavrin {

// Replaces a file safely: everything is written to a temporary file in the target's folder,
// which is flushed to disk and only then renamed over the target. Until commit() succeeds the
// target is untouched; a writer destroyed without a successful commit removes its temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file.
    Result open();

    // Appends bytes. Fails once any write failed; later writes then do nothing and repeat that
    // first failure.
    Result write(std::string_view bytes);

    // Flushes and syncs the temporary file and renames it over the target (keeping the target's
    // permissions). Fails when any step or an earlier write failed.
    Result commit();

private:
    Result fail(const std::string& what);
    Result notWritable() const;
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::FILE* m_file = nullptr;
    Result m_failure = Result::success();
};

} // namespace kavrin
