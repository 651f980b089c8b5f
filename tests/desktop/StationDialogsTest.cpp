#include "core/station/Modulation.h"
#include "core/station/OnAir.h"
#include "core/system/Clock.h"
#include "desktop/DesktopDialogLayout.h"
#include "tests/support/FindControl.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPPg2.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/dialogs/ControlId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace kavrin;
using namespace kavrin::orvale;

namespace {

ClockReading threeHoursEast()
{
    return {1796731200, 3 * 3600};
}

ORVImpl::FreqInfo named(const std::u16string& name, const std::u16string& rx)
{
    ORVImpl::FreqInfo r;
    r.stName = name;
    r.ParseFreqLists(rx, {});
    return r;
}

QComboBox* list(QWidget* page, int id)
{
    return findControl<QComboBox>(page, id);
}

void choose(QComboBox* box, int value)
{
    box->setCurrentIndex(box->findData(value));
}

} // namespace

class StationDialogsTest : public QObject {
    Q_OBJECT

    DesktopDialogLayout m_layout;
    std::unique_ptr<ScriptedPrompts> m_prompts;

private slots:
    void init()
    {
        m_prompts = std::make_unique<ScriptedPrompts>();
        setClockSource(&threeHoursEast);
    }
    void cleanup()
    {
        m_prompts.reset();
        setClockSource(nullptr);
    }

    void aNewStationOpensWithTheDefaults()
    {
        CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_layout);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Station properties"));
        QCOMPARE(dialog.m_tabs->tabText(0), QStringLiteral("Main"));
        QCOMPARE(dialog.m_tabs->tabText(1), QStringLiteral("Working hours"));
        QCOMPARE(dialog.m_save->text(), QStringLiteral("Save"));
        QVERIFY(findControl<QLineEdit>(&dialog, CStationPropDlg::IDC_NAME)->text().isEmpty());
        QVERIFY(dialog.m_page1->m_rx->text().isEmpty());
        QCOMPARE(dialog.m_page1->m_modulation->count(), 9);
        QCOMPARE(dialog.m_page1->m_modulation->itemText(0), QStringLiteral("Unknown"));
        QCOMPARE(dialog.m_page1->m_modulation->itemData(3).toInt(), int(MOD_NFM));
        QCOMPARE(dialog.m_page1->m_modulation->currentText(), QStringLiteral("Unknown"));
        CStationPPg2* hours = dialog.m_page2;
        QCOMPARE(list(hours, CStationPPg2::IDC_FROM_HOUR)->currentData().toInt(), 0);
        QCOMPARE(list(hours, CStationPPg2::IDC_FROM_MIN)->currentData().toInt(), 0);
        QCOMPARE(list(hours, CStationPPg2::IDC_TO_HOUR)->currentData().toInt(), 23);
        QCOMPARE(list(hours, CStationPPg2::IDC_TO_MIN)->currentText(), QStringLiteral("59"));
        QVERIFY(findControl<QCheckBox>(hours, CStationPPg2::IDC_USE_GMT)->isChecked());
        for (int id = CStationPPg2::IDC_MONDAY; id < CStationPPg2::IDC_MONDAY + 7; ++id)
            QVERIFY(findControl<QPushButton>(hours, id)->isChecked());
    }

    void allDayStoresNoPatternAndAnyOtherWindowDoes()
    {
        CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_layout);
        dialog.m_name->setText("Beacon");
        dialog.m_page1->m_rx->setText(" 7.2;  7.1 ;");
        dialog.save();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().usePattern, 0);
        QCOMPARE(dialog.record().freqRX[0], 7.1);
        QCOMPARE(dialog.record().freqRX[1], 7.2);
        QCOMPARE(dialog.record().modulation, int(MOD_UNKNOWN));

        choose(dialog.m_page2->m_toMin, 58);
        dialog.save();
        QCOMPARE(dialog.record().usePattern, 1);
        QCOMPARE(dialog.record().toMin, 58);
    }

    void localHoursAreStoredInGmtAndShownBack()
    {
        CStationPropDlg dialog(named(u"Local", u"9.5"), m_layout);
        dialog.m_page2->m_useGmt->setChecked(false);
        choose(dialog.m_page2->m_fromHour, 2);
        dialog.save();
        QCOMPARE(dialog.record().fromHour, 23);
        QCOMPARE(dialog.record().toHour, 20);
        QCOMPARE(dialog.record().showPropGMT, 0);

        CStationPropDlg again(dialog.record(), m_layout);
        QCOMPARE(again.m_page2->m_fromHour->currentData().toInt(), 2);
        QCOMPARE(again.m_page2->m_toHour->currentData().toInt(), 23);

        ORVImpl::FreqInfo gmt = dialog.record();
        gmt.showPropGMT = 1;
        CStationPropDlg shownInGmt(gmt, m_layout);
        QCOMPARE(shownInGmt.m_page2->m_fromHour->currentData().toInt(), 23);
    }

    void allDayOnChosenDaysKeepsItsDays_data()
    {
        QTest::addColumn<QList<int>>("pressed"); // buttons, Monday first
        QTest::addColumn<bool>("useGmt");
        QTest::addColumn<int>("usePattern");
        QTest::addColumn<bool>("onSunday");
        QTest::addColumn<bool>("onMonday");
        QTest::newRow("Sunday only, GMT") << QList<int>{6} << true << 1 << true << false;
        QTest::newRow("Sunday only, local time") << QList<int>{6} << false << 1 << true << false;
        QTest::newRow("Monday to Friday")
            << QList<int>{0, 1, 2, 3, 4} << true << 1 << false << true;
        QTest::newRow("every day") << QList<int>{0, 1, 2, 3, 4, 5, 6} << false << 0 << true << true;
    }

    void allDayOnChosenDaysKeepsItsDays()
    {
        QFETCH(QList<int>, pressed);
        QFETCH(bool, useGmt);
        QFETCH(int, usePattern);
        QFETCH(bool, onSunday);
        QFETCH(bool, onMonday);
        CStationPropDlg dialog(named(u"Sunday service", u"6.07"), m_layout);
        dialog.m_page2->m_useGmt->setChecked(useGmt);
        for (int i = 0; i < 7; ++i)
            dialog.m_page2->m_days[i]->setChecked(pressed.contains(i));
        dialog.save();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().usePattern, usePattern);

        TempFolder folder;
        ORVImpl base;
        base.Add(dialog.record());
        QVERIFY(base.Save(folder.file("Stations.xml")));
        ORVImpl reloaded;
        QVERIFY(reloaded.Load(folder.file("Stations.xml")));
        const ORVImpl::FreqInfo& r = reloaded[0];
        QCOMPARE(r.usePattern, usePattern);
        QCOMPARE(QList<int>({r.fromHour, r.fromMin, r.toHour, r.toMin}),
                 QList<int>({0, 0, 23, 59}));
        QCOMPARE(IsWorkingAt(r, 1796558400), onSunday); // 2026-12-06, Sunday noon UTC
        QCOMPARE(IsWorkingAt(r, 1796644800), onMonday);

        CStationPropDlg again(r, m_layout);
        QCOMPARE(again.m_page2->m_fromHour->currentData().toInt(), 0);
        QCOMPARE(again.m_page2->m_toHour->currentData().toInt(), 23);
        QCOMPARE(again.m_page2->m_toMin->currentData().toInt(), 59);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(again.m_page2->m_days[i]->isChecked(), pressed.contains(i));
    }

    void daysMapMondayFirstButtonsToSundayFirstRecord()
    {
        ORVImpl::FreqInfo r = named(u"Days", u"5");
        r.usePattern = 1;
        for (int& d : r.days)
            d = 0;
        r.days[0] = 1; // Sunday
        CStationPropDlg dialog(r, m_layout);
        QVERIFY(dialog.m_page2->m_days[6]->isChecked());
        QVERIFY(!dialog.m_page2->m_days[0]->isChecked());
        dialog.m_page2->m_days[0]->setChecked(true); // Monday
        dialog.save();
        QCOMPARE(dialog.record().days[1], 1);
        QCOMPARE(dialog.record().days[0], 1);
        QCOMPARE(dialog.record().days[2], 0);
    }

    void saveRefusesAnEmptyNameAndNoUsableFrequency()
    {
        CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_layout);
        dialog.show();
        dialog.m_page1->m_rx->setText("7.1");
        dialog.m_page1->m_location->setFocus();
        dialog.save();
        QCOMPARE(m_prompts->messages.last(), QStringLiteral("Name field cannot be empty"));
        QCOMPARE(m_prompts->captions.last(), QStringLiteral("Warning"));
        QVERIFY(dialog.result() != QDialog::Accepted);
        QTRY_VERIFY(dialog.m_name->hasFocus());

        dialog.m_name->setText("Nowhere");
        dialog.m_page1->m_rx->setText("abc 100000");
        dialog.m_page1->m_location->setText("first try");
        dialog.save();
        QCOMPARE(m_prompts->messages.last(), QStringLiteral("Frequency must be in vaid range"));
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(dialog.record().stName.empty()); // a refused attempt changes nothing

        dialog.m_page1->m_rx->setText("");
        dialog.m_page1->m_tx->setText("145.5");
        dialog.save();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().CountRX(), 0);
        QCOMPARE(dialog.record().freqTX[0], 145.5);
    }

    void editingKeepsWhatTheDialogDoesNotShow()
    {
        ORVImpl::FreqInfo r = named(u"Recorded", u"3.33 7.85");
        r.soundsFld = u"/home/me/recordings/chu";
        r.modulation = 9; // outside the table
        r.freqRX[9] = 0;
        CStationPropDlg dialog(r, m_layout);
        QCOMPARE(dialog.m_page1->m_modulation->currentIndex(), -1);
        QCOMPARE(dialog.m_page1->m_rx->text(), QStringLiteral("3.33; 7.85"));
        dialog.save();
        QVERIFY(dialog.record().soundsFld == u"/home/me/recordings/chu");
        QCOMPARE(dialog.record().modulation, int(MOD_UNKNOWN));
    }

    void hoursTheListsCannotShowStayAsStored()
    {
        ORVImpl::FreqInfo r = named(u"Imported", u"9.5");
        r.usePattern = 1;
        r.fromHour = 6;
        r.toHour = 24;
        r.toMin = 30;
        CStationPropDlg dialog(r, m_layout);
        QCOMPARE(dialog.m_page2->m_toHour->currentIndex(), -1);
        dialog.save();
        QCOMPARE(dialog.record().toHour, 24);
        QCOMPARE(dialog.record().toMin, 30);
        QCOMPARE(dialog.record().usePattern, 1);
    }

    void enterInAPageDoesNotCloseAndEscCancels()
    {
        CStationPropDlg dialog(named(u"Keys", u"7"), m_layout);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.m_page1->m_location->setFocus();
        QTest::keyClick(dialog.m_page1->m_location, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(dialog.m_page1->m_comment, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(dialog.m_page1->m_location, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        CStationPropDlg byName(named(u"Keys", u"7"), m_layout);
        byName.show();
        QVERIFY(QTest::qWaitForWindowExposed(&byName));
        QTest::keyClick(byName.m_name, Qt::Key_Return);
        QCOMPARE(byName.result(), int(QDialog::Accepted));
    }

    void searchDialogBeepsOnAnEmptyText()
    {
        CSearchParamsDlg dialog(m_layout);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Search parameters"));
        QVERIFY(!dialog.matchCase());
        dialog.accept();
        QCOMPARE(m_prompts->beeps, 1);
        QVERIFY(dialog.result() != QDialog::Accepted);
        findControl<QLineEdit>(&dialog, CSearchParamsDlg::IDC_FIND_WHAT)->setText("tower");
        findControl<QCheckBox>(&dialog, CSearchParamsDlg::IDC_MATCH_CASE)->setChecked(true);
        findControl<QPushButton>(&dialog, IDOK)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.searchText(), QStringLiteral("tower"));
        QVERIFY(dialog.matchCase());
    }
};

QTEST_MAIN(StationDialogsTest)
#include "StationDialogsTest.moc"
