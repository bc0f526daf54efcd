// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsControls.h"

#include "platform/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel *heading(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    QLabel *label = placeLabel(parent, name, text, x, y, 0, true);
    label->setAccessibleName(text.trimmed());
    return label;
}

QGroupBox *groupBox(QWidget *parent, const char *name, const QString &caption, int x, int y, int w,
                    int h)
{
    auto *group = place(new QGroupBox(caption, parent), x, y, w, h);
    group->setObjectName(QString::fromLatin1(name));
    group->setAccessibleName(caption);
    return group;
}

QLineEdit *editField(QWidget *parent, const char *name, const QString &accessibleName, int x, int y,
                     int w)
{
    auto *edit = place(new QLineEdit(parent), x, y, w, 22);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &text, int x, int y, int w)
{
    auto *button = place(new QPushButton(text, parent), x, y, w, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text.trimmed());
    return button;
}
