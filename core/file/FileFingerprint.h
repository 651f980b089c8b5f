#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace kavrin {

// What a station file looked like when a program last read or wrote it, so that before it
// replaces the file it can tell whether someone else changed it meanwhile. Taken by reading the
// whole file (a hash of its bytes), so a change is seen even where the file system keeps
// modification times only to the second or two and the size stayed the same.
struct FileFingerprint {
    enum class State {
        Missing,    // no file at the path
        Present,    // read to the end: size, modified and hash describe it
        Unreadable, // there is something, but it could not be read
    };

    State state = State::Missing;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0;

    bool operator==(const FileFingerprint&) const = default;
};

// The fingerprint of the file at `path` now (links followed). Take it before a load, so that a
// change between the two shows as a change (never the other way round), and right after a save.
FileFingerprint takeFingerprint(const std::filesystem::path& path);

// The fingerprint of bytes that arrive piece by piece from where takeFingerprint cannot reach (a
// file on another device), hashed as takeFingerprint hashes a file: the same bytes give the same
// size and hash either way.
class FingerprintBuilder {
public:
    // Adds the next piece.
    void add(std::string_view bytes);

    // A Present fingerprint of everything added so far, last modified at `modified`.
    FileFingerprint fingerprint(std::filesystem::file_time_type modified = {}) const;

private:
    void addByte(char byte);

    std::uint64_t m_hash = 14695981039346656037ull; // FNV-1a's offset basis
    std::uintmax_t m_size = 0;
    std::uint64_t m_pending = 0; // the bytes of a word not yet complete, the first lowest
    unsigned m_pendingBytes = 0;
};

// Whether the file described by `now` holds something else than it did when `seen` was taken: it
// appeared, disappeared or has other bytes. A file that was only touched (same bytes, new time)
// has not changed: replacing it loses nothing. Unreadable on either side counts as changed, since
// nothing says it is the same.
bool changedSince(const FileFingerprint& seen, const FileFingerprint& now);

// When the file was last modified, as a UTC moment in whole seconds; 0 unless Present.
std::time_t modifiedUtc(const FileFingerprint& fingerprint);

// The modification time in the local time zone, as "2026-05-08 15:45:07"; empty unless Present.
std::string modifiedText(const FileFingerprint& fingerprint);

} // namespace kavrin
