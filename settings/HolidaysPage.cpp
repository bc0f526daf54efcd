// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/HolidaysPage.h"

#include "controls/ImageButton.h"
#include "core/CalendarModel.h"
#include "core/HolidayDates.h"
#include "core/ProfileStore.h"
#include "platform/Announcement.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/HolidayEditWindow.h"
#include "settings/Holidays.h"
#include "settings/ICalendarExchange.h"
#include "settings/SettingsControls.h"
#include "windows/WindowServices.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace {

QComboBox *dropDownList(QWidget *parent, const char *name, const QString &accessibleName,
                        const QStringList &items, int x, int y, int w)
{
    auto *box = place(new QComboBox(parent), x, y, w, 22);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->addItems(items);
    box->setMaxVisibleItems(12);
    box->setCurrentIndex(-1);
    // Picked from the list only: every typed character is dropped.
    installCharFilter(box, [](QChar) { return false; });
    installCharFilter(box->view(), [](QChar) { return false; });
    announceChoices(box);
    return box;
}

QAction *popupItem(QMenu *menu, QWidget *list, const char *name, const QString &caption,
                   const QKeySequence &shortcut)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    // The shortcut acts while the list has the keyboard focus.
    item->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(item);
    return item;
}

} // namespace

HolidaysPage::HolidaysPage(CalendarModel &model, WindowServices &services, QWidget *parent)
    : QWidget(parent), m_model(model), m_dialogs(services.dialogs())
{
    setObjectName(QStringLiteral("holidaysPage"));
    createInputs();
    createList();
    bindHandler(m_dialogs, m_addButton, &QPushButton::clicked, this, &HolidaysPage::addEntry);
    bindHandler(m_dialogs, m_clearButton, &QPushButton::clicked, this, &HolidaysPage::clearFields);
    bindHandler(m_dialogs, m_exportButton, &QPushButton::clicked, this,
                &HolidaysPage::exportEntries);
    bindHandler(m_dialogs, m_importButton, &QPushButton::clicked, this,
                &HolidaysPage::importEntries);
    bindHandler(m_dialogs, m_actionSort, &QAction::triggered, this, &HolidaysPage::sortEntries);
    bindHandler(m_dialogs, m_actionDelete, &QAction::triggered, this,
                &HolidaysPage::deleteSelected);
    bindHandler(m_dialogs, m_actionEdit, &QAction::triggered, this, &HolidaysPage::editSelected);
    bindHandler(m_dialogs, m_list, &QWidget::customContextMenuRequested, this,
                &HolidaysPage::showListMenu);
    connect(&m_model, &CalendarModel::holidaysChanged, this, &HolidaysPage::showEntries);
    m_exchange = new ICalendarExchange(
        m_model, [&services] { return services.now(); }, m_dialogs, this);
    connect(m_exchange, &ICalendarExchange::importFinished, m_importButton,
            [this] { m_importButton->setEnabled(true); });
    showEntries();
}

HolidaysPage::~HolidaysPage() = default;

void HolidaysPage::createInputs()
{
    heading(this, "holidaysHeading",
            QString(37, QLatin1Char(' ')) + QStringLiteral("Редактирование списка праздников"), 8,
            14);
    auto *picture = place(new ImageView(this), 16, 6, 32, 32);
    picture->setObjectName(QStringLiteral("holidaysPicture"));
    picture->setStretch(false);
    picture->setPicture(
        shippedPicture(QStringLiteral(":/icons/calendar32.png"), picture->devicePixelRatioF()));

    QGroupBox *group =
        groupBox(this, "newHolidayGroup", QStringLiteral("Новый праздник"), 8, 48, 300, 196);
    heading(group, "dateHeading", QStringLiteral("Выбор Даты"), 12, 24);
    QLabel *dayHeading = heading(group, "dayHeading", QStringLiteral("   День"), 12, 48);
    QLabel *monthHeading = heading(group, "monthHeading", QStringLiteral("     Месяц"), 72, 48);
    QLabel *yearHeading = heading(group, "yearHeading", QStringLiteral("            Год"), 186, 48);
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        const QString name = genitiveMonthName(month);
        months << name.left(1).toUpper() + name.mid(1);
    }
    m_dayList = dropDownList(group, "dayList", QStringLiteral("День"), days, 12, 66, 54);
    m_monthList = dropDownList(group, "monthList", QStringLiteral("Месяц"), months, 72, 66, 108);
    m_yearField = editField(group, "yearField", QStringLiteral("Год"), 186, 66, 80);
    m_yearField->setMaxLength(4);
    installCharFilter(m_yearField, isYearKey);
    QLabel *captionHeading =
        heading(group, "captionHeading", QStringLiteral("Подпись (событие)"), 12, 102);
    m_captionField =
        editField(group, "captionField", QStringLiteral("Подпись (событие)"), 12, 120, 276);
    // Each heading labels its field for a screen reader.
    dayHeading->setBuddy(m_dayList);
    monthHeading->setBuddy(m_monthList);
    yearHeading->setBuddy(m_yearField);
    captionHeading->setBuddy(m_captionField);
    m_addButton = place(new ImageButton(group), 12, 158, 124, 25);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setCaption(QStringLiteral("Добавить"));
    m_clearButton =
        pushButton(group, "clearButton", QStringLiteral("Очистить поля ввода"), 144, 158, 144);
    m_exportButton =
        pushButton(this, "exportButton", QStringLiteral("Экспорт в iCalendar..."), 8, 256, 146);
    m_importButton =
        pushButton(this, "importButton", QStringLiteral("Импорт из iCalendar..."), 162, 256, 146);
}

void HolidaysPage::createList()
{
    m_list = place(new QListWidget(this), 320, 48, 344, 316);
    m_list->setObjectName(QStringLiteral("holidayList"));
    m_list->setAccessibleName(QStringLiteral("Список праздников"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_listMenu = new QMenu(m_list);
    m_listMenu->setObjectName(QStringLiteral("holidayMenu"));
    m_actionSort = popupItem(m_listMenu, m_list, "actionSort", QStringLiteral("Упорядочить"),
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    m_actionDelete = popupItem(m_listMenu, m_list, "actionDelete",
                               QStringLiteral("Удалить выделенное"), QKeySequence(Qt::Key_Delete));
    m_actionEdit = popupItem(m_listMenu, m_list, "actionEdit", QStringLiteral("Редактировать"),
                             QKeySequence(Qt::Key_Insert));
}

QPushButton *HolidaysPage::defaultButton() const
{
    return m_addButton;
}

int HolidaysPage::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

QStringList HolidaysPage::listedEntries() const
{
    QStringList entries;
    for (int i = 0; i < m_list->count(); ++i)
        entries << m_list->item(i)->text();
    return entries;
}

void HolidaysPage::showEntries()
{
    // The page's own changes are already shown; anything else (another
    // profile) replaces the list and its selection.
    const QStringList &entries = m_model.holidays();
    if (listedEntries() == entries)
        return;
    m_list->clear();
    m_list->addItems(entries);
}

void HolidaysPage::storeEntries()
{
    m_model.setHolidays(listedEntries());
}

// The entry the fields describe, composed as core reads it back; empty when
// core would not read it as a day (no day or month chosen, no year number,
// 31 February) or the caption is too short.
QString HolidaysPage::fieldsEntry() const
{
    HolidayDate date;
    date.day = m_dayList->currentIndex() + 1;
    date.month = m_monthList->currentIndex() + 1;
    date.caption = m_captionField->text();
    if (!m_yearField->text().isEmpty())
        date.year = m_yearField->text().toInt(); // 0, no year core reads, when not a number
    if (!holidayCaptionProblem(date.caption).isEmpty())
        return {};
    const QString entry = composeHolidayEntry(date);
    return parseHolidayEntry(entry) ? entry : QString();
}

void HolidaysPage::addEntry()
{
    const QString entry = fieldsEntry();
    if (entry.isEmpty()) {
        m_dialogs.message(QStringLiteral("Неправильно введена дата!!!"));
        return;
    }
    // What the list shows must be what the profile keeps and reads back.
    QString problem = holidayTextProblem(entry);
    if (problem.isEmpty())
        problem = holidayCountProblem(m_list->count() + 1);
    if (!problem.isEmpty()) {
        m_dialogs.message(problem);
        return;
    }
    m_list->addItem(entry);
    storeEntries();
    announce(this, QStringLiteral("Добавлено: ") + entry);
}

void HolidaysPage::clearFields()
{
    m_dayList->setCurrentIndex(-1);
    m_monthList->setCurrentIndex(-1);
    m_yearField->clear();
    m_captionField->clear();
}

void HolidaysPage::sortEntries()
{
    QStringList entries = listedEntries();
    sortAlphabetically(entries);
    m_list->clear();
    m_list->addItems(entries);
    storeEntries();
}

void HolidaysPage::deleteSelected()
{
    if (m_list->count() == 0) {
        m_dialogs.message(QStringLiteral("Нечего удалять"));
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString entry = m_list->item(row)->text();
    delete m_list->takeItem(row);
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    // By row: of equal entries, the one deleted loses its identity.
    m_model.removeHoliday(row);
    announce(this, QStringLiteral("Удалено: ") + entry);
}

void HolidaysPage::editSelected()
{
    if (!m_editWindow) {
        m_editWindow = std::make_unique<HolidayEditWindow>(m_model, m_dialogs,
                                                           [this] { return selectedRow(); });
        connect(m_editWindow.get(), &HolidayEditWindow::entryEdited, this,
                &HolidaysPage::replaceEntry);
    }
    m_editWindow->show();
    m_editWindow->raise();
    m_editWindow->activateWindow();
}

void HolidaysPage::replaceEntry(int row, const QString &text)
{
    // Changed in place: the entry stays selected, and its reminder and its
    // identity follow it.
    const QString before = m_list->item(row)->text();
    m_list->item(row)->setText(text);
    ReminderSettings reminders = m_model.reminders();
    carryReminder(reminders, before, text, listedEntries());
    m_model.setReminders(reminders);
    m_model.replaceHoliday(row, text);
}

void HolidaysPage::showListMenu(const QPoint &pos)
{
    m_listMenu->popup(m_list->viewport()->mapToGlobal(pos));
}

void HolidaysPage::exportEntries()
{
    m_exchange->exportEntries();
}

void HolidaysPage::importEntries()
{
    m_exchange->importEntries();
    // One import at a time; the list changes when it ends.
    m_importButton->setEnabled(!m_exchange->isImporting());
}
