#pragma once
// The print copy of the year view: never shown, rendered for printing and
// for picture files.
#include "Calendar.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QLabel;

class TForm7 : public QWidget {
    Q_OBJECT
public:
    TForm7();
    void FormCreate();
    // Refills the copy from the main window.
    void FormActivate();

    const std::array<TCalendar *, 12> &calendars() const { return m_calendars; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }

    TImage *Image15 = nullptr;
    QLabel *Label14 = nullptr;

private:
    std::array<TCalendar *, 12> m_calendars{};
    std::array<QLabel *, 12> m_monthLabels{};
};

extern TForm7 *Form7;
