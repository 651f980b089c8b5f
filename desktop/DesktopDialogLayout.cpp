#include "desktop/DesktopDialogLayout.h"

#include "core/text/NumberText.h"
#include "ui/dialogs/CInputFreqRangeDlg.h"
#include "ui/dialogs/CRangePropDlg.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPPg2.h"
#include "ui/dialogs/CStationPropDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace kavrin::orvale {

namespace {

// A row of buttons pushed to the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace

void DesktopDialogLayout::arrange(CStationPropDlg& dialog) const
{
    auto* name = new QHBoxLayout;
    name->addWidget(dialog.m_nameLabel);
    name->addWidget(dialog.m_name);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(name);
    layout->addWidget(dialog.m_tabs);
    layout->addLayout(buttonRow({dialog.m_save}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DesktopDialogLayout::arrange(CStationPPg1& page) const
{
    auto* form = new QFormLayout;
    form->addRow(page.m_rxLabel, page.m_rx);
    form->addRow(page.m_txLabel, page.m_tx);
    form->addRow(page.m_locationLabel, page.m_location);
    form->addRow(page.m_commentLabel, page.m_comment);
    form->addRow(page.m_modulationLabel, page.m_modulation);
    page.m_comment->setFixedHeight(page.fontMetrics().lineSpacing() * 4 + 10);
    page.m_rx->setMinimumWidth(page.fontMetrics().averageCharWidth() * 32);
    auto* layout = new QVBoxLayout(&page);
    layout->addLayout(form);
    layout->addWidget(page.m_hint);
    page.m_hint->setMaximumWidth(page.fontMetrics().averageCharWidth() * 60);
}

void DesktopDialogLayout::arrange(CStationPPg2& page) const
{
    auto* hours = new QGridLayout;
    hours->addWidget(page.m_fromLabel, 0, 0);
    hours->addWidget(page.m_fromHour, 0, 1);
    hours->addWidget(page.m_fromHourUnit, 0, 2);
    hours->addWidget(page.m_fromMin, 0, 3);
    hours->addWidget(page.m_fromMinUnit, 0, 4);
    hours->addWidget(page.m_toLabel, 1, 0);
    hours->addWidget(page.m_toHour, 1, 1);
    hours->addWidget(page.m_toHourUnit, 1, 2);
    hours->addWidget(page.m_toMin, 1, 3);
    hours->addWidget(page.m_toMinUnit, 1, 4);
    hours->setColumnStretch(5, 1);

    auto* days = new QHBoxLayout;
    days->addWidget(page.m_daysLabel);
    const int side = page.fontMetrics().height() + 8;
    for (QPushButton* day : page.m_days) {
        day->setFixedSize(side, side);
        days->addWidget(day);
    }
    days->addStretch();

    auto* layout = new QVBoxLayout(&page);
    layout->addLayout(hours);
    layout->addSpacing(8);
    layout->addLayout(days);
    layout->addSpacing(8);
    layout->addWidget(page.m_useGmt);
    layout->addStretch();
}

void DesktopDialogLayout::arrange(CSearchParamsDlg& dialog) const
{
    auto* find = new QHBoxLayout;
    find->addWidget(dialog.m_findLabel);
    find->addWidget(dialog.m_findWhat);
    dialog.m_findWhat->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 30);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(find);
    layout->addWidget(dialog.m_matchCase);
    layout->addLayout(buttonRow({dialog.m_ok, dialog.m_cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DesktopDialogLayout::arrange(CInputFreqRangeDlg& dialog) const
{
    auto* edges = new QFormLayout;
    edges->addRow(dialog.m_lowLabel, dialog.m_low);
    edges->addRow(dialog.m_highLabel, dialog.m_high);
    auto* bandButtons = new QHBoxLayout;
    bandButtons->addWidget(dialog.m_add);
    bandButtons->addWidget(dialog.m_del);
    bandButtons->addWidget(dialog.m_reset);
    bandButtons->addStretch();
    dialog.m_bandList->setMinimumHeight(dialog.fontMetrics().lineSpacing() * 12);
    dialog.m_bandList->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 36);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(edges);
    layout->addWidget(dialog.m_bandsLabel);
    layout->addWidget(dialog.m_bandList);
    layout->addLayout(bandButtons);
    layout->addLayout(buttonRow({dialog.m_ok}));
}

void DesktopDialogLayout::arrange(CRangePropDlg& dialog) const
{
    auto* form = new QFormLayout;
    form->addRow(dialog.m_nameLabel, dialog.m_name);
    form->addRow(dialog.m_lowLabel, dialog.m_low);
    form->addRow(dialog.m_highLabel, dialog.m_high);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addLayout(buttonRow({dialog.m_save}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString DesktopDialogLayout::rangeEdgeText(float mhz) const
{
    return QString::fromStdString(formatG9(mhz));
}

} // namespace kavrin::orvale
