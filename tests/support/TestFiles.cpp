#include "tests/support/TestFiles.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <system_error>

namespace kavrin {

TempFolder::TempFolder()
{
    // mkdtemp picks a name nobody else holds, so tests and benchmarks running side by side never
    // share a folder.
    std::string pattern = (std::filesystem::temp_directory_path() / "kavrin-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("cannot create a temporary folder", pattern,
                                                std::error_code(errno, std::generic_category()));
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace kavrin
