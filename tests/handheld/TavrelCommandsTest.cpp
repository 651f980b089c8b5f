#include "core/station/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/CTavrelAboutDlg.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

// Frequency order: Alpha One, Bravo, Charlie, Delta.
const std::vector<TestStation> kStations = {
    {u"ALPHA ONE", 0.2, MOD_AM},
    {u"Bravo", 7.1, MOD_USB, -1, -1, u"Alphaville"},
    {u"Charlie", 14.0, MOD_FM},
    {u"Delta", 100.0, MOD_FM},
};

} // namespace

class TavrelCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;

    CTavrelDlg& dialog() { return m_tavrel->dialog(); }

private slots:
    void init()
    {
        m_tavrel = std::make_unique<TavrelHarness>();
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
    }
    void cleanup() { m_tavrel.reset(); }

    // What the handheld shows of the list owner's commands: its search lowers every capital,
    // leaves the status line alone and says so without an icon when nothing matched; a new
    // station leaves the status line alone too.
    void searchAndNewKeepTheStatusLine()
    {
        const QString counts = dialog().statusText();
        m_tavrel->prompts.dialogs.push_back(search("alpha", false));
        dialog().runCommand(ID_SEARCH_START);
        QCOMPARE(m_tavrel->listedNames(), QStringList({"ALPHA ONE", "Bravo"}));
        QCOMPARE(dialog().statusText(), counts);

        m_tavrel->prompts.dialogs.push_back(search("alpha", true));
        dialog().runCommand(ID_SEARCH_START);
        QCOMPARE(m_tavrel->prompts.messages, QStringList{"Search results list is empty"});
        QCOMPARE(m_tavrel->prompts.icons, QList<QMessageBox::Icon>{QMessageBox::NoIcon});

        m_tavrel->prompts.dialogs.push_back(saveStation("Echo", "3.5", MOD_AM));
        dialog().runCommand(ID_STATION_NEW);
        QCOMPARE(m_tavrel->base.GetCount(), 5);
        QCOMPARE(dialog().statusText(), counts);
        QVERIFY(dialog().isModified());
    }

    void sortingRedrawsTheHeaderAndFocusesTheList()
    {
        m_tavrel->select("Charlie");
        QVERIFY(m_tavrel->choose(IDC_SORT_MENU, ID_SORT_NAME));
        QCOMPARE(m_tavrel->listedNames(), QStringList({"ALPHA ONE", "Bravo", "Charlie", "Delta"}));
        QCOMPARE(dialog().list().selectedRow(), 2);
        QVERIFY(dialog().isChecked(ID_SORT_NAME));
        QVERIFY(dialog().list().hasFocus());
    }

    void userRangeOpensWithTwoDecimalsAndFilters()
    {
        QVERIFY(m_tavrel->choose(IDC_FREQ_MENU, ID_FREQ_SW));
        QStringList shown;
        m_tavrel->prompts.dialogs.push_back([&shown](QDialog& d) {
            auto& range = static_cast<CInputFreqRangeDlg&>(d);
            shown << range.m_low->text() << range.m_high->text();
            range.m_low->setText("7");
            range.m_high->setText("14.5");
            range.accept();
            return range.result();
        });
        QVERIFY(m_tavrel->choose(IDC_FREQ_MENU, ID_FREQ_USER));
        QCOMPARE(shown, QStringList({"3.00", "30.00"}));
        QCOMPARE(m_tavrel->listedNames(), QStringList({"Bravo", "Charlie"}));
        QVERIFY(dialog().isChecked(ID_FREQ_USER));
        QVERIFY(!dialog().isChecked(ID_FREQ_SW));
        // The band list lives in Tavrel's own profile.
        QCOMPARE(m_tavrel->profile.value("Bands/Count").toInt(), 16);
    }

    void aboutRunsTheAboutBox()
    {
        QString title;
        m_tavrel->prompts.dialogs.push_back([&title](QDialog& d) {
            title = d.windowTitle();
            return qobject_cast<CTavrelAboutDlg*>(&d) ? int(QDialog::Accepted) : -1;
        });
        QVERIFY(m_tavrel->choose(IDC_FILE_MENU, ID_APP_ABOUT));
        QCOMPARE(title, QStringLiteral("About Tavrel"));
        QVERIFY(m_tavrel->prompts.dialogs.empty());
    }
};

QTEST_MAIN(TavrelCommandsTest)
#include "TavrelCommandsTest.moc"
