#pragma once

#include "core/base/ORVImpl.h"
#include "handheld/CTavrelDlg.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestStations.h"

#include <QList>
#include <QPoint>
#include <QSettings>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace kavrin::tavrel {

// What a popup menu showed when the dialog opened it.
struct OpenedMenu {
    int menuId = 0;
    QPoint at;          // screen position of its top-left corner
    QSize size;         // the size it opens with
    QList<int> items;   // command ids, 0 for a separator
    QList<int> checked; // the items with a check mark
    QList<int> greyed;  // the items shown disabled
};

// Tavrel's main dialog over a temporary folder: its station file, an .ini profile, scripted
// prompts, popup menus recorded instead of shown, and the clock fixed at Tuesday 2026-12-08
// 12:00 UTC with the local time three hours ahead.
class TavrelHarness {
public:
    TavrelHarness();
    ~TavrelHarness();

    void writeStations(const std::vector<TestStation>& stations);

    // Creates the dialog, whose load starts once events are processed.
    void create();
    // Shows the dialog (created first unless create() ran) and waits for its load to end.
    // Returns whether it ended within ten seconds.
    bool start();
    CTavrelDlg& dialog() { return *m_dialog; }

    // The names in the list, top to bottom.
    QStringList listedNames();
    int rowOf(const QString& name);
    void select(const QString& name);

    // A tap at client point `point` of the dialog, with the command it posts carried out.
    void tap(const QPoint& point);

    // Opens the menu of header anchor `anchor` and chooses the item `item` (0: closes it
    // unchosen). Returns false when no menu opened.
    bool choose(int anchor, int item);

    // The menu item that the next opened menu chooses (0: none).
    int nextChoice = 0;
    std::vector<OpenedMenu> menus;

    TuesdayNoon clock;
    TempFolder folder;
    std::filesystem::path stationFile = folder.file("Stations.xml");
    ORVImpl base;
    QSettings profile;
    ScriptedPrompts prompts;

private:
    std::unique_ptr<CTavrelDlg> m_dialog;
};

} // namespace kavrin::tavrel
