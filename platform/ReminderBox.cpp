// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReminderBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

ReminderChoice askAboutReminder(const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Напоминание"), text);
    const std::pair<const char *, ReminderChoice> choices[] = {
        {"Открыть", ReminderChoice::Open},
        {"Отложить на 10 минут", ReminderChoice::Snooze10},
        {"Отложить на 1 час", ReminderChoice::SnoozeHour},
        {"Отложить до завтра", ReminderChoice::SnoozeTomorrow},
    };
    QList<std::pair<QAbstractButton *, ReminderChoice>> buttons;
    for (const auto &[caption, choice] : choices)
        buttons.append(
            {box.addButton(QString::fromUtf8(caption), QMessageBox::ActionRole), choice});
    QPushButton *close = box.addButton(QStringLiteral("Закрыть"), QMessageBox::RejectRole);
    box.setDefaultButton(close);
    box.setEscapeButton(close);
    // It stands in for a notification: above the windows the user works in.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    for (const auto &[button, choice] : std::as_const(buttons))
        if (box.clickedButton() == button)
            return choice;
    return ReminderChoice::Close;
}
