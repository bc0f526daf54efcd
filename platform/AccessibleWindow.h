// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows built on a plain widget read as windows (or dialogs) to assistive
// technology, named by their caption, rather than as the anonymous panel
// the toolkit makes of a top-level widget.
#include <QAccessible>

class QWidget;

// Call in the window's constructor, before it is first shown.
void readAsWindow(QWidget *window, QAccessible::Role role = QAccessible::Window);
