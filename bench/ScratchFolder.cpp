#include "ScratchFolder.h"

#include <cerrno>
#include <stdlib.h>
#include <system_error>

ScratchFolder::ScratchFolder()
{
    // mkdtemp picks a name nobody else holds, so concurrent runs never share a folder.
    std::string pattern = (std::filesystem::temp_directory_path() / "kavrin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("cannot create a scratch folder", pattern,
                                                std::error_code(errno, std::generic_category()));
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
