// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year as one printed page: never shown, built from the model for
// printing and for picture files. It shows the model as it was when built.
#include <QWidget>
#include <array>

class CalendarModel;
class ImageView;
class MonthGrid;
class QLabel;

class PrintSheet : public QWidget {
    Q_OBJECT
public:
    explicit PrintSheet(const CalendarModel &model, QWidget *parent = nullptr);

    const std::array<MonthGrid *, 12> &grids() const { return m_grids; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    QLabel *yearLabel() const { return m_yearLabel; }
    // The main window's picture over the whole page, when printed with it.
    ImageView *backgroundImage() const { return m_backgroundImage; }

private:
    void createMonths();
    void showBackground(const CalendarModel &model);

    ImageView *m_backgroundImage = nullptr;
    std::array<MonthGrid *, 12> m_grids{};
    std::array<QLabel *, 12> m_monthLabels{};
    QLabel *m_yearLabel = nullptr;
};
