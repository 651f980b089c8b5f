#pragma once

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

    // Creates the temporary file. False, with the reason in error(), when it cannot.
    bool open();

    // Appends bytes. False once any write failed; later writes then do nothing.
    bool write(std::string_view bytes);

    // Flushes and syncs the temporary file and renames it over the target (keeping the target's
    // permissions). False, with the reason in error(), when any step or an earlier write failed.
    bool commit();

    const std::string& error() const { return m_error; }

private:
    bool fail(const std::string& what);
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::FILE* m_file = nullptr;
    std::string m_error;
    bool m_failed = false;
};

} // namespace kavrin
