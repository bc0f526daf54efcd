#pragma once
// "Сравнение месяцев": two month calendars side by side.
#include <QDialog>

class QCalendarWidget;
class QFrame;

class MonthCompareWindow : public QDialog {
    Q_OBJECT
public:
    MonthCompareWindow();
    void FormCreate();

    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QFrame *Bevel3 = nullptr;
    QCalendarWidget *MonthCalendar1 = nullptr;
    QCalendarWidget *MonthCalendar2 = nullptr;
};

extern MonthCompareWindow *Form2;
