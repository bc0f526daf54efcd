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
} // namespace programfile
