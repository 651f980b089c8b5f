#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>
#include <vector>

class QDialog;
class QWidget;

namespace kavrin {

// A button of a choice: the standard button it stands for (its role, and what the choice returns)
// and the words it shows instead of that button's own.
struct ChoiceButton {
    QMessageBox::StandardButton button;
    QString label;
};

// Everything that waits for the user outside the main window: message boxes, the default beep,
// the file chooser and modal dialogs. The programs use the real ones; tests install scripted
// answers so they never click on a modal window.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box; returns the button the user chose. A box that offers No but not Cancel
    // returns Cancel when the user closed it with Esc or the close box without choosing: for a
    // question such as "save it?", No would throw the changes away.
    virtual QMessageBox::StandardButton message(QWidget* parent, const QString& text,
                                                const QString& caption, QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons) = 0;

    // A message box whose buttons say what each answer does. `buttons` must hold Cancel, which
    // is the default and what Esc and the close box choose; returns the chosen button.
    virtual QMessageBox::StandardButton choose(QWidget* parent, const QString& text,
                                               const QString& caption, QMessageBox::Icon icon,
                                               const std::vector<ChoiceButton>& buttons) = 0;

    // The default system beep (a refused input).
    virtual void beep() = 0;

    // The file chooser for opening a file; an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;

    // Runs a modal dialog; returns QDialog::Accepted or QDialog::Rejected.
    virtual int run(QDialog& dialog) = 0;
};

// The prompts in force: the real ones unless a test installed others.
Prompts& prompts();

// The box the real prompts show for message(), set up but not shown, so that it can be measured:
// Esc and the close box answer as message() says. Over a device screen (DeviceScreen.h) the box,
// once shown, lies inside that screen: a text too wide for it is broken into lines, between words
// where it can be and inside a word too long for a line.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& caption, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons);

// Installs `replacement` (not owned); nullptr restores the real prompts.
void installPrompts(Prompts* replacement);

} // namespace kavrin
