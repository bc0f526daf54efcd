// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid: date elements, their failures, week start and selection;
// its accessible table, keyboard and focus frame; today, holiday and
// week-number marks.
#include "base/Errors.h"
#include "controls/DayBars.h"
#include "controls/MonthGrid.h"
#include "controls/MonthGridAccessible.h"
#include "controls/PixelLines.h"
#include "controls/WeekColumn.h"
#include "platform/ReadableText.h"
#include "tests/support/TestSupport.h"

#include <QAccessible>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

namespace {

QAccessibleInterface *cellOf(MonthGrid &grid, int day)
{
    const QPoint cell = grid.cellOfDay(day);
    return QAccessible::queryAccessibleInterface(&grid)->tableInterface()->cellAt(cell.y(),
                                                                                  cell.x());
}

// Bounding box of the pixels that differ between two pictures.
QRect changedPixels(const QImage &a, const QImage &b)
{
    QImage difference = a.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&difference);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.drawImage(0, 0, b);
    painter.end();
    return pixelsWhere(difference, [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0; });
}

} // namespace

class MonthGridTest : public QObject {
    Q_OBJECT
private slots:
    void unknownElementThrows();
    void setElement_data();
    void setElement();
    void yearChangeFromLeapDay();
    void weekStartMovesColumns();
    void mouseAndKeysSelectInsideMonth();
    void readOnlyIgnoresUser();
    void accessibleTable_data();
    void accessibleTable();
    void keysMoveAndAnnounce_data();
    void keysMoveAndAnnounce();
    void focusFrameOnlyWhenFocused();
    void dayMarks_data();
    void dayMarks();
    void weekNumbers_data();
    void weekNumbers();
    void subscribedDays_data();
    void subscribedDays();
    void quickPaintSetsSamePixels();
    void weekendColourOnBackgrounds();
    void outerLinesAtFractionalScales_data();
    void outerLinesAtFractionalScales();
};

void MonthGridTest::unknownElementThrows()
{
    MonthGrid grid;
    QVERIFY_THROWS_EXCEPTION(DateError, grid.dateElement(MonthGrid::Element(4)));
}

void MonthGridTest::setElement_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("value");
    QTest::addColumn<QDate>("expected"); // invalid: the call fails, date kept
    const QDate apr15(2026, 4, 15);
    QTest::newRow("year") << apr15 << 1 << 2008 << QDate(2008, 4, 15);
    QTest::newRow("year 1") << apr15 << 1 << 1 << QDate(1, 4, 15);
    QTest::newRow("year 9999") << apr15 << 1 << 9999 << QDate(9999, 4, 15);
    QTest::newRow("year 0") << apr15 << 1 << 0 << QDate();
    QTest::newRow("year 10000") << apr15 << 1 << 10000 << QDate();
    QTest::newRow("year negative") << apr15 << 1 << -5 << QDate();
    QTest::newRow("month") << apr15 << 2 << 12 << QDate(2026, 12, 15);
    QTest::newRow("month 0") << apr15 << 2 << 0 << QDate();
    QTest::newRow("month 13") << apr15 << 2 << 13 << QDate();
    QTest::newRow("month without day") << QDate(2026, 1, 31) << 2 << 4 << QDate();
    QTest::newRow("day") << apr15 << 3 << 30 << QDate(2026, 4, 30);
    QTest::newRow("day 31 in April") << apr15 << 3 << 31 << QDate();
    QTest::newRow("day 0") << apr15 << 3 << 0 << QDate();
    QTest::newRow("element 4") << apr15 << 4 << 1 << QDate();
}

void MonthGridTest::setElement()
{
    QFETCH(QDate, start);
    QFETCH(int, element);
    QFETCH(int, value);
    QFETCH(QDate, expected);
    MonthGrid grid;
    grid.setDate(start);
    if (expected.isValid()) {
        grid.setDateElement(MonthGrid::Element(element), value);
        QCOMPARE(grid.date(), expected);
    } else {
        QVERIFY_THROWS_EXCEPTION(DateError,
                                 grid.setDateElement(MonthGrid::Element(element), value));
        QCOMPARE(grid.date(), start);
    }
}

void MonthGridTest::yearChangeFromLeapDay()
{
    MonthGrid grid;
    grid.setDate(QDate(2008, 2, 29));
    grid.setDateElement(MonthGrid::Element::Year, 2009);
    QCOMPARE(grid.date(), QDate(2009, 2, 28));
    grid.setDateElement(MonthGrid::Element::Year, 2012); // the 29th does not come back by itself
    QCOMPARE(grid.date(), QDate(2012, 2, 28));
}

void MonthGridTest::weekStartMovesColumns()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 3, 1)); // a Sunday
    QCOMPARE(grid.startOfWeek(), Qt::Monday);
    QCOMPARE(grid.cellOfDay(1), QPoint(6, 0));
    QCOMPARE(grid.cellOfDay(2), QPoint(0, 1));
    // Six week rows are enough for the longest spread: 31 days from a Sunday.
    QCOMPARE(grid.cellOfDay(31), QPoint(1, 5));
    grid.setStartOfWeek(Qt::Sunday);
    QCOMPARE(grid.cellOfDay(1), QPoint(0, 0));
    QCOMPARE(grid.cellOfDay(31), QPoint(2, 4));
}

void MonthGridTest::mouseAndKeysSelectInsideMonth()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 4, 15));
    QSignalSpy changed(&grid, &MonthGrid::dateChanged);
    const QPoint cell = grid.cellOfDay(9);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(cell.x(), cell.y() + 1).center());
    QCOMPARE(grid.date(), QDate(2026, 4, 9));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 16);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 17);
    QCOMPARE(changed.count(), 3);
    grid.setDateElement(MonthGrid::Element::Day, 30);
    QTest::keyClick(&grid, Qt::Key_Right); // would leave April
    QCOMPARE(grid.date(), QDate(2026, 4, 30));
    // A click on the heading row selects nothing.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(0, 0).center());
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 30);
}

void MonthGridTest::readOnlyIgnoresUser()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 4, 15));
    grid.setReadOnly(true);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 15);
    grid.setDateElement(MonthGrid::Element::Day, 2); // the program itself still sets it
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 2);
}

void MonthGridTest::accessibleTable_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Qt::DayOfWeek>("startOfWeek");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QPoint>("blank"); // column, week
    const QStringList monday{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    QStringList sunday = monday;
    sunday.prepend(sunday.takeLast());
    // April 2026 begins on a Wednesday, March 2026 on a Sunday.
    QTest::newRow("April, Monday first")
        << QDate(2026, 4, 15) << Qt::Monday << "Апрель 2026" << monday << QPoint(1, 0);
    QTest::newRow("March, Sunday first")
        << QDate(2026, 3, 31) << Qt::Sunday << "Март 2026" << sunday << QPoint(3, 4);
    QTest::newRow("year 1") << QDate(1, 1, 1) << Qt::Monday << "Январь 1" << monday << QPoint(6, 5);
}

void MonthGridTest::accessibleTable()
{
    QFETCH(QDate, date);
    QFETCH(Qt::DayOfWeek, startOfWeek);
    QFETCH(QString, name);
    QFETCH(QStringList, headings);
    QFETCH(QPoint, blank);
    MonthGrid grid;
    grid.setStartOfWeek(startOfWeek);
    grid.setDate(date);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), name);
    QCOMPARE(table->tableInterface()->rowCount(), 6);
    QCOMPARE(table->tableInterface()->columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
        const auto header =
            table->tableInterface()->cellAt(0, column)->tableCellInterface()->columnHeaderCells();
        QCOMPARE(header.size(), 1);
        QCOMPARE(header.first()->role(), QAccessible::ColumnHeader);
        QCOMPARE(header.first()->text(QAccessible::Name), headings.at(column));
    }
    QAccessibleInterface *empty = table->tableInterface()->cellAt(blank.y(), blank.x());
    QCOMPARE(empty->text(QAccessible::Name), QString());
    QVERIFY(!empty->state().selected);
    for (int day = 1; day <= date.daysInMonth(); ++day) {
        QAccessibleInterface *cell = cellOf(grid, day);
        QCOMPARE(cell->text(QAccessible::Name), QString::number(day));
        QCOMPARE(bool(cell->state().selected), day == date.day());
        QCOMPARE(table->child(table->indexOfChild(cell)), cell);
    }
    QCOMPARE(table->tableInterface()->selectedCells().value(0), cellOf(grid, date.day()));

    // Another week start renames the seven headings, not the table.
    grid.setStartOfWeek(startOfWeek == Qt::Monday ? Qt::Sunday : Qt::Monday);
    int renamed = 0;
    for (const MonthGridAnnouncement &event : monthGridAnnouncements(grid, date, startOfWeek)) {
        QVERIFY(event.child >= 0);
        renamed += event.type == QAccessible::NameChanged && event.child < 7;
    }
    QCOMPARE(renamed, 7);
}

void MonthGridTest::keysMoveAndAnnounce_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected"); // day afterwards
    QTest::addColumn<int>("page");     // pageRequested delta, 0 for none
    QTest::newRow("Home") << 15 << int(Qt::Key_Home) << 1 << 0;
    QTest::newRow("End") << 15 << int(Qt::Key_End) << 30 << 0;
    QTest::newRow("Up") << 15 << int(Qt::Key_Up) << 8 << 0;
    QTest::newRow("Up past the 1st") << 3 << int(Qt::Key_Up) << 3 << 0;
    QTest::newRow("Left") << 15 << int(Qt::Key_Left) << 14 << 0;
    QTest::newRow("PageUp") << 15 << int(Qt::Key_PageUp) << 15 << -1;
    QTest::newRow("PageDown") << 15 << int(Qt::Key_PageDown) << 15 << 1;
}

void MonthGridTest::keysMoveAndAnnounce()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    QFETCH(int, page);
    MonthGrid grid;
    grid.setDate(QDate(2026, 4, start));
    grid.show();
    grid.activateWindow();
    grid.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    QSignalSpy pages(&grid, &MonthGrid::pageRequested);

    const QDate before = grid.date();
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.date(), QDate(2026, 4, expected));
    QCOMPARE(pages.count(), page ? 1 : 0);
    if (page)
        QCOMPARE(pages.first().first().toInt(), page);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    QAccessibleInterface *cell = cellOf(grid, expected);
    QCOMPARE(table->focusChild(), cell);
    QVERIFY(cell->state().focused);
    // Offscreen Qt delivers no accessibility events, so check what the grid tells.
    int focusEvents = 0;
    for (const MonthGridAnnouncement &event :
         monthGridAnnouncements(grid, before, grid.startOfWeek())) {
        if (event.type == QAccessible::Focus) {
            ++focusEvents;
            QCOMPARE(event.child, table->indexOfChild(cell));
        }
    }
    QCOMPARE(focusEvents, expected == start ? 0 : 1);
}

void MonthGridTest::focusFrameOnlyWhenFocused()
{
    QWidget window;
    window.resize(300, 200);
    auto *grid = new MonthGrid(&window);
    grid->setDate(QDate(2026, 4, 15));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->clearFocus();
    const QImage plain = grid->grab().toImage();
    grid->setFocus();
    QVERIFY(grid->hasFocus());
    const QImage focused = grid->grab().toImage();
    // Every changed pixel lies in the frame band just inside the border.
    const QRect inner = grid->rect().adjusted(3, 3, -3, -3);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != focused.pixel(x, y)) {
                ++changed;
                QVERIFY2(!inner.contains(x, y) &&
                             grid->rect().adjusted(1, 1, -1, -1).contains(x, y),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(changed > 2 * (grid->width() + grid->height()));
    grid->clearFocus();
    QCOMPARE(grid->grab().toImage(), plain);
}

void MonthGridTest::dayMarks_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("holiday");
    QTest::addColumn<int>("markedDay"); // 0: nothing in April 2026 is marked
    QTest::addColumn<QString>("description");
    const QDate none;
    QTest::newRow("today") << QDate(2026, 4, 22) << none << 22 << "сегодня";
    QTest::newRow("today is the chosen day") << QDate(2026, 4, 15) << none << 15 << "сегодня";
    QTest::newRow("holiday") << none << QDate(2026, 4, 12) << 12 << "Пасха\nВоскресенье";
    QTest::newRow("both") << QDate(2026, 4, 12) << QDate(2026, 4, 12) << 12
                          << "сегодня\nПасха\nВоскресенье";
    QTest::newRow("other month") << QDate(2026, 5, 22) << QDate(2026, 5, 12) << 0 << "";
    QTest::newRow("other year") << QDate(2025, 4, 22) << QDate(2027, 4, 12) << 0 << "";
}

void MonthGridTest::dayMarks()
{
    QFETCH(QDate, today);
    QFETCH(QDate, holiday);
    QFETCH(int, markedDay);
    QFETCH(QString, description);
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 4, 15));
    const QImage plain = grid.grab().toImage();

    grid.setToday(today);
    QMap<QDate, QString> holidays;
    if (holiday.isValid())
        holidays.insert(holiday, QStringLiteral("Пасха\nВоскресенье"));
    grid.setHolidays(holidays);
    const QImage marked = grid.grab().toImage();
    // Only the marked day's cell changes.
    const QRect changed = changedPixels(plain, marked);
    if (markedDay) {
        const QPoint cell = grid.cellOfDay(markedDay);
        QVERIFY(!changed.isEmpty());
        QVERIFY(grid.cellRect(cell.x(), cell.y() + 1).contains(changed));
        QCOMPARE(cellOf(grid, markedDay)->text(QAccessible::Description), description);
    } else {
        QVERIFY(changed.isEmpty());
    }
    for (int day = 1; day <= 30; ++day)
        if (day != markedDay)
            QCOMPARE(cellOf(grid, day)->text(QAccessible::Description), QString());

    // A holiday shows its captions as a tooltip; other days show none.
    if (holiday.isValid() && markedDay) {
        const QPoint cell = grid.cellOfDay(markedDay);
        const QPoint at = grid.cellRect(cell.x(), cell.y() + 1).center();
        QHelpEvent help(QEvent::ToolTip, at, grid.mapToGlobal(at));
        QApplication::sendEvent(&grid, &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Пасха\nВоскресенье"));
        QToolTip::hideText();
    }

    // Taking the marks away leaves the grid exactly as it was.
    grid.setToday(QDate());
    grid.setHolidays({});
    QCOMPARE(grid.grab().toImage(), plain);
}

void MonthGridTest::subscribedDays_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("light") << QColor(Qt::white) << QColor(0x00, 0x00, 0x80);
    QTest::newRow("dark") << QColor(0x20, 0x20, 0x20) << QColor(0x00, 0x00, 0x80);
}

void MonthGridTest::subscribedDays()
{
    QFETCH(QColor, background);
    QFETCH(QColor, colour);
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setColor(background);
    grid.setDate(QDate(2026, 4, 15));
    // Today, a holiday and a working-year mark on the same day stay as they are.
    const QDate day(2026, 4, 11);
    grid.setToday(day);
    grid.setHolidays({{day, QStringLiteral("Пасха")}});
    grid.setWorkDays({{day, WorkDayMark{false, true, true, QStringLiteral("Рабочая суббота")}}});
    const QImage plain = grid.grab().toImage();
    grid.setSubscribedDays(
        {{day, SubscribedDay{{colour, Qt::red}, QStringLiteral("Спорт: Матч")}}});
    const QImage marked = grid.grab().toImage();
    const QPoint cell = grid.cellOfDay(11);
    const QRect bar = dayBarRect(grid.cellRect(cell.x(), cell.y() + 1));
    QVERIFY(bar.contains(changedPixels(plain, marked)));
    // The first calendar's half of the bar, readable on the grid.
    const QColor drawn = marked.pixelColor(bar.left(), bar.top());
    QCOMPARE(drawn, barColourOn(colour, background));
    QVERIFY(contrastRatio(drawn, background) >= 3.0);
    QCOMPARE(marked.pixelColor(bar.right(), bar.bottom()), barColourOn(Qt::red, background));
    QCOMPARE(cellOf(grid, 11)->text(QAccessible::Description),
             QStringLiteral("сегодня\nПасха\nРабочая суббота\nСпорт: Матч"));
    grid.setSubscribedDays({});
    QCOMPARE(grid.grab().toImage(), plain);
}

void MonthGridTest::weekNumbers_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<Qt::DayOfWeek>("startOfWeek");
    QTest::addColumn<QList<int>>("numbers"); // rows 0..5, 0 for an empty row
    // 1 January 2021 is a Friday of the last week of 2020.
    QTest::newRow("week 53 in January")
        << QDate(2021, 1, 1) << Qt::Monday << QList<int>{53, 1, 2, 3, 4, 0};
    // 1 December 2024 is a Sunday; the 30th begins week 1 of 2025.
    QTest::newRow("Sunday first, week 1 in December")
        << QDate(2024, 12, 1) << Qt::Sunday << QList<int>{49, 50, 51, 52, 1, 0};
    QTest::newRow("Monday first, six rows")
        << QDate(2024, 12, 1) << Qt::Monday << QList<int>{48, 49, 50, 51, 52, 1};
}

void MonthGridTest::weekNumbers()
{
    QFETCH(QDate, month);
    QFETCH(Qt::DayOfWeek, startOfWeek);
    QFETCH(QList<int>, numbers);
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setStartOfWeek(startOfWeek);
    grid.setDate(month);
    const QImage plain = grid.grab().toImage();
    QCOMPARE(grid.weekNumberRect(1).width(), 0);

    grid.setWeekNumbersShown(true);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    for (int week = 0; week < 6; ++week) {
        QCOMPARE(grid.weekNumber(week), numbers.at(week));
        QCOMPARE(table->tableInterface()->rowDescription(week),
                 numbers.at(week) ? QStringLiteral("неделя %1").arg(numbers.at(week)) : QString());
    }
    // The column narrows the seven others; the grid keeps its size and a
    // click still finds its day.
    const QRect column = grid.weekNumberRect(1);
    QVERIFY(column.width() > 10 && column.left() == 0);
    QCOMPARE(grid.cellRect(0, 1).left(), column.right() + 1);
    QCOMPARE(grid.cellRect(6, 1).right(), grid.width() - 1);
    QCOMPARE(grid.size(), QSize(193, 120));
    const QPoint cell = grid.cellOfDay(10);
    QCOMPARE(grid.dayAtPosition(grid.cellRect(cell.x(), cell.y() + 1).center()), 10);
    QVERIFY(grid.grab().toImage() != plain);

    grid.setWeekNumbersShown(false);
    QCOMPARE(grid.grab().toImage(), plain);
}

// Fills in place of lines, and the week column's kept picture, against
// drawing them as a vector target would.
void MonthGridTest::quickPaintSetsSamePixels()
{
    QImage filled(60, 40, QImage::Format_ARGB32_Premultiplied), drawn = filled;
    filled.fill(Qt::white);
    drawn.fill(Qt::white);
    const QColor colour(0x40, 0x80, 0xC0);
    {
        QPainter quick(&filled), plain(&drawn);
        const PixelLines lines(quick, colour);
        plain.setPen(colour);
        for (const QRect &line : {QRect(3, 0, 1, 40), QRect(0, 7, 60, 1)}) {
            lines.line(line);
            plain.drawLine(line.topLeft(), line.bottomRight());
        }
        for (const QRect &frame :
             {QRect(10, 10, 20, 12), QRect(40, 30, 5, 1), QRect(50, 5, 0, 9)}) {
            lines.frame(frame);
            plain.drawRect(frame);
        }
    }
    QCOMPARE(filled, drawn);

    // The kept picture follows the numbers, the cells and the background.
    WeekColumn kept, drawnAlways;
    kept.setFont(QApplication::font());
    drawnAlways.setFont(QApplication::font());
    WeekColumn::Cells cells;
    for (int row = 0; row < 6; ++row)
        cells[size_t(row)] = QRect(0, 17 + row * 17, 24, 17);
    const WeekColumn::Numbers numbers[] = {{14, 15, 16, 17, 18, 0}, {53, 1, 2, 3, 4, 5}};
    for (const QColor background : {QColor(Qt::white), QColor(Qt::yellow)})
        for (const WeekColumn::Numbers &shown : numbers) {
            QImage picture(24, 120, QImage::Format_ARGB32_Premultiplied), text = picture;
            picture.fill(background);
            text.fill(background);
            QPainter toPicture(&picture), toText(&text);
            kept.draw(toPicture, shown, cells, background);
            drawnAlways.draw(toText, shown, cells, std::nullopt);
            toPicture.end();
            toText.end();
            QCOMPARE(picture, text);
            QImage blank(picture.size(), picture.format());
            blank.fill(background);
            QVERIFY(picture != blank);
        }
}

// The plain red on the light grids, a readable one of its hue on dark ones.
void MonthGridTest::weekendColourOnBackgrounds()
{
    for (const QColor &light : {colours::white, colours::cream, colours::skyBlue})
        QCOMPARE(weekendColourOn(light), weekendColour());
    for (const QColor &dark : {colours::black, colours::navy, QColor(0x1E, 0x1E, 0x1E)}) {
        const QColor red = weekendColourOn(dark);
        QVERIFY(contrastRatio(red, dark) >= 4.5);
        QCOMPARE(red.hue(), 0);
    }
}

void MonthGridTest::outerLinesAtFractionalScales_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("offset"); // where the grid stands in its window
    QTest::newRow("1.25") << 1.25 << QPoint(0, 0);
    QTest::newRow("1.5") << 1.5 << QPoint(0, 0);
    QTest::newRow("1.5 at an odd place") << 1.5 << QPoint(17, 9);
    QTest::newRow("2") << 2.0 << QPoint(0, 0);
}

// The outline's right and bottom lines in the last device pixels the grid
// covers, as a window at that scale shows them.
void MonthGridTest::outerLinesAtFractionalScales()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    MonthGrid grid;
    grid.resize(193, 120);
    // The device pixels whose centres lie inside the grid's area.
    const auto end = [ratio](int logical) { return qCeil(logical * ratio - 0.5); };
    QImage image(end(offset.x() + grid.width()), end(offset.y() + grid.height()),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    grid.render(&image, offset);
    const QRect painted = pixelsWhere(image, [](QRgb pixel) { return qGray(pixel) != 0; });
    QCOMPARE(painted.bottomRight(), QPoint(image.width() - 1, image.height() - 1));
    const QRgb line = qRgb(0xC0, 0xC0, 0xC0);
    for (int y = painted.top(); y <= painted.bottom(); ++y) {
        QCOMPARE(image.pixel(painted.left(), y), line);
        QCOMPARE(image.pixel(painted.right(), y), line);
    }
    for (int x = painted.left(); x <= painted.right(); ++x) {
        QCOMPARE(image.pixel(x, painted.top()), line);
        QCOMPARE(image.pixel(x, painted.bottom()), line);
    }
}

QTEST_MAIN(MonthGridTest)
#include "tst_monthgrid.moc"
