#include "tests/support/ScriptedPrompts.h"

#include <QDialog>

namespace kavrin {

ScriptedPrompts::ScriptedPrompts()
{
    installPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    installPrompts(nullptr);
}

QMessageBox::StandardButton ScriptedPrompts::message(QWidget* parent, const QString& text,
                                                     const QString& caption, QMessageBox::Icon icon,
                                                     QMessageBox::StandardButtons buttons)
{
    if (onMessage)
        onMessage(parent, text, caption, icon, buttons);
    messages << text;
    captions << caption;
    icons << icon;
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    for (auto escape : {QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok}) {
        if (buttons.testFlag(escape))
            return escape;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton ScriptedPrompts::choose(QWidget* parent, const QString& text,
                                                    const QString& caption, QMessageBox::Icon icon,
                                                    const std::vector<ChoiceButton>& buttons)
{
    QStringList labels;
    for (const ChoiceButton& choice : buttons)
        labels << choice.label;
    buttonLabels << labels;
    return message(parent, text, caption, icon, QMessageBox::Cancel);
}

void ScriptedPrompts::beep()
{
    ++beeps;
}

QString ScriptedPrompts::openFileName(QWidget*, const QString&, const QString&)
{
    if (files.empty())
        return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

int ScriptedPrompts::run(QDialog& dialog)
{
    if (dialogs.empty())
        return QDialog::Rejected;
    const auto handler = std::move(dialogs.front());
    dialogs.pop_front();
    dialog.show();
    const int result = handler(dialog);
    dialog.hide();
    return result;
}

} // namespace kavrin
