#include "tests/handheld/TavrelHarness.h"

#include "handheld/CKavrinListCtrl.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPropDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace kavrin::tavrel {

namespace {

OpenedMenu record(const QMenu& menu, const QPoint& at)
{
    OpenedMenu opened;
    opened.menuId = menu.property("menuId").toInt();
    opened.at = at;
    opened.size = menu.sizeHint();
    for (const QAction* item : menu.actions()) {
        const int id = item->isSeparator() ? 0 : item->data().toInt();
        opened.items << id;
        if (item->isChecked())
            opened.checked << id;
        if (!item->isEnabled())
            opened.greyed << id;
    }
    return opened;
}

} // namespace

TavrelHarness::TavrelHarness()
    : profile(QString::fromStdString(folder.file("Tavrel.ini").string()), QSettings::IniFormat)
{
}

TavrelHarness::~TavrelHarness()
{
    m_dialog.reset();
}

void TavrelHarness::writeStations(const std::vector<TestStation>& stations)
{
    writeTestStations(stationFile, stations);
}

void TavrelHarness::create()
{
    m_dialog = std::make_unique<CTavrelDlg>(base, stationFile, profile);
    m_dialog->setMenuRunner([this](QMenu& menu, const QPoint& at) -> QAction* {
        menus.push_back(record(menu, at));
        const int wanted = std::exchange(nextChoice, 0);
        for (QAction* item : menu.actions()) {
            if (wanted != 0 && item->data().toInt() == wanted)
                return item;
        }
        return nullptr;
    });
}

bool TavrelHarness::start()
{
    if (!m_dialog)
        create();
    QSignalSpy finished(m_dialog.get(), &CTavrelDlg::workerFinished);
    m_dialog->show();
    return finished.wait(10000);
}

QStringList TavrelHarness::listedNames()
{
    return namesIn(m_dialog->list().rows());
}

int TavrelHarness::rowOf(const QString& name)
{
    return listedNames().indexOf(name);
}

void TavrelHarness::select(const QString& name)
{
    m_dialog->list().selectRow(rowOf(name));
}

void TavrelHarness::tap(const QPoint& point)
{
    QTest::mouseClick(m_dialog.get(), Qt::LeftButton, {}, point);
    QCoreApplication::sendPostedEvents(m_dialog.get());
}

bool TavrelHarness::choose(int anchor, int item)
{
    const std::size_t before = menus.size();
    nextChoice = item;
    m_dialog->runCommand(anchor);
    nextChoice = 0;
    return menus.size() > before;
}

} // namespace kavrin::tavrel
