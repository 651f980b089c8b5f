#include "ui/platform/Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kavrin;

namespace {

// Asks through the real prompts while `user` acts on the box once it is shown.
QMessageBox::StandardButton ask(QMessageBox::StandardButtons buttons,
                                std::function<void(QMessageBox&)> user)
{
    QTimer::singleShot(0, [user] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        user(*box);
    });
    return prompts().message(nullptr, QStringLiteral("Stations list was modified, save it?"),
                             QStringLiteral("Warning"), QMessageBox::Question, buttons);
}

void pressEscape(QMessageBox& box)
{
    QTest::keyClick(&box, Qt::Key_Escape);
}
void closeBox(QMessageBox& box)
{
    box.close();
}

} // namespace

class PromptsTest : public QObject {
    Q_OBJECT

private slots:
    void aYesNoQuestionDismissedHasNoAnswer()
    {
        const auto yesNo = QMessageBox::Yes | QMessageBox::No;
        QCOMPARE(ask(yesNo, pressEscape), QMessageBox::Cancel);
        QCOMPARE(ask(yesNo, closeBox), QMessageBox::Cancel);
        QCOMPARE(ask(yesNo, [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }),
                 QMessageBox::No);
        QCOMPARE(ask(yesNo, [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }),
                 QMessageBox::Yes);
    }

    void aChoiceShowsItsLabelsAndIsDismissedAsCancel()
    {
        const auto choose = [](std::function<void(QMessageBox&)> user) {
            QTimer::singleShot(0, [user] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                QCOMPARE(box->button(QMessageBox::Save)->text(), QStringLiteral("Overwrite"));
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Cancel));
                user(*box);
            });
            return prompts().choose(nullptr, QStringLiteral("Changed"), QStringLiteral("Warning"),
                                    QMessageBox::Warning,
                                    {{QMessageBox::Save, QStringLiteral("Overwrite")},
                                     {QMessageBox::Cancel, QStringLiteral("Cancel")}});
        };
        QCOMPARE(choose(pressEscape), QMessageBox::Cancel);
        QCOMPARE(choose(closeBox), QMessageBox::Cancel);
        QCOMPARE(choose([](QMessageBox& box) { box.button(QMessageBox::Save)->click(); }),
                 QMessageBox::Save);
    }

    void aMessageWithoutNoIsDismissedAsUsual()
    {
        QCOMPARE(ask(QMessageBox::Ok, pressEscape), QMessageBox::Ok);
    }
};

QTEST_MAIN(PromptsTest)
#include "PromptsTest.moc"
