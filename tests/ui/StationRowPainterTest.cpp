#include "ui/list/StationRowPainter.h"
#include "core/base/ORVImpl.h"
#include "ui/list/StationListView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace kavrin;

namespace {

QImage drawRow(bool onAir, bool highlighted,
               const QString& name = QStringLiteral("WWV Fort Collins"))
{
    QImage image(320, 30, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintStationRow(painter, image.rect(), 300, name, QStringLiteral("2.5, 5, 10 MHz, AM; 24h;"),
                    onAir, highlighted, StationRowFonts::forListFont(QApplication::font()));
    return image;
}

int count(const QImage& image, QRgb colour, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// Dark neutral pixels: antialiased black text.
int countDark(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) < 100 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
        }
    return n;
}

// Pixels with a colour: anything but the white, grey and black of an unselected on-air row.
int countColoured(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    return n;
}

const QRgb kRed = qRgb(200, 0, 0);
const QRgb kGrey = qRgb(150, 150, 150);
const QRgb kBlue = qRgb(0, 0, 200);
const QRgb kBlack = qRgb(0, 0, 0);

} // namespace

class StationRowPainterTest : public QObject {
    Q_OBJECT

private slots:
    void highlightedRowHasARedFrameAndBlueName()
    {
        const QImage row = drawRow(true, true);
        QCOMPARE(row.pixel(0, 0), kRed);
        QCOMPARE(row.pixel(319, 29), kRed);
        QCOMPARE(row.pixel(160, 29), kRed);
        QVERIFY(count(row, kBlue, QRect(0, 1, 320, 14)) > 0);
        QVERIFY(countDark(row, QRect(1, 16, 318, 12)) > 0);     // the summary stays black
        QCOMPARE(count(row, qRgb(255, 0, 255), row.rect()), 0); // the whole row is painted
    }

    void offAirNameIsGreyEvenWhenHighlighted()
    {
        for (bool highlighted : {false, true}) {
            const QImage row = drawRow(false, highlighted);
            QVERIFY(count(row, kGrey, QRect(0, 1, 320, 14)) > 0);
            QCOMPARE(count(row, kBlue, row.rect()), 0);
        }
    }

    void plainRowIsBlackOnWhiteWithoutFrame()
    {
        const QImage row = drawRow(true, false);
        QCOMPARE(row.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(count(row, kRed, row.rect()), 0);
        QVERIFY(count(row, kBlack, QRect(0, 1, 320, 14)) > 0);
    }

    void wrappedSummaryShowsOnlyWholeLines()
    {
        // A row a little taller than the list's, so that part of a second summary line would fit.
        const StationRowFonts fonts = StationRowFonts::forListFont(QApplication::font());
        const int summaryTop = 1 + QFontMetrics(fonts.name).height();
        const int spacing = QFontMetrics(fonts.summary).lineSpacing();
        const int height = summaryTop + spacing + spacing / 2 + 2;
        QImage row(320, height, QImage::Format_RGB32);
        QPainter painter(&row);
        paintStationRow(painter, row.rect(), 300, QStringLiteral("A"),
                        QStringLiteral("Kingdom ").repeated(30), true, false, fonts);
        painter.end();
        QVERIFY(countDark(row, QRect(0, summaryTop, 320, spacing)) > 0);
        const QRect below(0, summaryTop + spacing, 320, height - summaryTop - spacing);
        QCOMPARE(count(row, qRgb(255, 255, 255), below), below.width() * below.height());
    }

    // The view marks the current row nowhere: after a refill or a sort the current row is not
    // selected, and must not look it.
    void aListRowLooksSelectedOnlyWhenItIs()
    {
        ORVImpl base;
        std::vector<ListedStation> rows;
        for (int i = 0; i < 3; ++i) {
            ORVImpl::FreqInfo wwv;
            wwv.stName = u"WWV";
            wwv.freqRX[0] = 2.5;
            rows.push_back({base.Add(wwv), true});
        }
        StationListView list;
        list.rows().showStationsOf(base);
        list.rows().swapRows(rows, {});
        list.resize(300, 200);
        list.show();
        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setFocus(); // the list then makes its first row the current one
        QVERIFY(list.hasFocus());
        QCOMPARE(list.currentIndex().row(), 0);
        QCOMPARE(list.selectedRow(), -1);
        const QRect first = list.visualRect(list.rows().index(0, 0)).adjusted(0, 0, 10, 0);
        QCOMPARE(countColoured(list.viewport()->grab().toImage(), first), 0);

        list.selectRow(0);
        QVERIFY(count(list.viewport()->grab().toImage(), kRed, first) > 0);
    }

    void longNamesAreShortenedWithDots()
    {
        const QFont font = StationRowFonts::forListFont(QApplication::font()).name;
        const QFontMetrics metrics(font);
        const QString name = QStringLiteral("Radio Station With A Very Long Name Indeed");
        QCOMPARE(fitName(metrics, name, 10000), name);
        const QString fitted = fitName(metrics, name, 120);
        QVERIFY(fitted.endsWith("..."));
        QVERIFY(name.startsWith(fitted.chopped(3)));
        QVERIFY(metrics.horizontalAdvance(fitted) < 120);
        // One character more would not fit.
        QVERIFY(metrics.horizontalAdvance(name.left(fitted.size() - 2) + "...") >= 120);
        QCOMPARE(fitName(metrics, name, 3), QStringLiteral("..."));
    }
};

QTEST_MAIN(StationRowPainterTest)
#include "StationRowPainterTest.moc"
