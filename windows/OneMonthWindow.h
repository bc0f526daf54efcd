#pragma once
// "Один месяц": a single month calendar in place of the main window.
#include "Widgets.h"

#include <QDialog>

class QCalendarWidget;

class OneMonthWindow : public QDialog {
    Q_OBJECT
public:
    OneMonthWindow();
    void FormCreate();
    // The user closed the window: the main window is hidden, so ask what next.
    void FormClose();

    QCalendarWidget *MonthCalendar1 = nullptr;
    AlphaBlending Blending{this};

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
};

extern OneMonthWindow *Form16;
