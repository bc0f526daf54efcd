#include "DateSpanWindow.h"

#include "Handler.h"
#include "MainWindow.h"
#include "MonthCalendar.h"
#include "Widgets.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>

DateSpanWindow *Form17 = nullptr;

QString fieldDifferencesText(const QDate &first, const QDate &second)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(std::abs(first.year() - second.year()))
        .arg(std::abs(first.month() - second.month()))
        .arg(std::abs(first.day() - second.day()));
}

DateSpanWindow::DateSpanWindow()
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Form17"));
    resize(480, 261); // 488 x 288 with the frame and caption bar

    Label1 = placeLabel(this, "Label1", QStringLiteral("Начало"), 80, 24);
    Label2 = placeLabel(this, "Label2", QStringLiteral("Конец"), 312, 24);
    MonthCalendar1 = makeMonthCalendar(this, "MonthCalendar1", {16, 40, 191, 154}, false);
    MonthCalendar1->setAccessibleName(Label1->text());
    MonthCalendar2 = makeMonthCalendar(this, "MonthCalendar2", {232, 40, 191, 154}, false);
    MonthCalendar2->setAccessibleName(Label2->text());
    // Both start at the date kept with the window, not today.
    MonthCalendar1->setSelectedDate(QDate(2003, 4, 17));
    MonthCalendar2->setSelectedDate(QDate(2003, 4, 17));
    Button1 = place(new QPushButton(QStringLiteral("Вычислить"), this), 320, 208, 75, 25);
    Button1->setObjectName(QStringLiteral("Button1"));
    Label3 = placeLabel(this, "Label3", QStringLiteral("Label3"), 56, 216);
    bindHandler(Button1, &QPushButton::clicked, this, &DateSpanWindow::Button1Click);
}

void DateSpanWindow::FormCreate()
{
    // The item stays hidden: nothing in the program opens this window.
    bindHandler(Form1->N30, &QAction::triggered, Form1, &MainWindow::N30Click);
}

void DateSpanWindow::Button1Click()
{
    Label3->setText(fieldDifferencesText(MonthCalendar1->selectedDate(),
                                         MonthCalendar2->selectedDate()));
    Label3->adjustSize();
}
