#include "OrvaleHarness.h"

#include "Clock.h"

namespace {

ClockReading tuesdayNoon()
{
    return {1796731200, 3 * 3600};  // 2026-12-08 12:00:00 UTC
}

}  // namespace

OrvaleHarness::OrvaleHarness()
    : profile(QString::fromStdString(folder.file("Orvale.ini").string()), QSettings::IniFormat)
{
    setClockSource(&tuesdayNoon);
}

OrvaleHarness::~OrvaleHarness()
{
    m_frame.reset();
    setClockSource(nullptr);
}

void OrvaleHarness::writeStations(const std::vector<TestStation>& stations)
{
    ORVImpl file;
    for (const TestStation& s : stations) {
        ORVImpl::FreqInfo r;
        r.stName = s.name;
        r.freqRX[0] = s.mhz;
        r.modulation = s.modulation;
        if (s.fromHour >= 0) {
            r.usePattern = 1;
            r.fromHour = s.fromHour;
            r.toHour = s.toHour;
            r.toMin = 0;
        }
        file.Add(r);
    }
    file.Save(stationFile);
}

void OrvaleHarness::start()
{
    m_frame = std::make_unique<CMainFrame>(base, profile, stationFile, &handheld);
    m_frame->show();
}

QStringList OrvaleHarness::listedNames()
{
    QStringList names;
    for (const StationRow& row : view().rows().rows())
        names << QString::fromStdU16String(row.name);
    return names;
}

int OrvaleHarness::rowOf(const QString& name) { return listedNames().indexOf(name); }
