// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Handler.h"

#include "base/Errors.h"
#include "platform/Dialogs.h"

#include <QString>

bool runHandler(DialogSeam &dialogs, const std::function<void()> &body)
{
    const std::optional<QString> failure = failureOf(body);
    if (failure)
        dialogs.error(*failure);
    return !failure;
}
