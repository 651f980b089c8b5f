#include "core/station/Modulation.h"
#include "handheld/CKavrinListCtrl.h"
#include "handheld/HeaderStrip.h"
#include "handheld/TavrelCommandIds.h"
#include "tests/handheld/TavrelHarness.h"

#include <QImage>
#include <QTest>

using namespace kavrin;
using namespace kavrin::tavrel;

class TavrelHeaderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TavrelHarness> m_tavrel;

private slots:
    void init()
    {
        m_tavrel = std::make_unique<TavrelHarness>();
        m_tavrel->writeStations({{u"Alpha", 0.2, MOD_AM}, {u"Bravo", 7.1, MOD_USB}});
        QVERIFY(m_tavrel->start());
    }
    void cleanup() { m_tavrel.reset(); }

    void tapsOpenTheMenuOfTheirZone_data()
    {
        QTest::addColumn<QPoint>("tap");
        QTest::addColumn<int>("menu"); // 0: none
        QTest::newRow("File, top-left corner") << QPoint(4, 27) << int(IDR_MENU_FILE);
        QTest::newRow("File, last pixel") << QPoint(62, 43) << int(IDR_MENU_FILE);
        QTest::newRow("left of File") << QPoint(3, 30) << 0;
        QTest::newRow("between File and Search") << QPoint(65, 30) << 0;
        QTest::newRow("File's right edge") << QPoint(63, 30) << 0;
        QTest::newRow("Search") << QPoint(68, 30) << int(IDR_MENU_SEARCH);
        QTest::newRow("Search, last pixel") << QPoint(85, 30) << int(IDR_MENU_SEARCH);
        QTest::newRow("Time starts where Search ends") << QPoint(86, 30) << 0;
        QTest::newRow("Time") << QPoint(87, 30) << int(IDR_MENU_TIME);
        QTest::newRow("Time, last pixel") << QPoint(105, 30) << int(IDR_MENU_TIME);
        QTest::newRow("after Time") << QPoint(106, 30) << 0;
        QTest::newRow("Frequency") << QPoint(109, 35) << int(IDR_MENU_FREQUENCY);
        QTest::newRow("Frequency's right edge") << QPoint(139, 35) << 0;
        QTest::newRow("Modulation") << QPoint(143, 35) << int(IDR_MENU_MODULATION);
        QTest::newRow("Modulation, last pixel") << QPoint(176, 35) << int(IDR_MENU_MODULATION);
        QTest::newRow("Sort") << QPoint(181, 35) << int(IDR_MENU_SORT);
        QTest::newRow("Sort, last pixel") << QPoint(237, 43) << int(IDR_MENU_SORT);
        QTest::newRow("Sort's right edge") << QPoint(238, 35) << 0;
        QTest::newRow("above the zones") << QPoint(20, 26) << 0;
        QTest::newRow("below the zones") << QPoint(20, 44) << 0;
        QTest::newRow("caption band") << QPoint(20, 10) << 0;
    }

    void tapsOpenTheMenuOfTheirZone()
    {
        QFETCH(QPoint, tap);
        QFETCH(int, menu);
        m_tavrel->tap(tap);
        if (menu == 0) {
            QVERIFY(m_tavrel->menus.empty());
            return;
        }
        QCOMPARE(m_tavrel->menus.size(), std::size_t(1));
        QCOMPARE(m_tavrel->menus[0].menuId, menu);
    }

    void menusOpenUnderTheirAnchor()
    {
        CTavrelDlg& dialog = m_tavrel->dialog();
        QVERIFY(m_tavrel->choose(IDC_FILE_MENU, 0));
        QVERIFY(m_tavrel->choose(IDC_SORT_MENU, 0));
        // The anchors' left edges at 1 and 109 dialog units, their bottoms at 27 units: the
        // bottom of the header strip. The Sort menu, too wide to start at x 188, ends at the
        // window's right edge instead.
        QCOMPARE(m_tavrel->menus[0].at, dialog.mapToGlobal(QPoint(2, 47)));
        QVERIFY(188 + m_tavrel->menus[1].size.width() > 240);
        QCOMPARE(m_tavrel->menus[1].at,
                 dialog.mapToGlobal(QPoint(240 - m_tavrel->menus[1].size.width(), 47)));
    }

    void sortLabelNamesTheKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("label");
        QTest::newRow("frequency") << int(SortKey::Frequency) << "S:Freq";
        QTest::newRow("name") << int(SortKey::Name) << "S:Name";
        QTest::newRow("modulation") << int(SortKey::Modulation) << "S:Mod";
        QTest::newRow("location") << int(SortKey::Location) << "S:Loc";
        QTest::newRow("comment") << int(SortKey::Comment) << "S:Lang";
        QTest::newRow("other") << 9 << "S:Unknown";
    }

    void sortLabelNamesTheKey()
    {
        QFETCH(int, key);
        QFETCH(QString, label);
        QCOMPARE(sortLabel(static_cast<SortKey>(key)), label);
    }

    void sortingRedrawsTheSortLabel()
    {
        CTavrelDlg& dialog = m_tavrel->dialog();
        const QRect sortCell(182, 28, 52, 15);
        const QImage before = dialog.grab(sortCell).toImage();
        QVERIFY(m_tavrel->choose(IDC_SORT_MENU, ID_SORT_NAME));
        QVERIFY(dialog.isChecked(ID_SORT_NAME));
        const QImage byName = dialog.grab(sortCell).toImage();
        QVERIFY(byName != before);
        QVERIFY(m_tavrel->choose(IDC_SORT_MENU, ID_SORT_FREQUENCY));
        QCOMPARE(dialog.grab(sortCell).toImage(), before);
    }

    void headerBitmapIsAGreyStripWithArrows()
    {
        const QImage strip = makeHeaderBitmap().toImage();
        QCOMPARE(strip.size(), QSize(240, 20));
        // Background, a separator, and the tip row of the File cell's drop-down arrow.
        QCOMPARE(QColor(strip.pixel(50, 10)), QColor(214, 214, 214));
        QVERIFY(QColor(strip.pixel(65, 10)).lightness() < 160);
        QCOMPARE(QColor(strip.pixel(37, 11)), QColor(Qt::black));
    }
};

QTEST_MAIN(TavrelHeaderTest)
#include "TavrelHeaderTest.moc"
