#pragma once
// TCalendar: one month as a grid of day numbers under weekday headings,
// with one selected day. Date elements: 1 = year, 2 = month, 3 = day.
#include "Colours.h"

#include <QDate>
#include <QWidget>

class TCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TCalendar(QWidget *parent = nullptr);

    // Throws DateError for an element other than 1..3.
    int GetDateElement(int element) const;
    // Replaces one element; throws DateError and keeps the date when the
    // result does not exist (year outside 1..9999, month outside 1..12, a day
    // the month lacks). A year change from 29 February lands on 28 February.
    void SetDateElement(int element, int value);

    QDate CalendarDate() const { return m_date; }
    void SetCalendarDate(const QDate &date);

    // Weekday of the first column: 0 = Sunday, 1 = Monday.
    int StartOfWeek() const { return m_startOfWeek; }
    void SetStartOfWeek(int weekday);

    bool UseCurrentDate() const { return m_useCurrentDate; }
    void SetUseCurrentDate(bool use);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor colour);

    // Column (0..6) and week row (0..5) where a day of the shown month stands.
    QPoint cellOfDay(int day) const;
    // Rectangle of a cell; row 0 is the heading row, rows 1..6 the weeks.
    QRect cellRect(int column, int row) const;

    QSize sizeHint() const override { return {193, 120}; }

signals:
    // The user selected another day.
    void dateChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int firstColumnOffset() const;
    void selectByUser(const QDate &date);

    QDate m_date;
    int m_startOfWeek = 1;
    bool m_useCurrentDate = true;
    bool m_readOnly = false;
    TColor m_color = clWhite;
    TColor m_fontColor = clBlack;
};
