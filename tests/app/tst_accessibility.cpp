// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a screen reader and a keyboard user meet it: the main
// window's accessible tree, the value names, the keys of the grids, the menus
// and the dialogs, and text on a dark desktop palette.
#include "controls/MonthGrid.h"
#include "platform/LineEditAccessible.h"
#include "platform/ReadableText.h"
#include "tests/support/QuietProgram.h"
#include "windows/MonthCalendarAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

Q_DECLARE_METATYPE(WindowRole)

namespace {

// Every interface under root, depth first.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    visit(root);
    if (root->role() == QAccessible::Table)
        return; // its cells are checked through the table interface
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *child = root->child(i))
            walk(child, visit);
}

// Alt with a Cyrillic letter, which QTest::keyClick cannot spell.
void pressAlt(QWidget *widget, QChar letter)
{
    const auto key = Qt::Key(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, widget, key, QString(letter.toLower()), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, widget, key, QString(letter.toLower()), Qt::AltModifier);
}

void activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    QuietProgram m_program;
    TestProgram &program() { return *m_program.program; }
    QWidget *window(WindowRole role) { return program().app().window(role); }

private slots:
    void initTestCase()
    {
        m_program.start();
        activate(program().main());
    }
    void cleanupTestCase() { m_program.stop(); }

    void mainWindowReadsAsShown();
    void pageKeysTurnMonths_data();
    void pageKeysTurnMonths();
    void menusOpenWithAltLetters_data();
    void menusOpenWithAltLetters();
    void menuLettersShowWhileAltIsHeld();
    void menuCommandByKeysOnly();
    void monthCalendarsNameTheirPage();
    void lineEditsReadPieces_data();
    void lineEditsReadPieces();
    void resultsAreAnnouncedWhereTheKeyboardIs();
    void labelsAndFieldsReadAsShown();
    void dialogKeys_data();
    void dialogKeys();
    void darkPaletteKeepsTextReadable_data();
    void darkPaletteKeepsTextReadable();
};

void TestAccessibility::mainWindowReadsAsShown()
{
    QMetaObject::invokeMethod(program().control<QObject>("clockTimer"), "timeout");
    const QString year = QString::number(program().model().year());
    QStringList tables;
    QMap<QString, QString> values; // description -> name
    walk(QAccessible::queryAccessibleInterface(program().main()), [&](QAccessibleInterface *node) {
        if (node->role() == QAccessible::Table)
            tables << node->text(QAccessible::Name);
        else if (!node->text(QAccessible::Name).isEmpty())
            values[node->text(QAccessible::Description)] = node->text(QAccessible::Name);
    });
    QCOMPARE(tables.size(), 12);
    QCOMPARE(tables.first(), QStringLiteral("Январь ") + year);
    QCOMPARE(tables.last(), QStringLiteral("Декабрь ") + year);
    QCOMPARE(values.value(QStringLiteral("Текущий год")), year);
    QCOMPARE(values.value(QStringLiteral("Системное время")),
             program().control<QLabel>("timeLine")->text().trimmed());
    // A date field is named by its heading: a reader speaks its value anyway.
    auto *today =
        QAccessible::queryAccessibleInterface(program().control<QDateEdit>("todayPicker"));
    QCOMPARE(today->text(QAccessible::Name), QStringLiteral("Сегодня"));
    // Its drop-down is a month calendar read as the others are, from the start.
    auto *popupDays =
        program().control<QDateEdit>("todayPicker")->calendarWidget()->findChild<QTableView *>();
    QVERIFY(
        dynamic_cast<MonthCalendarAccessible *>(QAccessible::queryAccessibleInterface(popupDays)));
    // The names follow the values. (Offscreen Qt sends no events to listen to.)
    program().model().setYear(2031);
    QCOMPARE(program().control<QLabel>("yearLabel")->accessibleName(), QStringLiteral("2031"));
    auto *timeLine = program().control<QLabel>("timeLine");
    QMetaObject::invokeMethod(program().control<QObject>("clockTimer"), "timeout");
    QVERIFY(timeLine->text().endsWith(timeLine->accessibleName()));

    // Each month's chosen day is the selected cell (the cells: tst_monthgrid).
    for (int month = 1; month <= 12; ++month) {
        program().model().setDay(month, month + 10);
        const auto selected =
            QAccessible::queryAccessibleInterface(program().main()->grids()[month - 1])
                ->tableInterface()
                ->selectedCells();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first()->text(QAccessible::Name), QString::number(month + 10));
    }
}

void TestAccessibility::pageKeysTurnMonths_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focused"); // month whose grid has the keyboard afterwards
    QTest::newRow("next month") << 2 << int(Qt::Key_PageDown) << 3;
    QTest::newRow("previous month") << 3 << int(Qt::Key_PageUp) << 2;
    QTest::newRow("January stays") << 1 << int(Qt::Key_PageUp) << 1;
    QTest::newRow("December stays") << 12 << int(Qt::Key_PageDown) << 12;
}

void TestAccessibility::pageKeysTurnMonths()
{
    QFETCH(int, month);
    QFETCH(int, key);
    QFETCH(int, focused);
    CalendarModel &model = program().model();
    model.setYear(2026);
    // Every month on its own day: moving between grids must change none.
    for (int m = 1; m <= 12; ++m)
        model.setDay(m, m + 5);
    const auto &grids = program().main()->grids();
    activate(program().main());
    grids[month - 1]->setFocus();
    QTest::keyClick(grids[month - 1], Qt::Key(key));
    QVERIFY(grids[focused - 1]->hasFocus());
    for (int m = 1; m <= 12; ++m)
        QCOMPARE(model.day(m), m + 5);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grids[focused - 1]);
    QCOMPARE(table->focusChild()->text(QAccessible::Name), QString::number(focused + 5));
}

void TestAccessibility::lineEditsReadPieces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QStringList>("pieces"); // before, at and after the offset
    const QString holiday = QStringLiteral("8 марта Женский день");
    const int word = QAccessible::WordBoundary;
    QTest::newRow("word with its space")
        << holiday << 4 << word << QStringList{"8 ", "марта ", "Женский "};
    QTest::newRow("word at the end")
        << holiday << int(holiday.size()) << word << QStringList{"Женский ", "день", ""};
    QTest::newRow("punctuation stays with its word")
        << QStringLiteral("Да, нет") << 1 << word << QStringList{"", "Да, ", "нет"};
    QTest::newRow("sentence") << QStringLiteral("Один. Два.") << 7
                              << int(QAccessible::SentenceBoundary)
                              << QStringList{"Один. ", "Два.", ""};
    QTest::newRow("the field is one line")
        << holiday << 3 << int(QAccessible::LineBoundary) << QStringList{"", holiday, ""};
    QTest::newRow("no character after the end")
        << QStringLiteral("ab") << 2 << int(QAccessible::CharBoundary) << QStringList{"b", "", ""};
}

void TestAccessibility::lineEditsReadPieces()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QStringList, pieces);
    // The year field is a program field like any other; a stock one loops for
    // ever on the word question.
    auto *edit = program().control<QLineEdit>("yearEdit");
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(dynamic_cast<LineEditAccessible *>(field));
    const QString shown = edit->text();
    edit->setMaxLength(100);
    edit->setText(text);
    QAccessibleTextInterface *reader = field->textInterface();
    const auto type = QAccessible::TextBoundaryType(boundary);
    int start = 0, end = 0;
    QCOMPARE(reader->textBeforeOffset(offset, type, &start, &end), pieces[0]);
    QCOMPARE(reader->textAtOffset(offset, type, &start, &end), pieces[1]);
    QCOMPARE(text.mid(start, end - start), pieces[1]);
    QCOMPARE(reader->textAfterOffset(offset, type, &start, &end), pieces[2]);
    edit->setMaxLength(4);
    edit->setText(shown);
}

void TestAccessibility::resultsAreAnnouncedWhereTheKeyboardIs()
{
    activate(program().main());
    auto *next = program().control<QPushButton>("nextYearButton");
    next->setFocus();
    next->click();
    auto *note = program().main()->findChild<QWidget *>(QStringLiteral("announcement"));
    QVERIFY(note && note->isVisible());
    QAccessibleInterface *told = QAccessible::queryAccessibleInterface(note);
    QCOMPARE(told->role(), QAccessible::Notification);
    QCOMPARE(told->text(QAccessible::Name),
             QString::number(program().model().year()) + QStringLiteral(" год"));
    QVERIFY(next->hasFocus());

    // F10 opens the first menu on its first item.
    auto *menu = program().control<QMenu>("menuProfiles");
    QTest::keyClick(next, Qt::Key_F10);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), menu->actions().first());
    menu->close();
}

void TestAccessibility::menusOpenWithAltLetters_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("letter");
    const char *const rows[][2] = {
        {"menuProfiles", "П"}, {"menuCalendar", "К"}, {"menuGoTo", "Е"},
        {"menuPrint", "Ч"},    {"menuView", "В"},     {"menuWindows", "О"},
        {"menuSettings", "Н"}, {"menuSave", "С"},     {"menuHelp", "М"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void TestAccessibility::menusOpenWithAltLetters()
{
    QFETCH(QString, menu);
    QFETCH(QString, letter);
    auto *opened = program().main()->findChild<QMenu *>(menu);
    QVERIFY(opened);
    // A screen reader gets the title without its mnemonic mark.
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(program().main()->menuBar());
    QStringList titles;
    for (int i = 0; i < bar->childCount(); ++i)
        titles << bar->child(i)->text(QAccessible::Name);
    QVERIFY2(titles.contains(opened->title().remove(QLatin1Char('&'))),
             qPrintable(titles.join('|')));
    activate(program().main());
    pressAlt(program().main(), letter.at(0));
    QTRY_VERIFY(opened->isVisible());
    opened->hide();
}

void TestAccessibility::menuLettersShowWhileAltIsHeld()
{
    QMenuBar *bar = program().main()->menuBar();
    auto underlined = [bar] {
        return bar->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, bar);
    };
    activate(program().main());
    QCOMPARE(underlined(), 0);
    QTest::keyPress(program().main(), Qt::Key_Alt);
    QCOMPARE(underlined(), 1);
    QTest::keyRelease(program().main(), Qt::Key_Alt);
    QCOMPARE(underlined(), 0);
}

void TestAccessibility::menuCommandByKeysOnly()
{
    activate(program().main());
    pressAlt(program().main(), QChar(u'Е'));
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QTRY_VERIFY(program().app().isWindowVisible(WindowRole::GoToDate));
    window(WindowRole::GoToDate)->hide();
}

void TestAccessibility::monthCalendarsNameTheirPage()
{
    auto *calendar = window(WindowRole::MonthCompare)->findChild<QCalendarWidget *>();
    calendar->setCurrentPage(2027, 2);
    for (QObject *part : {static_cast<QObject *>(calendar),
                          static_cast<QObject *>(calendar->findChild<QTableView *>())})
        QCOMPARE(QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name),
                 QStringLiteral("Февраль 2027"));
    QCOMPARE(calendar->findChild<QWidget *>("qt_calendar_prevmonth")->accessibleName(),
             QStringLiteral("Предыдущий месяц"));
}

void TestAccessibility::labelsAndFieldsReadAsShown()
{
    for (WindowRole role : {WindowRole::Settings, WindowRole::GoToDate, WindowRole::Background,
                            WindowRole::MiniView, WindowRole::PrintScale}) {
        QWidget *shown = window(role);
        // A caption is read whole, not by its first word.
        for (QLabel *label : shown->findChildren<QLabel *>()) {
            QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
            const QString read =
                node->text(QAccessible::Name) + ' ' + node->text(QAccessible::Description);
            QVERIFY2(read.simplified().contains(label->text().simplified()),
                     qPrintable(label->objectName()));
        }
        // Where the keyboard lands, a reader names the field, by its heading if it has one.
        walk(QAccessible::queryAccessibleInterface(shown), [](QAccessibleInterface *node) {
            if (node->role() == QAccessible::EditableText || node->role() == QAccessible::ComboBox)
                QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                         qPrintable(node->object()->objectName()));
        });
        const auto widgets = shown->findChildren<QWidget *>();
        for (QLabel *heading : shown->findChildren<QLabel *>())
            for (QWidget *field : widgets)
                if (field->focusPolicy() != Qt::NoFocus && field != heading &&
                    !qobject_cast<QComboBox *>(field->parentWidget()) &&
                    !field->accessibleName().isEmpty() &&
                    field->accessibleName() == heading->text().trimmed())
                    QVERIFY2(heading->buddy() == field, qPrintable(heading->objectName()));
    }
}

void TestAccessibility::dialogKeys_data()
{
    QTest::addColumn<WindowRole>("role");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("prints"); // print dialogs run
    QTest::newRow("print scaling: Enter prints")
        << WindowRole::PrintScale << int(Qt::Key_Return) << 1;
    QTest::newRow("print scaling: Escape") << WindowRole::PrintScale << int(Qt::Key_Escape) << 0;
    for (WindowRole role : {WindowRole::MonthCompare, WindowRole::GoToDate, WindowRole::Settings,
                            WindowRole::Background, WindowRole::About, WindowRole::FloatingClock,
                            WindowRole::DateSpan, WindowRole::OneMonth, WindowRole::ExitBar})
        QTest::addRow("Escape, window %d", int(role)) << role << int(Qt::Key_Escape) << 0;
}

void TestAccessibility::dialogKeys()
{
    QFETCH(WindowRole, role);
    QFETCH(int, key);
    QFETCH(int, prints);
    m_program.dialogs.clear();
    m_program.dialogs.printAnswer = false;
    program().app().showWindow(role);
    QWidget *shown = window(role);
    activate(shown);
    // A window, named by its caption, whatever widget it is built on.
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(shown);
    QVERIFY(read->role() == QAccessible::Window || read->role() == QAccessible::Dialog);
    QCOMPARE(read->text(QAccessible::Name), shown->windowTitle());
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(!shown->isVisible());
    QCOMPARE(m_program.dialogs.printDialogs, prints);
    // Leaving the one-month view asks what next; Escape there goes back to it.
    QCOMPARE(program().app().isWindowVisible(WindowRole::ExitBar), role == WindowRole::OneMonth);
    QCOMPARE(program().app().isWindowVisible(WindowRole::OneMonth), role == WindowRole::ExitBar);
    for (WindowRole other : {WindowRole::ExitBar, WindowRole::OneMonth})
        program().app().hideWindow(other);
}

void TestAccessibility::darkPaletteKeepsTextReadable_data()
{
    QTest::addColumn<WindowRole>("role");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("described"); // under a light palette
    QTest::newRow("print scaling advice") << WindowRole::PrintScale << "noteLabel4" << colours::red;
    QTest::newRow("print background warning")
        << WindowRole::Settings << "printWarning" << colours::red;
    QTest::newRow("go-to-date heading") << WindowRole::GoToDate << "dayHeading" << colours::black;
    QTest::newRow("minimised view heading")
        << WindowRole::MiniView << "todayHeading" << colours::black;
    QTest::newRow("background option")
        << WindowRole::Background << "colourOption" << colours::black;
}

void TestAccessibility::darkPaletteKeepsTextReadable()
{
    QFETCH(WindowRole, role);
    QFETCH(QString, control);
    QFETCH(QColor, described);
    auto *text = window(role)->findChild<QWidget *>(control);
    QVERIFY(text);
    const QWidget *behind = text->autoFillBackground() ? text : text->window();
    auto shown = [text] { return text->palette().color(text->foregroundRole()); };
    auto background = [behind] { return behind->palette().color(behind->backgroundRole()); };
    QTRY_COMPARE(shown(), described);

    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    QVERIFY(darkPaletteInUse());
    QTRY_VERIFY2(contrastRatio(shown(), background()) >= 4.5, qPrintable(shown().name()));
    QApplication::setPalette(light);
    QTRY_COMPARE(shown(), described);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
