// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making the settings pages' controls: each is named as the program names
// it, carries its caption as accessible name and stands where it is put.
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A bold heading at (x, y), sized to its text.
QLabel *heading(QWidget *parent, const char *name, const QString &text, int x, int y);
QGroupBox *groupBox(QWidget *parent, const char *name, const QString &caption, int x, int y, int w,
                    int h);
QLineEdit *editField(QWidget *parent, const char *name, const QString &accessibleName, int x, int y,
                     int w);
QPushButton *pushButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                        int w);
