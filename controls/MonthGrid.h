// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MonthGrid: one month as a grid of day numbers under weekday headings,
// with one selected day. The keyboard moves the selection inside the month
// (arrows, Home, End); assistive technology sees the grid as a table (see
// MonthGridAccessible.h). Optional marks: today's cell framed, holidays in
// bold with their captions, ISO week numbers in a column at the left, the
// official working year (days off in the weekend colour, working weekend
// days underlined, short days starred); with none set the grid looks
// exactly as without them.
#include "base/Colours.h"
#include "base/SubscribedDay.h"
#include "base/WorkDayMark.h"
#include "controls/WeekColumn.h"

#include <QDate>
#include <QMap>
#include <QWidget>
#include <array>
#include <bitset>
#include <optional>

// The weekend colour as it reads on background: lightened on a background
// darker than itself (a dark palette's base), the plain red on light ones.
QColor weekendColourOn(const QColor &background);

class MonthGrid : public QWidget {
    Q_OBJECT
public:
    enum class Element { Year = 1, Month = 2, Day = 3 };

    explicit MonthGrid(QWidget *parent = nullptr);

    // Throws DateError for a value outside the enum.
    int dateElement(Element element) const;
    // Replaces one element; throws DateError and keeps the date when the
    // result does not exist (year outside 1..9999, month outside 1..12, a day
    // the month lacks). A year change from 29 February lands on 28 February.
    void setDateElement(Element element, int value);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);

    // Weekday of the first column: 0 = Sunday, 1 = Monday.
    // The first column: Qt::Monday or Qt::Sunday (any other day reads as Monday).
    Qt::DayOfWeek startOfWeek() const { return m_startOfWeek; }
    void setStartOfWeek(Qt::DayOfWeek day);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    QColor color() const { return m_color; }
    void setColor(const QColor &colour);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &colour);

    // Column (0..6) and week row (0..5) where a day of the shown month stands.
    QPoint cellOfDay(int day) const;
    // The same for any date in a grid whose weeks start on startOfWeek.
    static QPoint cellOf(const QDate &date, Qt::DayOfWeek startOfWeek);
    // Day of the shown month in a week-row cell, 0 for a blank cell.
    int dayAt(int column, int week) const;
    // The same for the month of any date laid out from startOfWeek.
    static int dayAt(const QDate &month, Qt::DayOfWeek startOfWeek, int column, int week);
    // Weekday heading of a column: «Пн».
    QString columnHeading(int column) const;
    // Rectangle of a cell; row 0 is the heading row, rows 1..6 the weeks.
    // Shown week numbers take a narrow column at the left and the seven
    // columns share the rest, so the grid keeps its size.
    QRect cellRect(int column, int row) const;
    // The week-number cell of a row (1..6); empty while they are hidden.
    QRect weekNumberRect(int row) const;
    // Day of the shown month under a point, 0 for none.
    int dayAtPosition(const QPoint &pos) const;

    // The date framed as today; an invalid date (the default) frames nothing.
    QDate today() const { return m_today; }
    void setToday(const QDate &today);
    // Days shown in bold, each with its captions (line-separated) as tooltip
    // and accessible description. Dates of other months are ignored, so one
    // map can serve a whole year of grids.
    const QMap<QDate, QString> &holidays() const { return m_holidays; }
    void setHolidays(const QMap<QDate, QString> &holidays);
    bool weekNumbersShown() const { return m_weekNumbers; }
    void setWeekNumbersShown(bool shown);
    // The working year's marks; like the holidays, one map can serve a
    // whole year of grids. Each mark's text joins the day's tooltip and
    // accessible description.
    const QMap<QDate, WorkDayMark> &workDays() const { return m_workDays; }
    void setWorkDays(const QMap<QDate, WorkDayMark> &days);
    // Days of subscribed calendars: a bar in each calendar's colour at the
    // cell's foot, the text joining the tooltip and accessible description.
    const QMap<QDate, SubscribedDay> &subscribedDays() const { return m_subscribed; }
    void setSubscribedDays(const QMap<QDate, SubscribedDay> &days);
    // ISO 8601 number of a week row (0..5): the week of the row's Monday;
    // 0 when the row holds no day of the shown month.
    int weekNumber(int week) const;
    // What a day's cell says besides its number: «сегодня», the day's
    // holiday captions, its working-year mark and its subscribed calendars'
    // events, one per line; empty for an unmarked day.
    QString dayDescription(int day) const;
    // The same without «сегодня»: the day's tooltip.
    QString dayTip(int day) const;

    QSize sizeHint() const override { return {193, 120}; }

signals:
    // The user selected another day.
    void dateChanged();
    // PageUp (delta -1) or PageDown (+1): the user wants the previous or next
    // month's grid. The grid does not know its neighbours; the window that
    // owns them gives the neighbour the focus, leaving every selection as it
    // is. With nothing connected the key goes on to the parent widget.
    void pageRequested(int delta);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    // Days of the shown month that are marked, bit n for day n.
    using DaySet = std::bitset<32>;

    // What a paint needs of the shown month, worked out when the month, the
    // first weekday or a mark changes instead of for every cell of every paint.
    struct MonthLayout {
        int firstColumn = 0; // the column of day 1
        int days = 0;
        int today = 0; // 0 when today is in another month
        DaySet holidays;
        DaySet subscribed;
        DaySet daysOff, workingWeekends, shortDays;
        WeekColumn::Numbers weeks{}; // ISO numbers of the rows, 0 for none
    };

    void selectByUser(const QDate &date);
    void layOutMonth();
    // Sets a day mark, repaints and tells assistive technology what it changed.
    template <typename T> void changeMark(T &mark, const T &value);
    // Makes the bold and week-number fonts again when the grid's font changed.
    void updateFonts() const;
    void drawFocusFrame(QPainter &painter) const;
    // Returns the left edge of the leftmost number's box.
    int drawDays(QPainter &painter, const QColor &text) const;
    // bare: nothing but the background has been drawn into the column.
    void drawWeekNumbers(QPainter &painter, bool bare) const;
    void drawTodayFrame(QPainter &painter, const QRect &cell) const;
    // Underline and star of a working weekend or short day around its number.
    void drawWorkMark(QPainter &painter, int day, const QRect &number) const;
    int weekColumnWidth() const;
    QStringList dayDescriptions() const;

    QDate m_date;
    Qt::DayOfWeek m_startOfWeek = Qt::Monday;
    bool m_readOnly = false;
    QColor m_color = colours::white;
    QColor m_fontColor = colours::black;
    QDate m_today;
    QMap<QDate, QString> m_holidays;
    QMap<QDate, WorkDayMark> m_workDays;
    QMap<QDate, SubscribedDay> m_subscribed;
    bool m_weekNumbers = false;
    MonthLayout m_layout;
    // Made from m_fontBase, the grid's font when they were made: building a
    // font per paint costs a font lookup each time.
    mutable std::optional<QFont> m_fontBase;
    mutable QFont m_boldFont;
    mutable WeekColumn m_weekColumn;
};
