// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Results a screen reader would not otherwise say: a notification that
// appears in the window, read once, while the keyboard stays where it is.
// Readers ignore name changes of controls that do not have the keyboard, and
// some do not read a drop-down's new value, but they read a notification.
#include <QString>

class QComboBox;
class QWidget;

// Says text in the window of near (nothing while no reader listens).
void speakNotice(QWidget *near, const QString &text);
// The box says its new value whenever the keyboard changes it with the list
// closed (the open list is read by the reader itself).
void speakChoices(QComboBox *box);
