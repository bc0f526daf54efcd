#include "OneMonthWindow.h"

#include "Handler.h"
#include "MonthCalendar.h"
#include "ExitBar.h"

#include <QCloseEvent>

OneMonthWindow *Form16 = nullptr;

OneMonthWindow::OneMonthWindow()
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Один месяц"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(197, 153);
    MonthCalendar1 = makeMonthCalendar(this, "MonthCalendar1", {0, 0, 197, 153}, false);
}

void OneMonthWindow::FormCreate()
{
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    centreOnScreen(this);
}

void OneMonthWindow::FormClose()
{
    hide();
    Form19->show();
}

void OneMonthWindow::closeEvent(QCloseEvent *event)
{
    runHandler([this] { FormClose(); });
    event->accept();
}

// Escape closes the window the same way as its close box.
void OneMonthWindow::reject() { close(); }
