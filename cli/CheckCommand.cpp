#include "cli/CheckCommand.h"

#include "cli/StationFileInput.h"

namespace kavrin::cli {

int runCheck(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ORVImpl base;
    std::string whyNot;
    if (!loadStationFile(options.file, base, whyNot)) {
        err << "kavrin: cannot read " << options.file << ": " << whyNot << '\n';
        return 1;
    }
    int stations = 0;
    for (int i = 0; i < base.GetCount(); ++i)
        stations += base[i].stName.empty() ? 0 : 1;
    out << stations << '\n';
    return 0;
}

} // namespace kavrin::cli
