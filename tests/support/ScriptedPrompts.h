#pragma once

#include "ui/platform/Prompts.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace kavrin {

// Answers the program's prompts from a script for as long as it lives, and records what was
// asked. A message box without a scripted answer gets its escape answer (No, Cancel or OK), a
// choice without one gets Cancel, a file chooser without one is cancelled, and a dialog without one
// is rejected.
class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> files;
    // Each handler gets the dialog after it was set up (shown offscreen) and returns the result.
    std::deque<std::function<int(QDialog&)>> dialogs;
    // Called with each message box asked for, before it is answered.
    std::function<void(QWidget* parent, const QString& text, const QString& caption,
                       QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>
        onMessage;

    QStringList messages; // texts of the message boxes shown, in order
    QStringList captions;
    QList<QMessageBox::Icon> icons;
    QList<QStringList> buttonLabels; // of each choice, in order
    int beeps = 0;

    QMessageBox::StandardButton message(QWidget* parent, const QString& text,
                                        const QString& caption, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override;
    QMessageBox::StandardButton choose(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon,
                                       const std::vector<ChoiceButton>& buttons) override;
    void beep() override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    int run(QDialog& dialog) override;
};

} // namespace kavrin
