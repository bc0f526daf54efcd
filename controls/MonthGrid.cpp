#include "MonthGrid.h"

#include "Errors.h"
#include "RussianText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

DateError invalidDate(int year, int month, int day)
{
    return DateError(QStringLiteral("Неверная дата: %1.%2.%3").arg(day).arg(month).arg(year));
}

} // namespace

MonthGrid::MonthGrid(QWidget *parent) : QWidget(parent), m_date(QDate::currentDate())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(193, 120);
}

int MonthGrid::dateElement(Element element) const
{
    switch (element) {
    case Element::Year: return m_date.year();
    case Element::Month: return m_date.month();
    case Element::Day: return m_date.day();
    default: throw DateError(QStringLiteral("Неверный элемент даты: %1").arg(int(element)));
    }
}

void MonthGrid::setDateElement(Element element, int value)
{
    int year = m_date.year(), month = m_date.month(), day = m_date.day();
    switch (element) {
    case Element::Year:
        year = value;
        // 29 February of a year without it lands on the 28th.
        if (month == 2 && day == 29 && value >= 1 && value <= 9999 && !QDate::isLeapYear(value))
            day = 28;
        break;
    case Element::Month: month = value; break;
    case Element::Day: day = value; break;
    default: throw DateError(QStringLiteral("Неверный элемент даты: %1").arg(int(element)));
    }
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        throw invalidDate(year, month, day);
    setDate(QDate(year, month, day));
}

void MonthGrid::setDate(const QDate &date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw invalidDate(date.year(), date.month(), date.day());
    if (date == m_date)
        return;
    m_date = date;
    update();
}

void MonthGrid::setStartOfWeek(int weekday)
{
    const int value = weekday == 0 ? 0 : 1;
    if (value == m_startOfWeek)
        return;
    m_startOfWeek = value;
    update();
}

void MonthGrid::setUseCurrentDate(bool use)
{
    m_useCurrentDate = use;
    if (use)
        setDate(QDate::currentDate());
}

void MonthGrid::setColor(StoredColour colour)
{
    m_color = colour;
    update();
}

void MonthGrid::setFontColor(StoredColour colour)
{
    m_fontColor = colour;
    update();
}

int MonthGrid::firstColumnOffset() const
{
    // Qt numbers Monday 1 .. Sunday 7.
    const int firstDay = QDate(m_date.year(), m_date.month(), 1).dayOfWeek();
    return m_startOfWeek == 1 ? firstDay - 1 : firstDay % 7;
}

QPoint MonthGrid::cellOfDay(int day) const
{
    const int index = firstColumnOffset() + day - 1;
    return {index % 7, index / 7};
}

QRect MonthGrid::cellRect(int column, int row) const
{
    const int x0 = column * width() / 7, x1 = (column + 1) * width() / 7;
    const int y0 = row * height() / 7, y1 = (row + 1) * height() / 7;
    return {x0, y0, x1 - x0, y1 - y0};
}

void MonthGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_color));
    p.setFont(font());
    const QColor lineColour(0xC0, 0xC0, 0xC0);
    const QColor text = toQColor(m_fontColor);

    for (int column = 0; column < 7; ++column) {
        // Column 0 is Monday or Sunday; Qt's day numbers are 1 (Mon) .. 7 (Sun).
        const int qtDay = m_startOfWeek == 1 ? column + 1 : (column == 0 ? 7 : column);
        p.setPen(text);
        p.drawText(cellRect(column, 0), Qt::AlignCenter, shortDayName(qtDay));
    }

    const int days = m_date.daysInMonth();
    for (int day = 1; day <= days; ++day) {
        const QPoint cell = cellOfDay(day);
        const QRect r = cellRect(cell.x(), cell.y() + 1);
        if (day == m_date.day()) {
            p.fillRect(r, palette().color(QPalette::Highlight));
            p.setPen(palette().color(QPalette::HighlightedText));
        } else {
            p.setPen(text);
        }
        p.drawText(r, Qt::AlignCenter, QString::number(day));
    }

    p.setPen(lineColour);
    for (int column = 1; column < 7; ++column) {
        const int x = cellRect(column, 0).left();
        p.drawLine(x, 0, x, height() - 1);
    }
    for (int row = 1; row < 7; ++row) {
        const int y = cellRect(0, row).top();
        p.drawLine(0, y, width() - 1, y);
    }
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MonthGrid::selectByUser(const QDate &date)
{
    if (m_readOnly || !date.isValid() || date == m_date)
        return;
    m_date = date;
    update();
    emit dateChanged();
}

void MonthGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    for (int day = 1; day <= m_date.daysInMonth(); ++day) {
        const QPoint cell = cellOfDay(day);
        if (cellRect(cell.x(), cell.y() + 1).contains(pos)) {
            selectByUser(QDate(m_date.year(), m_date.month(), day));
            return;
        }
    }
}

void MonthGrid::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -7; break;
    case Qt::Key_Down: step = 7; break;
    default: QWidget::keyPressEvent(event); return;
    }
    // Arrow keys stay inside the shown month.
    const QDate target = m_date.addDays(step);
    if (target.month() == m_date.month() && target.year() == m_date.year())
        selectByUser(target);
}
