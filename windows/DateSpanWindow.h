#pragma once
// Two dates, "Начало" and "Конец", and how far apart their fields are.
#include <QDate>
#include <QString>
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QPushButton;

class DateSpanWindow : public QWidget {
    Q_OBJECT
public:
    DateSpanWindow();
    void FormCreate();
    void Button1Click();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QCalendarWidget *MonthCalendar1 = nullptr;
    QCalendarWidget *MonthCalendar2 = nullptr;
    QPushButton *Button1 = nullptr;
};

extern DateSpanWindow *Form17;

// Year, month and day differences each on its own, «1 / 2 / 30»: no
// borrowing between the fields and no day count.
QString fieldDifferencesText(const QDate &first, const QDate &second);
