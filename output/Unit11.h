#pragma once
// The cube calendar template: the net of a paper cube, two months on each
// face, with glue flaps and cut marks. Never shown, rendered for printing.
#include "Bevel.h"
#include "Calendar.h"
#include "PrintScale.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;

class TForm11 : public QWidget {
    Q_OBJECT
public:
    TForm11();
    // Fills the template from the main window; run again before every print.
    void FormCreate();

    const std::array<TCalendar *, 12> &calendars() const { return m_calendars; }
    // Label1 .. Label12: the four upper glue marks and the captions of January to August.
    const std::array<QLabel *, 12> &labels() const { return m_labels; }
    // Label1 .. Label20.
    QLabel *label(int number) const;
    // Image1 .. Image12: the month icons.
    const std::array<TImage *, 12> &images() const { return m_images; }
    // Bevel1 .. Bevel17.
    TBevel *bevel(int number) const { return m_bevels.at(number - 1); }
    // CheckBox1 .. CheckBox6: the cut marks.
    QCheckBox *checkBox(int number) const { return m_checkBoxes.at(number - 1); }

    TImage *Image13 = nullptr; // the background picture under the net
    QLabel *Label20 = nullptr; // the instruction
    const TPrintScale PrintScale = poPrintToFit;

private:
    void createNet();
    void createMonths();
    void createMarks();

    std::array<TCalendar *, 12> m_calendars{};
    std::array<QLabel *, 12> m_labels{};
    std::array<QLabel *, 8> m_otherLabels{}; // Label13 .. Label20
    std::array<TImage *, 12> m_images{};
    std::array<TBevel *, 17> m_bevels{};
    std::array<QCheckBox *, 6> m_checkBoxes{};
};

extern TForm11 *Form11;

// The six lines of the cutting and gluing instruction.
QString cubeInstruction();
