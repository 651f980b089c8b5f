#include "ui/platform/Prompts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>

namespace kavrin {

namespace {

class RealPrompts final : public Prompts {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& text,
                                        const QString& caption, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, caption, text, buttons, parent);
        if (buttons.testFlag(QMessageBox::No) && !buttons.testFlag(QMessageBox::Cancel)) {
            // Left to itself the box takes No as what Esc and the close box mean.
            QPushButton* noChoice = box.addButton(QMessageBox::Cancel);
            noChoice->hide();
            box.setEscapeButton(noChoice);
        }
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QMessageBox::StandardButton choose(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon,
                                       const std::vector<ChoiceButton>& buttons) override
    {
        QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
        for (const ChoiceButton& choice : buttons)
            box.addButton(choice.button)->setText(choice.label);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    void beep() override { QApplication::beep(); }

    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }

    int run(QDialog& dialog) override { return dialog.exec(); }
};

RealPrompts g_realPrompts;
Prompts* g_prompts = &g_realPrompts;

} // namespace

Prompts& prompts()
{
    return *g_prompts;
}

void installPrompts(Prompts* replacement)
{
    g_prompts = replacement ? replacement : &g_realPrompts;
}

} // namespace kavrin
