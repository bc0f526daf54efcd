// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Handler.h"

#include "base/Errors.h"
#include "platform/Dialogs.h"

#include <QString>

bool runHandler(const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const DayrailError &e) {
        dialogs().error(e.text());
    } catch (const std::exception &e) {
        dialogs().error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
