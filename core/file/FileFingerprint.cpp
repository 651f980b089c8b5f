#include "core/file/FileFingerprint.h"

#include "core/text/LocalTimeText.h"

#include <chrono>
#include <fstream>
#include <vector>

namespace kavrin {

namespace {

// FNV-1a's prime, applied to a word of eight bytes at a time and followed by a shift that brings
// the high bits down, so that every byte reaches every bit of the hash. No cryptographic claim,
// only that two versions of a list do not collide; a byte at a time, a large file took longer to
// hash than to load.
constexpr std::uint64_t kPrime = 1099511628211ull;

std::uint64_t mixed(std::uint64_t hash, std::uint64_t word)
{
    hash = (hash ^ word) * kPrime;
    return hash ^ (hash >> 29);
}

// Eight bytes as one word, the first byte lowest, whatever the processor's byte order (compilers
// make this one load where the order is already that).
std::uint64_t wordAt(const char* bytes)
{
    std::uint64_t word = 0;
    for (int i = 0; i < 8; ++i)
        word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    return word;
}

} // namespace

void FingerprintBuilder::add(std::string_view bytes)
{
    m_size += bytes.size();
    std::size_t at = 0;
    // A word begun by the previous piece is completed first.
    for (; m_pendingBytes != 0 && at < bytes.size(); ++at)
        addByte(bytes[at]);
    for (; at + 8 <= bytes.size(); at += 8)
        m_hash = mixed(m_hash, wordAt(bytes.data() + at));
    for (; at < bytes.size(); ++at)
        addByte(bytes[at]);
}

void FingerprintBuilder::addByte(char byte)
{
    m_pending |= std::uint64_t{static_cast<unsigned char>(byte)} << (8 * m_pendingBytes);
    if (++m_pendingBytes == 8) {
        m_hash = mixed(m_hash, m_pending);
        m_pending = 0;
        m_pendingBytes = 0;
    }
}

FileFingerprint FingerprintBuilder::fingerprint(std::filesystem::file_time_type modified) const
{
    FileFingerprint print;
    print.state = FileFingerprint::State::Present;
    print.size = m_size;
    print.modified = modified;
    // The last word's missing bytes count as zeros; the size tells such files apart.
    print.hash = m_pendingBytes != 0 ? mixed(m_hash, m_pending) : m_hash;
    return print;
}

FileFingerprint takeFingerprint(const std::filesystem::path& path)
{
    FileFingerprint print;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return print;
    print.state = FileFingerprint::State::Unreadable;
    // The time comes first: a change while the bytes are read then shows as a change later.
    print.modified = std::filesystem::last_write_time(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !std::filesystem::is_regular_file(status) || !in)
        return print;
    std::vector<char> piece(64 * 1024);
    FingerprintBuilder bytes;
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        bytes.add(std::string_view(piece.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad())
        return print;
    return bytes.fingerprint(print.modified);
}

bool changedSince(const FileFingerprint& seen, const FileFingerprint& now)
{
    using State = FileFingerprint::State;
    if (seen.state == State::Unreadable || now.state == State::Unreadable)
        return true;
    if (seen.state != now.state)
        return true;
    return seen.state == State::Present && (seen.size != now.size || seen.hash != now.hash);
}

std::time_t modifiedUtc(const FileFingerprint& fingerprint)
{
    if (fingerprint.state != FileFingerprint::State::Present)
        return 0;
    const auto system = std::chrono::file_clock::to_sys(fingerprint.modified);
    return std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(system));
}

std::string modifiedText(const FileFingerprint& fingerprint)
{
    if (fingerprint.state != FileFingerprint::State::Present)
        return {};
    return localDateTimeText(modifiedUtc(fingerprint));
}

} // namespace kavrin
