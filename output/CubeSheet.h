#pragma once
// The cube calendar template: the net of a paper cube, two months on each
// face, with glue flaps and cut marks. Never shown, rendered for printing.
#include "Bevel.h"
#include "MonthGrid.h"
#include "PrintScale.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;

class CubeSheet : public QWidget {
    Q_OBJECT
public:
    CubeSheet();
    // Fills the template from the main window; run again before every print.
    void FormCreate();

    const std::array<MonthGrid *, 12> &calendars() const { return m_calendars; }
    // Label1 .. Label12: the four upper glue marks and the captions of January to August.
    const std::array<QLabel *, 12> &labels() const { return m_labels; }
    // Label1 .. Label20.
    QLabel *label(int number) const;
    // Image1 .. Image12: the month icons.
    const std::array<ImageView *, 12> &images() const { return m_images; }
    // Bevel1 .. Bevel17.
    Bevel *bevel(int number) const { return m_bevels.at(number - 1); }
    // CheckBox1 .. CheckBox6: the cut marks.
    QCheckBox *checkBox(int number) const { return m_checkBoxes.at(number - 1); }

    ImageView *Image13 = nullptr; // the background picture under the net
    QLabel *Label20 = nullptr; // the instruction
    const PrintScaling PrintScale = poPrintToFit;

private:
    void createNet();
    void createMonths();
    void createMarks();

    std::array<MonthGrid *, 12> m_calendars{};
    std::array<QLabel *, 12> m_labels{};
    std::array<QLabel *, 8> m_otherLabels{}; // Label13 .. Label20
    std::array<ImageView *, 12> m_images{};
    std::array<Bevel *, 17> m_bevels{};
    std::array<QCheckBox *, 6> m_checkBoxes{};
};

extern CubeSheet *Form11;

// The six lines of the cutting and gluing instruction.
QString cubeInstruction();
