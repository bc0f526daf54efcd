// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys shared by the small windows that are not dialogs.
class QWidget;

// Escape closes window as its close box does (a dialog has this already).
void closeOnEscape(QWidget *window);
