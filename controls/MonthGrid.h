#pragma once
// MonthGrid: one month as a grid of day numbers under weekday headings,
// with one selected day. The keyboard moves the selection inside the month
// (arrows, Home, End); assistive technology sees the grid as a table (see
// MonthGridAccessible.h).
#include "Colours.h"

#include <QDate>
#include <QWidget>

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
    int startOfWeek() const { return m_startOfWeek; }
    void setStartOfWeek(int weekday);

    bool useCurrentDate() const { return m_useCurrentDate; }
    void setUseCurrentDate(bool use);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    StoredColour color() const { return m_color; }
    void setColor(StoredColour colour);
    StoredColour fontColor() const { return m_fontColor; }
    void setFontColor(StoredColour colour);

    // Column (0..6) and week row (0..5) where a day of the shown month stands.
    QPoint cellOfDay(int day) const;
    // The same for any date in a grid whose weeks start on startOfWeek.
    static QPoint cellOf(const QDate &date, int startOfWeek);
    // Day of the shown month in a week-row cell, 0 for a blank cell.
    int dayAt(int column, int week) const;
    // The same for the month of any date laid out from startOfWeek.
    static int dayAt(const QDate &month, int startOfWeek, int column, int week);
    // Weekday heading of a column: «Пн».
    QString columnHeading(int column) const;
    // Rectangle of a cell; row 0 is the heading row, rows 1..6 the weeks.
    QRect cellRect(int column, int row) const;

    QSize sizeHint() const override { return {193, 120}; }

signals:
    // The user selected another day.
    void dateChanged();
    // PageUp (delta -1) or PageDown (+1): the user wants the previous or next
    // month's grid. The grid does not know its neighbours; the window that
    // owns them gives the neighbour the focus and, when that month has this
    // grid's day, selects it there (setDateElement(Element::Day, ...)). With
    // nothing connected the key goes on to the parent widget.
    void pageRequested(int delta);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void selectByUser(const QDate &date);
    void drawFocusFrame(QPainter &painter) const;

    QDate m_date;
    int m_startOfWeek = 1;
    bool m_useCurrentDate = true;
    bool m_readOnly = false;
    StoredColour m_color = clWhite;
    StoredColour m_fontColor = clBlack;
};
