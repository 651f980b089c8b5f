#include "desktop/DesktopDialogLayout.h"
#include "tests/support/FindControl.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestFiles.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CRangePropDlg.h"
#include "ui/dialogs/ControlId.h"
#include "ui/platform/SettingsProfile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace kavrin;
using namespace kavrin::orvale;

class RangeDialogsTest : public QObject {
    Q_OBJECT

    DesktopDialogLayout m_layout;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<SettingsProfile> m_profile;

    std::unique_ptr<CInputFreqRangeDlg> open(float low = 0, float high = 99999.9f)
    {
        return std::make_unique<CInputFreqRangeDlg>(low, high, *m_profile, m_layout);
    }

    static void setEdges(CInputFreqRangeDlg& dialog, const QString& low, const QString& high)
    {
        findControl<QLineEdit>(&dialog, CInputFreqRangeDlg::IDC_LOW)->setText(low);
        findControl<QLineEdit>(&dialog, CInputFreqRangeDlg::IDC_HIGH)->setText(high);
    }

private slots:
    void init()
    {
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_folder = std::make_unique<TempFolder>();
        m_settings = std::make_unique<QSettings>(
            QString::fromStdString(m_folder->file("Orvale.ini").string()), QSettings::IniFormat);
        m_profile = std::make_unique<SettingsProfile>(*m_settings);
    }
    void cleanup()
    {
        m_profile.reset();
        m_settings.reset();
        m_folder.reset();
        m_prompts.reset();
    }

    void opensWithTheStoredRangeAndTheDefaultBands()
    {
        auto dialog = open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Input frequency range"));
        QCOMPARE(dialog->m_low->text(), QStringLiteral("0"));
        QCOMPARE(dialog->m_high->text(), QStringLiteral("99999.8984"));
        QCOMPARE(dialog->m_bandList->count(), 17);
        QCOMPARE(dialog->m_bandList->item(0)->text(), QStringLiteral(" None"));
        QCOMPARE(dialog->m_bandList->item(4)->text(), QStringLiteral("40 Meters (7.000-7.300)"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->high(), 99999.9f);
        dialog.reset();
        QCOMPARE(m_settings->value("Bands/Count").toInt(), 16);
    }

    void choosingABandFillsTheEdges()
    {
        auto dialog = open(7.0f, 7.5f);
        dialog->m_bandList->setCurrentRow(4);
        QCOMPARE(dialog->m_low->text(), QStringLiteral("7.000"));
        QCOMPARE(dialog->m_high->text(), QStringLiteral("7.300"));
        dialog->m_bandList->setCurrentRow(0);
        QCOMPARE(dialog->m_low->text(), QStringLiteral("0.00"));
        QCOMPARE(dialog->m_high->text(), QStringLiteral("99999.99"));
        dialog->accept();
        QCOMPARE(dialog->low(), 0.0f);
        QCOMPARE(dialog->high(), 99999.99f);
    }

    void okChecksTheEdges_data()
    {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<float>("lowRead");
        QTest::newRow("wrong order") << "7.2"
                                     << "7.1" << false << 0.f;
        QTest::newRow("equal edges") << "7.1"
                                     << "7.1" << true << 7.1f;
        QTest::newRow("above a band's limit") << "0"
                                              << "100000.5" << true << 0.f;
        QTest::newRow("above the range limit") << "0"
                                               << "100001" << false << 0.f;
        QTest::newRow("negative") << "-1"
                                  << "5" << false << 0.f;
        QTest::newRow("empty") << ""
                               << "5" << false << 0.f;
        QTest::newRow("comma stops the number") << "7,1"
                                                << "8" << true << 7.f;
    }

    void okChecksTheEdges()
    {
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(bool, accepted);
        QFETCH(float, lowRead);
        auto dialog = open();
        setEdges(*dialog, low, high);
        findControl<QPushButton>(dialog.get(), IDOK)->click();
        QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
        QCOMPARE(m_prompts->beeps, accepted ? 0 : 1);
        if (accepted)
            QCOMPARE(dialog->low(), lowRead);
        QCOMPARE(dialog->m_low->text(), low); // a refusal leaves the user's texts
    }

    void addedBandsSurviveACancel()
    {
        m_prompts->dialogs.push_back([](QDialog& d) {
            auto& band = static_cast<CRangePropDlg&>(d);
            band.m_name->setText("49 m");
            band.m_low->setText("5.9");
            band.m_high->setText("6.2");
            band.accept();
            return band.result();
        });
        auto dialog = open();
        findControl<QPushButton>(dialog.get(), CInputFreqRangeDlg::IDC_ADD)->click();
        QCOMPARE(dialog->m_bandList->count(), 18);
        QCOMPARE(dialog->m_bandList->item(17)->text(), QStringLiteral("49 m (5.900-6.200)"));
        QCOMPARE(dialog->m_bandList->currentRow(), -1);
        dialog->reject();
        dialog.reset();

        auto again = open();
        QCOMPARE(again->m_bandList->item(17)->text(), QStringLiteral("49 m (5.900-6.200)"));
    }

    void delBeepsOnNoneAndResetRestoresTheDefaults()
    {
        auto dialog = open(1.0f, 2.0f);
        QPushButton* del = findControl<QPushButton>(dialog.get(), CInputFreqRangeDlg::IDC_DEL);
        del->click(); // nothing selected
        QCOMPARE(m_prompts->beeps, 0);
        dialog->m_bandList->setCurrentRow(0);
        del->click();
        QCOMPARE(m_prompts->beeps, 1);
        QCOMPARE(dialog->m_bandList->count(), 17);
        dialog->m_bandList->setCurrentRow(1);
        del->click();
        dialog->m_bandList->setCurrentRow(1);
        del->click();
        QCOMPARE(dialog->m_bandList->count(), 15);
        QCOMPARE(dialog->m_bandList->item(1)->text().left(9), QStringLiteral("60 Meters"));
        dialog.reset();
        QCOMPARE(m_settings->value("Bands/Count").toInt(), 14);
        QCOMPARE(m_settings->value("Bands/FreqName-0").toString(), QStringLiteral("60 Meters"));

        auto reset = open(1.0f, 2.0f);
        reset->m_low->setText("3");
        findControl<QPushButton>(reset.get(), CInputFreqRangeDlg::IDC_RESET)->click();
        QCOMPARE(reset->m_bandList->count(), 17);
        QCOMPARE(reset->m_bandList->currentRow(), 0);
        QCOMPARE(reset->m_low->text(),
                 QStringLiteral("3")); // selecting " None" this way fills nothing
    }

    void rangePropertiesChecksItsFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("good") << "31 m"
                              << "9.4"
                              << "9.9" << true;
        QTest::newRow("no name") << ""
                                 << "9.4"
                                 << "9.9" << false;
        QTest::newRow("above a band's limit") << "x"
                                              << "0"
                                              << "100000.5" << false;
        QTest::newRow("at the limit") << "x"
                                      << "0"
                                      << "99999.9" << true;
        QTest::newRow("wrong order") << "x"
                                     << "9.9"
                                     << "9.4" << false;
    }

    void rangePropertiesChecksItsFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(bool, accepted);
        CRangePropDlg dialog(m_layout);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Range properties"));
        dialog.m_name->setText(name);
        dialog.m_low->setText(low);
        dialog.m_high->setText(high);
        findControl<QPushButton>(&dialog, IDOK)->click();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(m_prompts->beeps, accepted ? 0 : 1);
    }
};

QTEST_MAIN(RangeDialogsTest)
#include "RangeDialogsTest.moc"
