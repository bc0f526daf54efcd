#pragma once
// MonthGrid: one month as a grid of day numbers under weekday headings,
// with one selected day.
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
    StoredColour m_color = clWhite;
    StoredColour m_fontColor = clBlack;
};
