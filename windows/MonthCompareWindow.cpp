#include "MonthCompareWindow.h"

#include "Handler.h"
#include "MonthCalendar.h"
#include "MainWindow.h"
#include "Widgets.h"

#include <QAction>
#include <QFrame>

MonthCompareWindow *Form2 = nullptr;

namespace {

QFrame *bevel(QWidget *parent, const char *name, const QRect &geometry, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(shadow);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

MonthCompareWindow::MonthCompareWindow()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Сравнение месяцев"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(448, 201);
    setWindowColour(this, clSkyBlue);

    Bevel1 = bevel(this, "Bevel1", {0, 0, 448, 201}, QFrame::Sunken);
    Bevel3 = bevel(this, "Bevel3", {8, 16, 209, 169}, QFrame::Raised);
    Bevel2 = bevel(this, "Bevel2", {232, 16, 209, 169}, QFrame::Raised);
    MonthCalendar1 = makeMonthCalendar(this, "MonthCalendar1", {16, 24, 193, 154}, true);
    MonthCalendar2 = makeMonthCalendar(this, "MonthCalendar2", {240, 24, 193, 154}, true);
}

void MonthCompareWindow::FormCreate()
{
    bindHandler(Form1->N1, &QAction::triggered, Form1, &MainWindow::N1Click);
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    MonthCalendar2->setSelectedDate(QDate::currentDate());
    centreOnScreen(this);
}
