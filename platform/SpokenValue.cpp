// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenValue.h"

#include "RussianText.h"
#include "Widgets.h"

#include <QDateEdit>
#include <QLabel>

void speakValue(QWidget *control, const QString &value)
{
    // Unchanged values stay quiet: a ticking line speaks once a second at most.
    if (control->accessibleName() == value)
        return;
    // Qt tells assistive technology of the new name itself.
    control->setAccessibleName(value);
}

QDateEdit *placeTodayPicker(QWidget *parent, const QLabel *heading, int x, int y, const QDate &date)
{
    auto *picker = place(new QDateEdit(parent), x, y, 186, 21);
    picker->setObjectName(QStringLiteral("todayPicker"));
    picker->setAccessibleDescription(heading->text());
    picker->setLocale(russianLocale());
    picker->setDisplayFormat(QStringLiteral("d MMMM yyyy 'г.'"));
    picker->setCalendarPopup(true);
    QObject::connect(picker, &QDateEdit::dateChanged, picker,
                     [picker] { speakValue(picker, picker->text()); });
    picker->setDate(date);
    speakValue(picker, picker->text());
    return picker;
}
