#include "tests/desktop/OrvaleHarness.h"

namespace kavrin::orvale {

OrvaleHarness::OrvaleHarness()
    : profile(QString::fromStdString(folder.file("Orvale.ini").string()), QSettings::IniFormat)
{
}

OrvaleHarness::~OrvaleHarness()
{
    m_frame.reset();
}

void OrvaleHarness::writeStations(const std::vector<TestStation>& stations)
{
    writeTestStations(stationFile, stations);
}

void OrvaleHarness::start()
{
    m_frame = std::make_unique<CMainFrame>(base, profile, stationFile, &handheld);
    m_frame->show();
}

QStringList OrvaleHarness::listedNames()
{
    return namesIn(view().rows());
}

int OrvaleHarness::rowOf(const QString& name)
{
    return listedNames().indexOf(name);
}

} // namespace kavrin::orvale
