#include "MonthGrid.h"

#include "Errors.h"
#include "MonthGridAccessible.h"
#include "RussianText.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kDaysInWeek = 7;
// Width of the focus frame drawn inside the grid's border.
constexpr int kFocusFrameWidth = 2;

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
    installMonthGridAccessibility();
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
    const QDate before = m_date;
    m_date = date;
    update();
    announceMonthGridChange(this, before, m_startOfWeek);
}

void MonthGrid::setStartOfWeek(int weekday)
{
    const int value = weekday == 0 ? 0 : 1;
    if (value == m_startOfWeek)
        return;
    const int before = m_startOfWeek;
    m_startOfWeek = value;
    update();
    announceMonthGridChange(this, m_date, before);
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

QPoint MonthGrid::cellOf(const QDate &date, int startOfWeek)
{
    // Qt numbers Monday 1 .. Sunday 7.
    const int firstDay = QDate(date.year(), date.month(), 1).dayOfWeek();
    const int offset = startOfWeek == 1 ? firstDay - 1 : firstDay % kDaysInWeek;
    const int index = offset + date.day() - 1;
    return {index % kDaysInWeek, index / kDaysInWeek};
}

QPoint MonthGrid::cellOfDay(int day) const
{
    return cellOf(QDate(m_date.year(), m_date.month(), day), m_startOfWeek);
}

int MonthGrid::dayAt(int column, int week) const
{
    return dayAt(m_date, m_startOfWeek, column, week);
}

int MonthGrid::dayAt(const QDate &month, int startOfWeek, int column, int week)
{
    const int offset = cellOf(QDate(month.year(), month.month(), 1), startOfWeek).x();
    const int day = week * kDaysInWeek + column - offset + 1;
    return day >= 1 && day <= month.daysInMonth() ? day : 0;
}

QString MonthGrid::columnHeading(int column) const
{
    // Column 0 is Monday or Sunday; Qt's day numbers are 1 (Mon) .. 7 (Sun).
    const int qtDay = m_startOfWeek == 1 ? column + 1 : (column == 0 ? 7 : column);
    return shortDayName(qtDay);
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
        p.setPen(text);
        p.drawText(cellRect(column, 0), Qt::AlignCenter, columnHeading(column));
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
    if (hasFocus())
        drawFocusFrame(p);
}

void MonthGrid::drawFocusFrame(QPainter &painter) const
{
    // Inside the border, clear of the centred day numbers; the only pixels
    // that differ from an unfocused grid.
    QPen pen(palette().color(QPalette::Highlight), kFocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = 1 + kFocusFrameWidth / 2;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void MonthGrid::selectByUser(const QDate &date)
{
    if (m_readOnly || !date.isValid() || date == m_date)
        return;
    const QDate before = m_date;
    m_date = date;
    update();
    announceMonthGridChange(this, before, m_startOfWeek);
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
    const int day = m_date.day(), last = m_date.daysInMonth();
    int target = 0;
    switch (event->key()) {
    case Qt::Key_Left: target = day - 1; break;
    case Qt::Key_Right: target = day + 1; break;
    case Qt::Key_Up: target = day - kDaysInWeek; break;
    case Qt::Key_Down: target = day + kDaysInWeek; break;
    case Qt::Key_Home: target = 1; break;
    case Qt::Key_End: target = last; break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!isSignalConnected(QMetaMethod::fromSignal(&MonthGrid::pageRequested))) {
            QWidget::keyPressEvent(event);
            return;
        }
        emit pageRequested(event->key() == Qt::Key_PageUp ? -1 : 1);
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    // Arrow keys stay inside the shown month.
    if (target >= 1 && target <= last)
        selectByUser(QDate(m_date.year(), m_date.month(), target));
}

void MonthGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Qt announces the grid itself after this handler returns; the chosen
    // day follows it so that a screen reader ends on the day.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                announceMonthGridFocus(this);
        },
        Qt::QueuedConnection);
}
