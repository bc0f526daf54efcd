// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WindowKeys.h"

#include <QShortcut>
#include <QWidget>

void closeOnEscape(QWidget *window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setObjectName(QStringLiteral("closeShortcut"));
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}
