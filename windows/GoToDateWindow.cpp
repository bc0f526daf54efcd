// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/GoToDateWindow.h"

#include "base/Convert.h"
#include "base/Errors.h"
#include "base/RussianText.h"
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "platform/Announcement.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/ReadableText.h"
#include "platform/Widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char *const kPrompt = "Нажмите ---------------->";

void paintCream(QWidget *field)
{
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, colours::cream);
    // Dark text on the cream, whatever the desktop palette.
    pal.setColor(QPalette::Text, colours::black);
    field->setPalette(pal);
}

// Nothing picked: the prompt shows, and the first arrow key picks "1".
void showPrompt(QComboBox *box, const QString &prompt)
{
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
}

// A list to pick from: the text shows the prompt until a pick, and nothing
// typed, pasted or deleted reaches it.
QComboBox *pickList(QWidget *parent, const char *name, const QString &accessibleName, int last,
                    const QRect &geometry)
{
    auto *box = place(new QComboBox(parent), geometry.x(), geometry.y(), geometry.width(),
                      geometry.height());
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    // Where the toolkit names the list by its text, the heading still describes it.
    box->setAccessibleDescription(accessibleName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    for (int i = 1; i <= last; ++i)
        box->addItem(QString::number(i));
    box->lineEdit()->setReadOnly(true);
    // The keyboard focus sits in the list's text: a reader names it there too.
    box->lineEdit()->setAccessibleName(accessibleName);
    showPrompt(box, QString::fromUtf8(kPrompt));
    paintCream(box);
    paintCream(box->lineEdit());
    return box;
}

// The grid takes one element at a time, day first. A day its current month
// lacks may still exist in the month and year given next, so until the last
// step the grid holds the nearest day and the entered day is given at the end.
void giveElement(MonthGrid *grid, MonthGrid::Element element, int value, int enteredDay)
{
    const QDate now = grid->date();
    int year = now.year(), month = now.month();
    if (element == MonthGrid::Element::Year)
        year = value;
    else if (element == MonthGrid::Element::Month)
        month = value;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || enteredDay < 1 || enteredDay > 31) {
        grid->setDateElement(element, value); // refused with the grid's own error
        return;
    }
    const int day = qMin(enteredDay, QDate(year, month, 1).daysInMonth());
    grid->setDate(QDate(year, month, day));
}

} // namespace

GoToDateWindow::GoToDateWindow(const CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("goToDateWindow"));
    setWindowTitle(QStringLiteral("Перейти к..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // 610 x 347 with the frame and caption bar.
    setFixedSize(602, 320);
    setWindowColour(this, colours::skyBlue);

    QLabel *dayHeading = placeLabel(this, "dayHeading", QStringLiteral("День"), 24, 16, 0, true);
    QLabel *monthHeading =
        placeLabel(this, "monthHeading", QStringLiteral("Месяц"), 224, 16, 0, true);
    QLabel *yearHeading = placeLabel(this, "yearHeading", QStringLiteral("Год"), 424, 16, 0, true);
    for (QLabel *heading : {dayHeading, monthHeading, yearHeading})
        setReadableColour(heading, colours::black); // the window's sky blue is fixed
    m_dayList = pickList(this, "dayList", dayHeading->text(), 31, {24, 34, 185, 23});
    m_monthList = pickList(this, "monthList", monthHeading->text(), 12, {224, 34, 185, 23});
    m_yearField = place(new QLineEdit(this), 424, 34, 153, 23);
    m_yearField->setObjectName(QStringLiteral("yearField"));
    m_yearField->setAccessibleName(yearHeading->text());
    // Each heading labels its field for assistive technology.
    dayHeading->setBuddy(m_dayList);
    monthHeading->setBuddy(m_monthList);
    yearHeading->setBuddy(m_yearField);
    paintCream(m_yearField);
    auto *acceptButton = place(new QPushButton(QStringLiteral("Принять"), this), 424, 72, 153, 30);
    acceptButton->setObjectName(QStringLiteral("acceptButton"));
    acceptButton->setDefault(true);

    m_dateCaption = place(new QLabel(this), 24, 112, 553, 32);
    m_dateCaption->setObjectName(QStringLiteral("dateCaption"));
    m_dateCaption->setAlignment(Qt::AlignCenter);
    QFont captionFont = m_dateCaption->font();
    captionFont.setPixelSize(24);
    captionFont.setBold(true);
    captionFont.setItalic(true);
    m_dateCaption->setFont(captionFont);
    setFontColour(m_dateCaption, colours::white);
    m_dateCaption->hide();

    m_grid = place(new MonthGrid(this), 181, 152, 240, 152);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setAccessibleName(QStringLiteral("Дата"));
    m_grid->setReadOnly(true);
    m_grid->setStartOfWeek(model.startOfWeek());
    m_grid->setColor(colours::cream);
    m_grid->setFontColor(colours::red);
    m_grid->hide();

    bindHandler(m_dialogs, acceptButton, &QPushButton::clicked, this, &GoToDateWindow::acceptDate);
    connect(&model, &CalendarModel::weekStartChanged, m_grid, &MonthGrid::setStartOfWeek);
    m_dayPrompt = m_dayList->currentText();
    m_monthPrompt = m_monthList->currentText();
    centreOnScreen(this);
}

void GoToDateWindow::acceptDate()
{
    try {
        showEnteredDate();
    } catch (const DayrailError &) {
        // Steps done before the failure stay done.
        m_dialogs.message(QStringLiteral("Неправильно введена дата"));
    }
}

void GoToDateWindow::showEnteredDate()
{
    const QString dayText = m_dayList->currentText();
    const QString monthText = m_monthList->currentText();
    const QString yearText = m_yearField->text();
    const int day = wholeNumber(dayText);
    giveElement(m_grid, MonthGrid::Element::Day, day, day);
    giveElement(m_grid, MonthGrid::Element::Month, wholeNumber(monthText), day);
    giveElement(m_grid, MonthGrid::Element::Year, wholeNumber(yearText), day);
    m_grid->setDateElement(MonthGrid::Element::Day, day); // refused when the date does not exist
    m_grid->show();
    m_dateCaption->setText(dayText + QStringLiteral(". ") + monthText + QStringLiteral(". ") +
                           yearText);
    m_dateCaption->show();
    // The weekday is what the window is asked for.
    announce(this,
             russianLocale().toString(m_grid->date(), QStringLiteral("dddd, d MMMM yyyy 'г.'")));
}

void GoToDateWindow::resetFields()
{
    m_dateCaption->hide();
    m_grid->hide();
    showPrompt(m_dayList, m_dayPrompt);
    showPrompt(m_monthList, m_monthPrompt);
    m_yearField->clear();
}

void GoToDateWindow::closeEvent(QCloseEvent *event)
{
    runHandler(m_dialogs, [this] { resetFields(); });
    QDialog::closeEvent(event);
}

void GoToDateWindow::hideEvent(QHideEvent *event)
{
    // Minimising the desktop session hides windows too; only a real hide resets.
    if (!event->spontaneous())
        runHandler(m_dialogs, [this] { resetFields(); });
    QDialog::hideEvent(event);
}
