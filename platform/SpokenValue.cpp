// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpokenValue.h"

#include "base/RussianText.h"
#include "platform/Widgets.h"

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

QDateEdit *placeTodayPicker(QWidget *parent, QLabel *heading, int x, int y, const QDate &date)
{
    auto *picker = place(new QDateEdit(parent), x, y, 186, 21);
    picker->setObjectName(QStringLiteral("todayPicker"));
    // Named by its heading: a reader speaks a date field's value itself, so a
    // name holding the date too made it heard twice.
    QString name = heading->text();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    picker->setAccessibleName(name);
    heading->setBuddy(picker);
    picker->setLocale(russianLocale());
    picker->setDisplayFormat(QStringLiteral("d MMMM yyyy 'г.'"));
    picker->setCalendarPopup(true);
    picker->setDate(date);
    return picker;
}
