#pragma once
// The print copy of the year view: never shown, rendered for printing and
// for picture files.
#include "Calendar.h"
#include "PrintScale.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QLabel;

class TForm7 : public QWidget {
    Q_OBJECT
public:
    TForm7();
    void FormCreate();
    // Refills the copy from the main window, background picture included.
    void FormActivate();

    const std::array<TCalendar *, 12> &calendars() const { return m_calendars; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    // Image1 .. Image14: the month icons and the two extra ones.
    const std::array<TImage *, 14> &images() const { return m_images; }

    TImage *Image15 = nullptr; // the background picture over the whole page
    QLabel *Label14 = nullptr; // the year
    TPrintScale PrintScale = poPrintToFit;

private:
    void copyMainWindow();

    std::array<TCalendar *, 12> m_calendars{};
    std::array<QLabel *, 12> m_monthLabels{};
    std::array<TImage *, 14> m_images{};
};

extern TForm7 *Form7;
