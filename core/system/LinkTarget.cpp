#include "core/system/LinkTarget.h"

namespace kavrin {

namespace {

// The limit the operating systems use for a path's own resolution.
constexpr int kMostLinks = 40;

Failure cannotFollow(const std::filesystem::path& link, const std::error_code& error)
{
    return Failure{"cannot follow the link " + link.string() + ": " + error.message()};
}

} // namespace

Result<std::filesystem::path> followLinks(const std::filesystem::path& path)
{
    std::filesystem::path current = path;
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        std::error_code missing;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, missing)))
            return current;
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error)
            return cannotFollow(current, error);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return cannotFollow(path, std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

} // namespace kavrin
