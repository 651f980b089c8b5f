#include "handheld/CTavrelApp.h"
#include "ui/platform/ProgramStart.h"

#include <QApplication>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

int runTavrel(const ProgramStart& start)
{
    CTavrelApp tavrel(start.profile, start.executable);
    tavrel.start();
    if (start.screenshot)
        tavrel.quitWithScreenshot(*start.screenshot);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    return runProgram(
        argc, argv,
        {"Tavrel", "TavrelPPC", "org.kavrin.Tavrel", "Tavrel, the Kavrin handheld station list."},
        runTavrel);
}
