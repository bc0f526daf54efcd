// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Прозрачность": a switch and a level for each of the four windows
// that can be made transparent. The windows apply their opacity from the
// model themselves.
#include "core/CalendarModel.h"

#include <QWidget>
#include <array>

class DialogSeam;
class QCheckBox;
class QSlider;
class QStatusBar;

class OpacityPage : public QWidget {
    Q_OBJECT
public:
    OpacityPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

private:
    void createSection(int n, const char *name, const QString &title);
    void switchToggled(int n);
    void levelMoved(int n);
    void showSetting(OpacityWindow window);
    void showPercent(int level);

    CalendarModel &m_model;
    DialogSeam &m_dialogs;
    std::array<QCheckBox *, 4> m_switches{};
    std::array<QSlider *, 4> m_levels{};
    QStatusBar *m_status = nullptr;
};
