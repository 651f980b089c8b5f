#include "handheld/HandheldDialogLayout.h"

#include "handheld/DialogUnits.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CRangePropDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPPg2.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/platform/DeviceScreen.h"
#include "ui/platform/RectFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>

#include <algorithm>

namespace kavrin::tavrel {

namespace {

// The height a closed drop-down list takes, in dialog units; the template's own height is that
// of the list dropped down.
constexpr int kClosedListHeight = 12;

QFont handheldFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// The handheld's drop-down lists: a narrow arrow button, so that the templates' narrow boxes show
// their values whole ("59" in the minute boxes), and the list dropped down under the box as high
// as the template says, instead of a popup over the box as tall as the screen.
class HandheldDropDownStyle : public QProxyStyle {
public:
    // Over a fresh copy of the program's own style, which the proxy takes over.
    HandheldDropDownStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect box = option->rect;
        const QRect arrow(box.right() - kArrowWidth + 1, box.top(), kArrowWidth, box.height());
        const QRect field =
            QRect(box.left() + kFrameWidth, box.top() + kFrameWidth,
                  box.width() - kArrowWidth - 2 * kFrameWidth, box.height() - 2 * kFrameWidth);
        return visualRect(option->direction, box, part == SC_ComboBoxArrow ? arrow : field);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    static constexpr int kArrowWidth = 12;
    static constexpr int kFrameWidth = 2;
};

// Keeps the list that a drop-down list opens inside the device's screen: under the box, or above
// it when the screen has no room below, as the handheld's drop-down lists open.
class DropDownPlacement : public QObject {
public:
    explicit DropDownPlacement(QComboBox* box) : QObject(box), m_box(box)
    {
        box->view()->window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* list = static_cast<QWidget*>(watched);
        const QRect room = roomFor(*m_box);
        QRect frame = list->frameGeometry();
        if (frame.bottom() > room.bottom())
            frame.moveBottom(m_box->mapToGlobal(QPoint(0, 0)).y() - 1);
        list->move(movedInside(frame, room).topLeft());
        return false;
    }

private:
    QComboBox* m_box;
};

// Places a drop-down list whose template height `droppedHeight` includes its open list, and lets
// the open list show as many items as that height holds.
void placeDropDown(QComboBox* list, const DialogUnits& units, int x, int y, int width,
                   int droppedHeight)
{
    auto* style = new HandheldDropDownStyle;
    style->setParent(list); // a widget does not own its style
    list->setStyle(style);
    new DropDownPlacement(list);
    list->setGeometry(units.rect(x, y, width, kClosedListHeight));
    const int itemHeight = list->fontMetrics().height() + 2;
    const int openHeight = units.y(droppedHeight - kClosedListHeight);
    list->setMaxVisibleItems(std::max(1, openHeight / itemHeight));
}

// A check box at its template place, wider when the style's box and gap leave its text too
// little room (the templates were made for a smaller box).
void placeCheckBox(QCheckBox* box, const QRect& rect)
{
    box->setGeometry(rect.x(), rect.y(), std::max(rect.width(), box->sizeHint().width()),
                     rect.height());
}

// A static label: left-aligned, vertically centred in its rectangle.
void placeLabel(QLabel* label, const QRect& rect)
{
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(rect);
}

DialogUnits useFont(QWidget& widget, const QFont& font)
{
    widget.setFont(font);
    return DialogUnits::ofFont(font);
}

} // namespace

QFont HandheldDialogLayout::dialogFont()
{
    return handheldFont(12);
}

QFont HandheldDialogLayout::pageFont()
{
    return handheldFont(11);
}

void HandheldDialogLayout::arrange(CStationPropDlg& dialog) const
{
    const DialogUnits u = useFont(dialog, dialogFont());
    dialog.setWindowTitle(CStationPropDlg::tr("Set station properties"));
    placeLabel(dialog.m_nameLabel, u.rect(3, 3, 22, 9));
    dialog.m_name->setGeometry(u.rect(28, 2, 101, 12));
    dialog.m_tabs->setGeometry(u.rect(3, 20, 126, 94));
    dialog.m_save->setGeometry(u.rect(71, 119, 58, 12));
    dialog.setFixedSize(u.size(132, 134));
}

void HandheldDialogLayout::arrange(CStationPPg1& page) const
{
    const DialogUnits u = useFont(page, pageFont());
    page.m_txLabel->setText(CStationPPg1::tr("Frequency (TX):"));
    page.m_hint->hide();
    placeLabel(page.m_rxLabel, u.rect(7, 9, 66, 8));
    page.m_rx->setGeometry(u.rect(75, 7, 62, 13));
    placeLabel(page.m_txLabel, u.rect(7, 24, 66, 8));
    page.m_tx->setGeometry(u.rect(75, 21, 62, 13));
    placeLabel(page.m_locationLabel, u.rect(7, 37, 66, 8));
    page.m_location->setGeometry(u.rect(75, 35, 62, 13));
    placeLabel(page.m_commentLabel, u.rect(7, 50, 66, 8));
    // One line high: the box still takes several lines, it only shows the current one.
    page.m_comment->setGeometry(u.rect(75, 49, 62, 12));
    page.m_comment->document()->setDocumentMargin(1);
    page.m_comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    placeLabel(page.m_modulationLabel, u.rect(7, 64, 66, 8));
    placeDropDown(page.m_modulation, u, 75, 62, 62, 112);
    page.resize(u.size(144, 82));
}

void HandheldDialogLayout::arrange(CStationPPg2& page) const
{
    const DialogUnits u = useFont(page, pageFont());
    placeLabel(page.m_fromLabel, u.rect(7, 9, 40, 8));
    placeDropDown(page.m_fromHour, u, 49, 7, 35, 70);
    placeLabel(page.m_fromHourUnit, u.rect(86, 9, 8, 8));
    placeDropDown(page.m_fromMin, u, 96, 7, 23, 70);
    placeLabel(page.m_fromMinUnit, u.rect(121, 9, 16, 8));
    placeLabel(page.m_toLabel, u.rect(7, 22, 40, 8));
    placeDropDown(page.m_toHour, u, 49, 20, 35, 62);
    placeLabel(page.m_toHourUnit, u.rect(86, 22, 8, 8));
    placeDropDown(page.m_toMin, u, 96, 20, 23, 62);
    placeLabel(page.m_toMinUnit, u.rect(121, 22, 16, 8));
    placeLabel(page.m_daysLabel, u.rect(7, 40, 40, 16));
    for (std::size_t i = 0; i < page.m_days.size(); ++i)
        page.m_days[i]->setGeometry(u.rect(49 + 12 * static_cast<int>(i), 42, 12, 11));
    placeCheckBox(page.m_useGmt, u.rect(7, 65, 44, 10));
    page.resize(u.size(144, 82));
}

void HandheldDialogLayout::arrange(CSearchParamsDlg& dialog) const
{
    const DialogUnits u = useFont(dialog, dialogFont());
    placeLabel(dialog.m_findLabel, u.rect(7, 9, 40, 8));
    dialog.m_findWhat->setGeometry(u.rect(49, 7, 74, 13));
    placeCheckBox(dialog.m_matchCase, u.rect(7, 25, 72, 10));
    dialog.m_ok->setGeometry(u.rect(12, 49, 47, 12));
    dialog.m_cancel->setGeometry(u.rect(70, 49, 47, 12));
    dialog.setFixedSize(u.size(130, 68));
}

void HandheldDialogLayout::arrange(CInputFreqRangeDlg& dialog) const
{
    const DialogUnits u = useFont(dialog, dialogFont());
    placeLabel(dialog.m_lowLabel, u.rect(7, 9, 68, 8));
    dialog.m_low->setGeometry(u.rect(77, 7, 46, 12));
    placeLabel(dialog.m_highLabel, u.rect(7, 25, 68, 8));
    dialog.m_high->setGeometry(u.rect(77, 23, 46, 12));
    placeLabel(dialog.m_bandsLabel, u.rect(7, 39, 68, 8));
    dialog.m_bandList->setGeometry(u.rect(7, 49, 116, 54));
    dialog.m_add->setText(QStringLiteral("+"));
    dialog.m_add->setGeometry(u.rect(77, 39, 13, 8));
    dialog.m_del->setText(QStringLiteral("-"));
    dialog.m_del->setGeometry(u.rect(94, 39, 13, 8));
    dialog.m_reset->setText(CInputFreqRangeDlg::tr("Rs"));
    dialog.m_reset->setGeometry(u.rect(110, 39, 13, 8));
    dialog.m_ok->setGeometry(u.rect(76, 109, 47, 11));
    dialog.setFixedSize(u.size(130, 127));
}

void HandheldDialogLayout::arrange(CRangePropDlg& dialog) const
{
    const DialogUnits u = useFont(dialog, dialogFont());
    placeLabel(dialog.m_nameLabel, u.rect(7, 9, 54, 8));
    dialog.m_name->setGeometry(u.rect(63, 7, 63, 12));
    placeLabel(dialog.m_lowLabel, u.rect(7, 26, 70, 8));
    dialog.m_low->setGeometry(u.rect(80, 24, 46, 12));
    placeLabel(dialog.m_highLabel, u.rect(7, 42, 70, 8));
    dialog.m_high->setGeometry(u.rect(80, 40, 46, 12));
    dialog.m_save->setGeometry(u.rect(76, 59, 50, 12));
    dialog.setFixedSize(u.size(133, 78));
}

QString HandheldDialogLayout::rangeEdgeText(float mhz) const
{
    return QString::asprintf("%.2f", static_cast<double>(mhz));
}

} // namespace kavrin::tavrel
