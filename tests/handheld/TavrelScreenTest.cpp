#include "core/station/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/platform/Prompts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

// Brings up some of Tavrel's message boxes.
using Scenario = std::function<void(TavrelHarness&)>;

const std::vector<TestStation> kStations = {{u"Alpha", 0.2, MOD_AM}, {u"Bravo", 7.1, MOD_USB}};

// What a popup, a message box or a dialog looked like while it was open.
struct Shown {
    QString what;
    QRect frame;          // on the screen
    bool whole = true;    // every text had the room it needs
    QStringList overflow; // what did not fit, when something did not
};

QRect screenRect(const QWidget& widget)
{
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

// A window that was shown, `what` it is; not whole when it did not show.
Shown shownWindow(QWidget& window, const QString& what)
{
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    return {what, window.frameGeometry(), exposed, exposed ? QStringList{} : QStringList{"hidden"}};
}

// The box asked to show `text`: every line of its text fits its label, and the label and buttons
// lie inside the box.
Shown measure(QMessageBox& box, const QString& text)
{
    Shown shown = shownWindow(box, text);
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QList<QWidget*> parts = {label};
    for (QAbstractButton* button : box.buttons()) {
        if (button->isVisible())
            parts << button;
    }
    for (QWidget* part : parts) {
        if (!box.rect().contains(part->geometry())) {
            shown.whole = false;
            shown.overflow << QString::fromLatin1(part->metaObject()->className());
        }
    }
    for (const QString& line : label->text().split('\n')) {
        if (label->fontMetrics().horizontalAdvance(line) > label->width()) {
            shown.whole = false;
            shown.overflow << line;
        }
    }
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

// Tavrel's window is the device's whole 240 × 320 screen: every popup menu, drop-down list,
// message box and dialog it opens must lie inside it, with its texts shown whole.
class TavrelScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;
    std::vector<Shown> m_shown;

    QRect screen() { return screenRect(m_tavrel->dialog()); }

    void verifyInsideTheScreen()
    {
        QVERIFY(!m_shown.empty());
        for (const Shown& shown : m_shown) {
            QVERIFY2(screen().contains(shown.frame),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4 x %5")
                                    .arg(shown.what)
                                    .arg(shown.frame.x())
                                    .arg(shown.frame.y())
                                    .arg(shown.frame.width())
                                    .arg(shown.frame.height())));
            QVERIFY2(shown.whole, qPrintable(shown.what + ": " + shown.overflow.join(" | ")));
        }
    }

    // Opens every drop-down list of `dialog` and notes where its list showed.
    void dropDown(QDialog& dialog)
    {
        for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
            if (!list->isVisible())
                continue;
            list->showPopup();
            m_shown.push_back(
                shownWindow(*list->view()->window(), "drop-down of " + list->currentText()));
            list->hidePopup();
        }
    }

    // A scripted dialog that notes where it showed, and its drop-down lists on every tab, then
    // runs `then` on it.
    std::function<int(QDialog&)> look(std::function<int(QDialog&)> then = {})
    {
        return [this, then](QDialog& dialog) {
            m_shown.push_back(shownWindow(dialog, dialog.windowTitle()));
            if (auto* tabs = dialog.findChild<QTabWidget*>()) {
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    dropDown(dialog);
                }
            } else {
                dropDown(dialog);
            }
            return then ? then(dialog) : int(QDialog::Rejected);
        };
    }

private slots:
    void init()
    {
        m_shown.clear();
        m_tavrel = std::make_unique<TavrelHarness>();
        // Every message box is built as the real prompts build it, shown and measured.
        m_tavrel->prompts.onMessage = [this](QWidget* parent, const QString& text,
                                             const QString& caption, QMessageBox::Icon icon,
                                             QMessageBox::StandardButtons buttons) {
            std::unique_ptr<QMessageBox> box = makeMessageBox(parent, text, caption, icon, buttons);
            box->show();
            m_shown.push_back(measure(*box, text));
        };
    }
    void cleanup() { m_tavrel.reset(); }

    void menusOpenInsideTheScreen_data()
    {
        QTest::addColumn<int>("anchor"); // 0: the station menu, by a tap-and-hold at `at`
        QTest::addColumn<QPoint>("at");  // in the list, from its top-left corner (negative:
                                         // from its bottom-right corner)
        QTest::newRow("File") << int(IDC_FILE_MENU) << QPoint();
        QTest::newRow("Search") << int(IDC_SEARCH_MENU) << QPoint();
        QTest::newRow("Time") << int(IDC_TIME_MENU) << QPoint();
        QTest::newRow("Frequency") << int(IDC_FREQ_MENU) << QPoint();
        QTest::newRow("Modulation") << int(IDC_MOD_MENU) << QPoint();
        QTest::newRow("Sort") << int(IDC_SORT_MENU) << QPoint();
        QTest::newRow("Station, top left") << 0 << QPoint(2, 2);
        QTest::newRow("Station, bottom right") << 0 << QPoint(-2, -2);
    }

    void menusOpenInsideTheScreen()
    {
        QFETCH(int, anchor);
        QFETCH(QPoint, at);
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        m_tavrel->dialog().setMenuRunner([this](QMenu& menu, const QPoint& position) {
            menu.popup(position);
            Shown shown = shownWindow(menu, QStringLiteral("menu"));
            // A menu narrower than it asks for was cut to the screen, and its texts with it.
            if (menu.width() < menu.sizeHint().width()) {
                shown.whole = false;
                shown.overflow << QStringLiteral("narrowed");
            }
            m_shown.push_back(shown);
            menu.close();
            return nullptr;
        });
        if (anchor != 0) {
            m_tavrel->dialog().runCommand(anchor);
        } else {
            QWidget* rows = m_tavrel->dialog().list().viewport();
            const QPoint point = at.x() >= 0 ? at : QPoint(rows->width(), rows->height()) + at;
            QContextMenuEvent hold(QContextMenuEvent::Mouse, point, rows->mapToGlobal(point));
            QCoreApplication::sendEvent(rows, &hold);
        }
        QCOMPARE(m_shown.size(), std::size_t(1));
        verifyInsideTheScreen();
    }

    void messageBoxesOpenInsideTheScreenWithTheirTextsWhole_data()
    {
        // Each scenario brings up the message boxes whose texts begin as listed.
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("no station file")
            << Scenario([](TavrelHarness& tavrel) { QVERIFY(tavrel.start()); })
            << QStringList{"Stations list is empty"};
        QTest::newRow("unreadable station file") << Scenario([](TavrelHarness& tavrel) {
            // A folder name too long for one line must break too.
            const auto folder = tavrel.folder.file(std::string(60, 'k'));
            std::filesystem::create_directory(folder);
            tavrel.stationFile = folder / "Stations.xml";
            writeBytes(tavrel.stationFile, "<FREQS_LIST><Freq-0 StName=");
            QVERIFY(tavrel.start());
        }) << QStringList{"Cannot read stations list"};
        QTest::newRow("station dialog") << Scenario([](TavrelHarness& tavrel) {
            tavrel.writeStations(kStations);
            QVERIFY(tavrel.start());
            tavrel.prompts.dialogs = {saveStation("", "7", MOD_AM), saveStation("X", "", MOD_AM)};
            tavrel.dialog().runCommand(ID_STATION_NEW);
            tavrel.dialog().runCommand(ID_STATION_NEW);
        }) << QStringList{"Name field cannot be empty", "Frequency must be in vaid range"};
        QTest::newRow("search") << Scenario([](TavrelHarness& tavrel) {
            tavrel.writeStations(kStations);
            QVERIFY(tavrel.start());
            tavrel.prompts.dialogs = {search("Zulu", false)};
            tavrel.dialog().runCommand(ID_SEARCH_START);
        }) << QStringList{"Search results list is empty"};
        QTest::newRow("delete, exit, changed file, failed save")
            << Scenario([](TavrelHarness& tavrel) {
                   tavrel.writeStations(kStations);
                   QVERIFY(tavrel.start());
                   tavrel.select("Alpha");
                   tavrel.prompts.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Save};
                   tavrel.dialog().runCommand(ID_STATION_DELETE);
                   // A folder in place of the station file: the save asks whether to overwrite
                   // what is there now, and then cannot replace it.
                   std::filesystem::remove(tavrel.stationFile);
                   std::filesystem::create_directory(tavrel.stationFile);
                   QSignalSpy finished(&tavrel.dialog(), &CTavrelDlg::workerFinished);
                   tavrel.dialog().runCommand(ID_APP_EXIT);
                   QVERIFY(finished.wait(10000));
               })
            << QStringList{"Really delete this station from the list?",
                           "Stations list was modified, save it?", "The stations list file",
                           "Cannot save stations list"};
    }

    void messageBoxesOpenInsideTheScreenWithTheirTextsWhole()
    {
        QFETCH(Scenario, scenario);
        QFETCH(QStringList, messages);
        scenario(*m_tavrel);
        QCOMPARE(m_shown.size(), std::size_t(messages.size()));
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const QString& text = m_shown[std::size_t(i)].what;
            QVERIFY2(text.startsWith(messages[i]), qPrintable(text));
        }
        verifyInsideTheScreen();
    }

    void dialogsAndTheirDropDownsOpenInsideTheScreen()
    {
        m_tavrel->writeStations(kStations);
        QVERIFY(m_tavrel->start());
        m_tavrel->select("Bravo");
        CTavrelDlg& dialog = m_tavrel->dialog();
        m_tavrel->prompts.dialogs = {look(), look(), look(), look()};
        for (int command : {ID_STATION_NEW, ID_STATION_EDIT, ID_SEARCH_START, ID_APP_ABOUT})
            dialog.runCommand(command);
        // The band dialog opens over the range dialog.
        m_tavrel->prompts.dialogs = {look([](QDialog& range) {
                                         static_cast<CInputFreqRangeDlg&>(range).m_add->click();
                                         return int(QDialog::Rejected);
                                     }),
                                     look()};
        dialog.runCommand(ID_FREQ_USER);
        QVERIFY(m_tavrel->prompts.dialogs.empty());
        QStringList titles;
        for (const Shown& shown : m_shown) {
            if (!shown.what.startsWith("drop-down"))
                titles << shown.what;
        }
        QCOMPARE(titles, QStringList({"Set station properties", "Set station properties",
                                      "Search parameters", "About Tavrel", "Input frequency range",
                                      "Range properties"}));
        verifyInsideTheScreen();
    }
};

QTEST_MAIN(TavrelScreenTest)
#include "TavrelScreenTest.moc"
