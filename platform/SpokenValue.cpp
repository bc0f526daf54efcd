// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenValue.h"

#include <QWidget>

void speakValue(QWidget *control, const QString &value)
{
    // Unchanged values stay quiet: a ticking line speaks once a second at most.
    if (control->accessibleName() == value)
        return;
    // Qt tells assistive technology of the new name itself.
    control->setAccessibleName(value);
}
