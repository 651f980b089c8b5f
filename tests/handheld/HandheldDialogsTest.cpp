#include "handheld/CTavrelAboutDlg.h"
#include "handheld/HandheldDialogLayout.h"
#include "tests/support/TestFiles.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CRangePropDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPPg2.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/platform/SettingsProfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace kavrin;
using namespace kavrin::tavrel;

namespace {

// The screen below the shell's caption band.
constexpr QSize kRoom(240, 320 - 26);

// The controls a layout placed: the children of the dialog and of its pages, without the
// tab control's own parts.
QList<QWidget*> placedControls(QWidget& dialog)
{
    QList<QWidget*> controls;
    QList<QWidget*> owners = {&dialog};
    for (QWidget* page : dialog.findChildren<StationPage*>())
        owners << page;
    for (QWidget* owner : owners) {
        for (QWidget* child : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(owner))
                controls << child;
        }
    }
    return controls;
}

// The width a control's text needs, and the width it has for it.
struct TextRoom {
    QStringList lines;
    int width = 0;
};

TextRoom textRoom(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return {label->wordWrap() ? QStringList{} : label->text().split('\n'), label->width()};
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        const int indicator =
            box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
            box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
        return {{box->text()}, box->width() - indicator};
    }
    if (auto* button = qobject_cast<QPushButton*>(control))
        return {{button->text()}, button->width() - 2};
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return {items, field.width() - 2}; // the style draws the value a pixel in on each side
    }
    return {};
}

std::unique_ptr<QDialog> makeDialog(const QString& which, const HandheldDialogLayout& layout,
                                    Profile& profile)
{
    if (which == "station")
        return std::make_unique<CStationPropDlg>(ORVImpl::FreqInfo{}, layout);
    if (which == "search")
        return std::make_unique<CSearchParamsDlg>(layout);
    if (which == "range")
        return std::make_unique<CInputFreqRangeDlg>(0.0f, 99999.9f, profile, layout);
    if (which == "band")
        return std::make_unique<CRangePropDlg>(layout);
    return std::make_unique<CTavrelAboutDlg>();
}

} // namespace

class HandheldDialogsTest : public QObject {
    Q_OBJECT

private:
    TempFolder m_folder;
    QSettings m_settings{QString::fromStdString(m_folder.file("Tavrel.ini").string()),
                         QSettings::IniFormat};
    SettingsProfile m_profile{m_settings};
    HandheldDialogLayout m_layout;

private slots:
    void dialogsFitTheScreenWithEveryTextShown_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::newRow("station, Main") << "station" << 0 << "Set station properties";
        QTest::newRow("station, Working hours") << "station" << 1 << "Set station properties";
        QTest::newRow("search") << "search" << -1 << "Search parameters";
        QTest::newRow("range") << "range" << -1 << "Input frequency range";
        QTest::newRow("band") << "band" << -1 << "Range properties";
        QTest::newRow("about") << "about" << -1 << "About Tavrel";
    }

    void dialogsFitTheScreenWithEveryTextShown()
    {
        QFETCH(QString, which);
        QFETCH(int, tab);
        QFETCH(QString, caption);
        std::unique_ptr<QDialog> dialog = makeDialog(which, m_layout, m_profile);
        if (tab >= 0)
            dialog->findChild<QTabWidget*>()->setCurrentIndex(tab);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->windowTitle(), caption);
        QVERIFY2(dialog->width() <= kRoom.width() && dialog->height() <= kRoom.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(dialog->width()).arg(dialog->height())));
        const QList<QWidget*> controls = placedControls(*dialog);
        QVERIFY(!controls.isEmpty());
        for (QWidget* control : controls) {
            const QString name =
                QString::fromLatin1(control->metaObject()->className()) + " " +
                (qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                : QString());
            if (!control->isVisible())
                continue; // on the hidden page
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(name));
            const TextRoom room = textRoom(control);
            for (const QString& line : room.lines)
                QVERIFY2(control->fontMetrics().horizontalAdvance(line) <= room.width,
                         qPrintable(name));
        }
    }

    void stationPagesShowTheHandheldDifferences()
    {
        CStationPropDlg dialog(ORVImpl::FreqInfo{}, m_layout);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        CStationPPg1& main = *dialog.m_page1;
        QCOMPARE(main.m_txLabel->text(), QStringLiteral("Frequency (TX):"));
        QVERIFY(!main.m_hint->isVisibleTo(&main));
        QVERIFY(main.m_comment->height() < 2 * main.m_comment->fontMetrics().lineSpacing());
        QVERIFY(main.font().pixelSize() < dialog.font().pixelSize());
        QVERIFY(main.isEnabled() && dialog.m_page2->isEnabled());
        dialog.m_tabs->setCurrentIndex(1);
        QVERIFY(!main.isVisible());
        QVERIFY(dialog.m_page2->isVisible());
    }

    void longTextsOpenShowingTheirStart()
    {
        ORVImpl::FreqInfo record;
        record.stName = u"Radio Nikkei 1 (Nagara, Chiba) shortwave service";
        record.stLoc = u"Ōtakadoya-yama (40 kHz) and Hagane-yama (60 kHz), Japan";
        record.ParseFreqLists(u"3.925; 6.055; 9.595; 3.945; 6.115; 9.76", u"3.925; 6.055; 9.595");
        CStationPropDlg dialog(record, m_layout);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        CStationPPg1& main = *dialog.m_page1;
        for (QLineEdit* edit : {dialog.m_name, main.m_rx, main.m_tx, main.m_location}) {
            QVERIFY(edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width());
            QCOMPARE(edit->cursorPosition(), 0);
        }
        QVERIFY(dialog.m_name->hasFocus());
        QCOMPARE(dialog.m_name->selectedText(), dialog.m_name->text());
    }

    void rangeDialogShowsTwoDecimalsAndShortButtons()
    {
        CInputFreqRangeDlg dialog(0.0f, 99999.9f, m_profile, m_layout);
        QCOMPARE(dialog.m_low->text(), QStringLiteral("0.00"));
        QCOMPARE(dialog.m_high->text(), QStringLiteral("99999.90"));
        QCOMPARE(dialog.m_add->text(), QStringLiteral("+"));
        QCOMPARE(dialog.m_del->text(), QStringLiteral("-"));
        QCOMPARE(dialog.m_reset->text(), QStringLiteral("Rs"));
        QCOMPARE(m_layout.rangeEdgeText(7.125f), QStringLiteral("7.13"));
        QCOMPARE(m_layout.rangeEdgeText(0.3f), QStringLiteral("0.30"));
    }
};

QTEST_MAIN(HandheldDialogsTest)
#include "HandheldDialogsTest.moc"
