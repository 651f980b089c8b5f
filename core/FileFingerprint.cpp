#include "core/FileFingerprint.h"

#include "core/LocalTimeText.h"

#include <chrono>
#include <fstream>
#include <vector>

namespace kavrin {

namespace {

// FNV-1a, 64 bits: no cryptographic claim, only that two versions of a list do not collide.
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

} // namespace

void FingerprintBuilder::add(std::string_view bytes)
{
    for (const char byte : bytes)
        m_hash = (m_hash ^ static_cast<unsigned char>(byte)) * kFnvPrime;
    m_size += bytes.size();
}

FileFingerprint FingerprintBuilder::fingerprint(std::filesystem::file_time_type modified) const
{
    FileFingerprint print;
    print.state = FileFingerprint::State::Present;
    print.size = m_size;
    print.modified = modified;
    print.hash = m_hash;
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
