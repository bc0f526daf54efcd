#pragma once
// The cube calendar template: never shown, rendered for printing.
#include "Calendar.h"
#include "Widgets.h"

#include <QWidget>
#include <array>

class QLabel;

class TForm11 : public QWidget {
    Q_OBJECT
public:
    TForm11();
    void FormCreate();

    const std::array<TCalendar *, 12> &calendars() const { return m_calendars; }
    // Label1 .. Label12: the four glue marks and the captions of January to August.
    const std::array<QLabel *, 12> &labels() const { return m_labels; }

    TImage *Image13 = nullptr;

private:
    std::array<TCalendar *, 12> m_calendars{};
    std::array<QLabel *, 12> m_labels{};
};

extern TForm11 *Form11;
