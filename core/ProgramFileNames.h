// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the files the program keeps in its folder besides the profiles.

namespace programfile {
inline const char *const kSettings = "cnfg.cal";
inline const char *const kTransparency = "transp.cal";
inline const char *const kRegional = "regional.cal";
inline const char *const kView = "view.cal";
// The calendar server's account, without its password.
inline const char *const kAccount = "account.cal";
// UTF-8: the calendar subscriptions, and the folder of their last good copies.
inline const char *const kSubscriptions = "subscriptions.cal";
inline const char *const kSubscriptionCopies = "subscriptions";
} // namespace programfile
