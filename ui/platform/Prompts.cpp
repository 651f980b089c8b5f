#include "ui/platform/Prompts.h"

#include "ui/platform/DeviceScreen.h"
#include "ui/platform/RectFit.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextLayout>

namespace kavrin {

namespace {

// `text` broken into lines no wider than `width` pixels in `font`: between words where it can be,
// inside a word that alone is wider.
QString wrapped(const QString& text, const QFont& font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList broken;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            broken << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        // The blank at a break goes with the break.
        for (qsizetype i = 0; i + 1 < broken.size(); ++i) {
            while (broken[i].endsWith(u' '))
                broken[i].chop(1);
        }
        lines << (broken.isEmpty() ? QStringList{QString()} : broken);
    }
    return lines.join(u'\n');
}

// A message box that stays inside the device screen of its parent, if it has one: once it has
// taken its size, a text too wide for the screen is broken into lines and the box takes its size
// anew; then it is centred over its parent and moved inside the screen.
class DeviceMessageBox final : public QMessageBox {
public:
    DeviceMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                     QMessageBox::StandardButtons buttons, QWidget* parent)
        : QMessageBox(icon, caption, text, buttons, parent), m_screen(deviceScreenOf(parent)),
          m_text(text)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // the box takes its size here
        if (!m_screen)
            return;
        // The frame is known by now; the box is visible, so a new text resizes it at once.
        const int excess = frameGeometry().width() - m_screen->width();
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (excess > 0 && label != nullptr)
            setText(wrapped(m_text, label->font(), label->width() - excess));
        QRect frame = frameGeometry();
        frame.moveCenter(parentWidget()->window()->frameGeometry().center());
        move(movedInside(frame, roomFor(*this)).topLeft());
    }

private:
    QPointer<QWidget> m_screen;
    QString m_text;
};

class RealPrompts final : public Prompts {
public:
    QMessageBox::StandardButton message(QWidget* parent, const QString& text,
                                        const QString& caption, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        return static_cast<QMessageBox::StandardButton>(
            makeMessageBox(parent, text, caption, icon, buttons)->exec());
    }

    QMessageBox::StandardButton choose(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon,
                                       const std::vector<ChoiceButton>& buttons) override
    {
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(parent, text, caption, icon, QMessageBox::NoButton);
        for (const ChoiceButton& choice : buttons)
            box->addButton(choice.button)->setText(choice.label);
        box->setDefaultButton(QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box->exec());
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

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& caption, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<DeviceMessageBox>(icon, caption, text, buttons, parent);
    if (buttons.testFlag(QMessageBox::No) && !buttons.testFlag(QMessageBox::Cancel)) {
        // Left to itself the box takes No as what Esc and the close box mean.
        QPushButton* noChoice = box->addButton(QMessageBox::Cancel);
        noChoice->hide();
        box->setEscapeButton(noChoice);
    }
    return box;
}

} // namespace kavrin
