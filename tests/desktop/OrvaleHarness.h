#pragma once

#include "core/base/ORVImpl.h"
#include "desktop/CMainFrame.h"
#include "desktop/COrvaleView.h"
#include "tests/desktop/FakeDeviceLink.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace kavrin::orvale {

// Orvale over a temporary folder: its station file, its profile, scripted prompts, and the clock
// fixed at Tuesday 2026-12-08 12:00 UTC with the local time three hours ahead.
class OrvaleHarness {
public:
    OrvaleHarness();
    ~OrvaleHarness();

    void writeStations(const std::vector<TestStation>& stations);

    // Creates and shows the frame; the load starts at once.
    void start();

    CMainFrame& frame() { return *m_frame; }
    COrvaleView& view() { return m_frame->view(); }
    void endFrame() { m_frame.reset(); }

    // The names in the list, top to bottom.
    QStringList listedNames();
    int rowOf(const QString& name);

    TuesdayNoon clock;
    TempFolder folder;
    std::filesystem::path stationFile = folder.file("Stations.xml");
    ORVImpl base;
    QSettings profile;
    ScriptedPrompts prompts;
    FakeDeviceLink handheld;

private:
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace kavrin::orvale
