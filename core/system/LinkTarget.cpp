#include "core/system/LinkTarget.h"

namespace kavrin {

namespace {

// The limit the operating systems use for a path's own resolution.
constexpr int kMostLinks = 40;

} // namespace

std::filesystem::path followLinks(const std::filesystem::path& path, std::error_code& error)
{
    error.clear();
    std::filesystem::path current = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        std::error_code missing;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, missing)))
            return current;
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error)
            return {};
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

} // namespace kavrin
