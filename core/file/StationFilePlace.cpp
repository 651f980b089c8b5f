#include "core/file/StationFilePlace.h"

namespace kavrin {

InstallLayout installLayout()
{
    return {KAVRIN_INSTALL_EXECUTABLES, KAVRIN_INSTALL_DATA};
}

StationFilePlace stationFilePlace(const std::filesystem::path& executable,
                                  const std::filesystem::path& userDataFolder)
{
    // The layout is matched relative to the executable, not at the configured prefix, so that a
    // tree installed with another prefix (cmake --install --prefix) still counts as installed. The
    // folder's own name must match too: a program folder of the build never does, even when an
    // install tree was put into the build folder.
    const InstallLayout layout = installLayout();
    const std::filesystem::path folder = executable.parent_path();
    std::error_code ignored;
    const bool installed =
        folder.filename() == layout.executables.filename() &&
        std::filesystem::is_directory(folder / layout.data.lexically_relative(layout.executables),
                                      ignored);
    return {(installed ? userDataFolder : folder) / "Stations.xml", installed};
}

} // namespace kavrin
