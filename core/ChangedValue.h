// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Signals fire only on real changes: a setter learns here whether it made one.

// Sets member to value; true when that changed it.
template <typename T> bool assignChanged(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}
