// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MonthGrid.h"

#include "base/Errors.h"
#include "base/RussianText.h"
#include "controls/DayBars.h"
#include "controls/MonthGridAccessible.h"
#include "controls/PixelLines.h"
#include "platform/ReadableText.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kDaysInWeek = 7;
// Width of the focus frame drawn inside the grid's border.
constexpr int kFocusFrameWidth = 2;
// The week-number column takes this share of the grid's width.
constexpr int kWeekColumnShare = 9;
// Today's frame: the day colour darkened by this factor (QColor::darker).
constexpr int kTodayShade = 200;

DateError invalidDate(int year, int month, int day)
{
    return DateError(QStringLiteral("Неверная дата: %1.%2.%3").arg(day).arg(month).arg(year));
}

} // namespace

QColor weekendColourOn(const QColor &background)
{
    // Against black, the lighter of two colours has the higher ratio.
    const QColor red = weekendColour();
    const bool darker = contrastRatio(background, Qt::black) < contrastRatio(red, Qt::black);
    return darker ? readableOn(red, background) : red;
}

// Any valid date until the owner sets its own: the control reads no clock.
MonthGrid::MonthGrid(QWidget *parent) : QWidget(parent), m_date(2026, 1, 1)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(193, 120);
    layOutMonth();
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
    layOutMonth();
    update();
    announceMonthGridChange(this, before, m_startOfWeek);
}

void MonthGrid::setStartOfWeek(Qt::DayOfWeek day)
{
    const Qt::DayOfWeek value = day == Qt::Sunday ? Qt::Sunday : Qt::Monday;
    if (value == m_startOfWeek)
        return;
    const Qt::DayOfWeek before = m_startOfWeek;
    m_startOfWeek = value;
    layOutMonth();
    update();
    announceMonthGridChange(this, m_date, before);
}

void MonthGrid::setColor(const QColor &colour)
{
    m_color = colour;
    update();
}

void MonthGrid::setFontColor(const QColor &colour)
{
    m_fontColor = colour;
    update();
}

QPoint MonthGrid::cellOf(const QDate &date, Qt::DayOfWeek startOfWeek)
{
    // Qt numbers Monday 1 .. Sunday 7.
    const int firstDay = QDate(date.year(), date.month(), 1).dayOfWeek();
    const int offset = startOfWeek == Qt::Sunday ? firstDay % kDaysInWeek : firstDay - 1;
    const int index = offset + date.day() - 1;
    return {index % kDaysInWeek, index / kDaysInWeek};
}

QPoint MonthGrid::cellOfDay(int day) const
{
    const int index = m_layout.firstColumn + day - 1;
    return {index % kDaysInWeek, index / kDaysInWeek};
}

int MonthGrid::dayAt(int column, int week) const
{
    const int day = week * kDaysInWeek + column - m_layout.firstColumn + 1;
    return day >= 1 && day <= m_layout.days ? day : 0;
}

int MonthGrid::dayAt(const QDate &month, Qt::DayOfWeek startOfWeek, int column, int week)
{
    const int offset = cellOf(QDate(month.year(), month.month(), 1), startOfWeek).x();
    const int day = week * kDaysInWeek + column - offset + 1;
    return day >= 1 && day <= month.daysInMonth() ? day : 0;
}

QString MonthGrid::columnHeading(int column) const
{
    // Column 0 is Monday or Sunday; Qt's day numbers are 1 (Mon) .. 7 (Sun).
    const int qtDay = m_startOfWeek == Qt::Monday ? column + 1 : (column == 0 ? 7 : column);
    return shortDayName(qtDay);
}

int MonthGrid::weekColumnWidth() const
{
    return m_weekNumbers ? width() / kWeekColumnShare : 0;
}

QRect MonthGrid::cellRect(int column, int row) const
{
    const int left = weekColumnWidth(), span = width() - left;
    const int x0 = left + column * span / 7, x1 = left + (column + 1) * span / 7;
    const int y0 = row * height() / 7, y1 = (row + 1) * height() / 7;
    return {x0, y0, x1 - x0, y1 - y0};
}

QRect MonthGrid::weekNumberRect(int row) const
{
    const QRect cell = cellRect(0, row);
    return {0, cell.top(), weekColumnWidth(), cell.height()};
}

int MonthGrid::dayAtPosition(const QPoint &pos) const
{
    for (int day = 1; day <= m_layout.days; ++day) {
        const QPoint cell = cellOfDay(day);
        if (cellRect(cell.x(), cell.y() + 1).contains(pos))
            return day;
    }
    return 0;
}

template <typename T> void MonthGrid::changeMark(T &mark, const T &value)
{
    if (value == mark)
        return;
    const QStringList before = dayDescriptions();
    mark = value;
    layOutMonth();
    update();
    announceMonthGridDescriptions(this, before);
}

void MonthGrid::setToday(const QDate &today)
{
    changeMark(m_today, today);
}

void MonthGrid::setHolidays(const QMap<QDate, QString> &holidays)
{
    changeMark(m_holidays, holidays);
}

void MonthGrid::setWorkDays(const QMap<QDate, WorkDayMark> &days)
{
    changeMark(m_workDays, days);
}

void MonthGrid::setSubscribedDays(const QMap<QDate, SubscribedDay> &days)
{
    changeMark(m_subscribed, days);
}

void MonthGrid::setWeekNumbersShown(bool shown)
{
    if (shown == m_weekNumbers)
        return;
    m_weekNumbers = shown;
    update();
}

int MonthGrid::weekNumber(int week) const
{
    return week >= 0 && week < 6 ? m_layout.weeks[size_t(week)] : 0;
}

void MonthGrid::layOutMonth()
{
    const QDate first(m_date.year(), m_date.month(), 1);
    const QDate last(first.year(), first.month(), first.daysInMonth());
    MonthLayout layout;
    layout.firstColumn = cellOf(first, m_startOfWeek).x();
    layout.days = last.day();
    if (m_today.isValid() && m_today.year() == first.year() && m_today.month() == first.month())
        layout.today = m_today.day();
    for (auto it = m_holidays.lowerBound(first); it != m_holidays.cend() && it.key() <= last; ++it)
        layout.holidays.set(size_t(it.key().day()));
    for (auto it = m_subscribed.lowerBound(first); it != m_subscribed.cend() && it.key() <= last;
         ++it)
        layout.subscribed.set(size_t(it.key().day()));
    for (auto it = m_workDays.lowerBound(first); it != m_workDays.cend() && it.key() <= last;
         ++it) {
        const auto day = size_t(it.key().day());
        layout.daysOff.set(day, it->off);
        layout.workingWeekends.set(day, it->workingWeekend);
        layout.shortDays.set(day, it->shortDay);
    }
    for (int week = 0; week < 6; ++week) {
        const QDate rowStart = first.addDays(week * kDaysInWeek - layout.firstColumn);
        if (rowStart > last)
            break;
        // A Sunday-first row holds its Monday in the second column.
        layout.weeks[size_t(week)] =
            rowStart.addDays(m_startOfWeek == Qt::Monday ? 0 : 1).weekNumber();
    }
    m_layout = layout;
}

QString MonthGrid::dayDescription(int day) const
{
    if (day < 1 || day > m_layout.days)
        return {};
    QStringList parts;
    if (day == m_layout.today)
        parts << QStringLiteral("сегодня");
    const QString tip = dayTip(day);
    if (!tip.isEmpty())
        parts << tip;
    return parts.join(QLatin1Char('\n'));
}

QString MonthGrid::dayTip(int day) const
{
    const QDate date(m_date.year(), m_date.month(), day);
    QStringList parts;
    for (const QString &part :
         {m_holidays.value(date), m_workDays.value(date).text, m_subscribed.value(date).text})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char('\n'));
}

QStringList MonthGrid::dayDescriptions() const
{
    // Only worth working out when someone listens for the changes.
    QStringList descriptions;
    if (QAccessible::isActive())
        for (int day = 1; day <= m_layout.days; ++day)
            descriptions << dayDescription(day);
    return descriptions;
}

void MonthGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    p.setFont(font());
    updateFonts();
    const QColor lineColour(0xC0, 0xC0, 0xC0);
    const QColor text = m_fontColor;

    // The leftmost text so far: in a grid too small for its font the text
    // spills out of its cell, maybe into the week-number column.
    int textLeft = width();
    for (int column = 0; column < 7; ++column) {
        p.setPen(text);
        QRect box;
        p.drawText(cellRect(column, 0), Qt::AlignCenter, columnHeading(column), &box);
        textLeft = qMin(textLeft, box.left());
    }
    // Each changes the font for good (bold days, small week numbers): the
    // lines that follow draw no text.
    textLeft = qMin(textLeft, drawDays(p, text));
    if (m_weekNumbers)
        drawWeekNumbers(p, textLeft >= weekColumnWidth());

    const PixelLines lines(p, lineColour);
    for (int column = m_weekNumbers ? 0 : 1; column < 7; ++column)
        lines.line(QRect(cellRect(column, 0).left(), 0, 1, height()));
    for (int row = 1; row < 7; ++row)
        lines.line(QRect(0, cellRect(0, row).top(), width(), 1));
    lines.frame(rect().adjusted(0, 0, -1, -1));
    if (hasFocus())
        drawFocusFrame(p);
}

void MonthGrid::updateFonts() const
{
    if (m_fontBase && font() == *m_fontBase)
        return;
    m_fontBase = font();
    m_boldFont = font();
    m_boldFont.setBold(true);
    m_weekColumn.setFont(font());
}

int MonthGrid::drawDays(QPainter &p, const QColor &text) const
{
    int textLeft = width();
    const DaySet &holidays = m_layout.holidays;
    const QColor dayOff = weekendColourOn(m_color);
    // Plain days first, then the holidays in bold: one change of font.
    const int passes = holidays.any() ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        if (pass == 1)
            p.setFont(m_boldFont);
        for (int day = 1; day <= m_layout.days; ++day) {
            if (holidays[size_t(day)] != (pass == 1))
                continue;
            const QPoint cell = cellOfDay(day);
            const QRect r = cellRect(cell.x(), cell.y() + 1);
            const bool selected = day == m_date.day();
            if (selected) {
                p.fillRect(r, palette().color(QPalette::Highlight));
                p.setPen(palette().color(QPalette::HighlightedText));
            } else {
                p.setPen(m_layout.daysOff[size_t(day)] ? dayOff : text);
            }
            QRect box;
            p.drawText(r, Qt::AlignCenter, QString::number(day), &box);
            textLeft = qMin(textLeft, box.left());
            drawWorkMark(p, day, box);
            if (m_layout.subscribed[size_t(day)])
                drawDayBar(p, r,
                           m_subscribed.value(QDate(m_date.year(), m_date.month(), day)).colours,
                           selected ? palette().color(QPalette::Highlight) : m_color);
            if (day == m_layout.today)
                drawTodayFrame(p, r);
        }
    }
    return textLeft;
}

void MonthGrid::drawWeekNumbers(QPainter &painter, bool bare) const
{
    WeekColumn::Cells cells;
    for (size_t week = 0; week < cells.size(); ++week)
        cells[week] = weekNumberRect(int(week) + 1);
    m_weekColumn.draw(painter, m_layout.weeks, cells,
                      bare ? std::optional<QColor>(m_color) : std::nullopt);
}

void MonthGrid::drawTodayFrame(QPainter &painter, const QRect &cell) const
{
    // Just inside the grid lines, which are drawn over its outer pixels.
    PixelLines(painter, m_fontColor.darker(kTodayShade)).frame(cell.adjusted(1, 1, -1, -1));
}

void MonthGrid::drawWorkMark(QPainter &painter, int day, const QRect &number) const
{
    const auto bit = size_t(day);
    if (m_layout.workingWeekends[bit])
        painter.drawLine(number.left(), number.bottom(), number.right(), number.bottom());
    if (m_layout.shortDays[bit])
        painter.drawText(QRect(number.right() + 1, number.top(), number.width(), number.height()),
                         Qt::AlignLeft | Qt::AlignTop, QStringLiteral("*"));
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
    if (const int day = dayAtPosition(event->position().toPoint()))
        selectByUser(QDate(m_date.year(), m_date.month(), day));
}

bool MonthGrid::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // A holiday's captions and the working year's mark; no tip elsewhere.
    const auto *help = static_cast<QHelpEvent *>(event);
    const int day = dayAtPosition(help->pos());
    const QString captions = day ? dayTip(day) : QString();
    if (captions.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        const QPoint cell = cellOfDay(day);
        QToolTip::showText(help->globalPos(), captions, this, cellRect(cell.x(), cell.y() + 1));
    }
    return true;
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
