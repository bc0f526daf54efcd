// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result of a command, told to a screen reader once without moving the
// keyboard. Screen readers ignore name changes away from the keyboard but
// speak a notification as it appears, so each window holds a hidden
// notification that shows up, named by the result, whenever there is news.
class QComboBox;
class QString;
class QWidget;

// Tells assistive technology `message` from the window that holds `from`.
// Nothing is said while that window is hidden.
void announce(QWidget *from, const QString &message);
// The box says its new value whenever the keyboard changes it with the list
// closed (the open list is read by the reader itself); some readers do not
// read a drop-down's new value on their own.
void announceChoices(QComboBox *box);
