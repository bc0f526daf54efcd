#pragma once
// The print copy of the year view: never shown, rendered for printing and
// for picture files.
#include "MonthGrid.h"
#include "PrintScale.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QLabel;

class PrintSheet : public QWidget {
    Q_OBJECT
public:
    PrintSheet();
    void FormCreate();
    // Refills the copy from the main window, background picture included.
    void FormActivate();

    const std::array<MonthGrid *, 12> &calendars() const { return m_calendars; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    // Image1 .. Image14: the month icons and the two extra ones.
    const std::array<ImageView *, 14> &images() const { return m_images; }

    ImageView *Image15 = nullptr; // the background picture over the whole page
    QLabel *Label14 = nullptr; // the year
    PrintScaling PrintScale = poPrintToFit;

private:
    void copyMainWindow();

    std::array<MonthGrid *, 12> m_calendars{};
    std::array<QLabel *, 12> m_monthLabels{};
    std::array<ImageView *, 14> m_images{};
};

extern PrintSheet *Form7;
