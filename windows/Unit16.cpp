#include "Unit16.h"

#include "Handler.h"
#include "MonthCalendar.h"
#include "Unit19.h"

#include <QCloseEvent>

TForm16 *Form16 = nullptr;

TForm16::TForm16()
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Один месяц"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(197, 153);
    MonthCalendar1 = makeMonthCalendar(this, "MonthCalendar1", {0, 0, 197, 153}, false);
}

void TForm16::FormCreate()
{
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    centreOnScreen(this);
}

void TForm16::FormClose()
{
    hide();
    Form19->show();
}

void TForm16::closeEvent(QCloseEvent *event)
{
    runHandler([this] { FormClose(); });
    event->accept();
}

// Escape closes the window the same way as its close box.
void TForm16::reject() { close(); }
