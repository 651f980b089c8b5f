#include "desktop/COrvaleApp.h"
#include "desktop/StationFileClaim.h"
#include "ui/platform/ProgramStart.h"

#include <QApplication>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

int runOrvale(const ProgramStart& start)
{
    COrvaleApp orvale(start.profile, start.executable);
    // Held until the program ends; the system lets go of it if the program dies.
    StationFileLock lock;
    if (!claimStationFile(lock, start.place.file))
        return 1;
    orvale.start();
    if (start.screenshot)
        orvale.quitWithScreenshot(*start.screenshot);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    return runProgram(
        argc, argv,
        {"Kavrin", "Orvale", "org.kavrin.Orvale", "Orvale, the Kavrin station manager."},
        runOrvale);
}
