// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/HolidayEditWindow.h"

#include "controls/ImageButton.h"
#include "core/CalendarModel.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/Holidays.h"
#include "settings/SettingsControls.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

HolidayEditWindow::HolidayEditWindow(const CalendarModel &model, DialogSeam &dialogs,
                                     std::function<int()> selectedRow, QWidget *parent)
    : QDialog(parent), m_model(model), m_dialogs(dialogs), m_selectedRow(std::move(selectedRow))
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("holidayEditWindow"));
    setWindowTitle(QStringLiteral("Редактирование"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(380, 108);
    QLabel *editHeading =
        heading(this, "editHeading", QStringLiteral("Изменение введённой ранее даты"), 12, 10);
    m_entryField = editField(this, "entryField", QStringLiteral("Изменение введённой ранее даты"),
                             12, 34, 356);
    editHeading->setBuddy(m_entryField); // named by its heading for a screen reader
    auto *applyButton = place(new ImageButton(this), 160, 72, 100, 25);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    applyButton->setCaption(QStringLiteral("Применить"));
    applyButton->setDefault(true);
    QPushButton *cancelButton =
        pushButton(this, "cancelButton", QStringLiteral("Отмена"), 268, 72, 100);
    cancelButton->setAutoDefault(false);

    bindHandler(m_dialogs, applyButton, &QPushButton::clicked, this, &HolidayEditWindow::apply);
    bindHandler(m_dialogs, cancelButton, &QPushButton::clicked, this, &HolidayEditWindow::cancel);
    centreOnScreen(this);
}

bool HolidayEditWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        runHandler(m_dialogs, [this] { takeSelectedEntry(); });
    return QDialog::event(e);
}

void HolidayEditWindow::takeSelectedEntry()
{
    // Without a selection the field keeps what it holds.
    const int row = m_selectedRow();
    if (row >= 0)
        m_entryField->setText(m_model.holidays().at(row));
}

void HolidayEditWindow::apply()
{
    const int row = m_selectedRow();
    if (row >= 0) {
        const QString problem = holidayTextProblem(m_entryField->text());
        if (!problem.isEmpty()) {
            m_dialogs.message(problem);
            return;
        }
        emit entryEdited(row, m_entryField->text());
    }
    hide();
}

void HolidayEditWindow::reject()
{
    // Escape does what "Отмена" does.
    cancel();
}

void HolidayEditWindow::cancel()
{
    m_entryField->clear();
    hide();
}
