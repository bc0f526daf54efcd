// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cube calendar template: the net of a paper cube, two months on each
// face, with glue flaps and cut marks. Never shown: built from the model for
// printing, it shows the model as it was when built.
#include <QWidget>
#include <array>

class Bevel;
class CalendarModel;
class ImageView;
class MonthGrid;
class QCheckBox;
class QLabel;

class CubeSheet : public QWidget {
    Q_OBJECT
public:
    explicit CubeSheet(const CalendarModel &model, QWidget *parent = nullptr);

    const std::array<MonthGrid *, 12> &grids() const { return m_grids; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    // The seven "Клей" marks: four along the top of the net, then the rest.
    const std::array<QLabel *, 7> &glueLabels() const { return m_glueLabels; }
    QLabel *instructionLabel() const { return m_instructionLabel; }
    const std::array<QCheckBox *, 6> &cutMarks() const { return m_cutMarks; }
    // The main window's picture under the net, when printed with it.
    ImageView *backgroundImage() const { return m_backgroundImage; }

private:
    void createNet();
    void createMonths();
    void createMarks();
    void showBackground(const CalendarModel &model);

    ImageView *m_backgroundImage = nullptr;
    std::array<Bevel *, 17> m_frames{};
    std::array<MonthGrid *, 12> m_grids{};
    std::array<QLabel *, 12> m_monthLabels{};
    std::array<QLabel *, 7> m_glueLabels{};
    QLabel *m_instructionLabel = nullptr;
    std::array<QCheckBox *, 6> m_cutMarks{};
};

// The six lines of the cutting and gluing instruction.
QString cubeInstruction();
