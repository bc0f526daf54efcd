// The page "Праздники" of the settings window: composing, sorting, deleting
// and editing the entries of the holiday list.
#include "Dialogs.h"
#include "Handler.h"
#include "Holidays.h"
#include "SettingsControls.h"
#include "SettingsWindow.h"
#include "HolidayEditWindow.h"
#include "Widgets.h"
#include "ImageButton.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

namespace {

const char *const kMonthItems[12] = {"Января",   "Февраля", "Марта",  "Апреля",
                                     "Мая",      "Июня",    "Июля",   "Августа",
                                     "Сентября", "Октября", "Ноября", "Декабря"};

QComboBox *dropDownList(QWidget *parent, const char *name, const QString &accessibleName,
                        const QStringList &items, int x, int y, int w)
{
    auto *box = place(new QComboBox(parent), x, y, w, 22);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->addItems(items);
    box->setMaxVisibleItems(12);
    box->setCurrentIndex(-1);
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

void SettingsWindow::createHolidaysPage()
{
    QWidget *page = TabSheet8;
    StaticText12 = heading(
        page, "StaticText12",
        QString(37, QLatin1Char(' ')) + QStringLiteral("Редактирование списка праздников"), 8, 14);
    Image1 = place(new ImageView(page), 16, 6, 32, 32);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(false);
    Image1->setPicture(QImage(QStringLiteral(":/icons/calendar32.png")));

    GroupBox4 = groupBox(page, "GroupBox4", QStringLiteral("Новый праздник"), 8, 48, 300, 196);
    StaticText13 = heading(GroupBox4, "StaticText13", QStringLiteral("Выбор Даты"), 12, 24);
    StaticText16 = heading(GroupBox4, "StaticText16", QStringLiteral("   День"), 12, 48);
    StaticText17 = heading(GroupBox4, "StaticText17", QStringLiteral("     Месяц"), 72, 48);
    StaticText18 = heading(GroupBox4, "StaticText18", QStringLiteral("            Год"), 186, 48);
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList months;
    for (const char *month : kMonthItems)
        months << QString::fromUtf8(month);
    ComboBox1 = dropDownList(GroupBox4, "ComboBox1", QStringLiteral("День"), days, 12, 66, 54);
    ComboBox2 = dropDownList(GroupBox4, "ComboBox2", QStringLiteral("Месяц"), months, 72, 66, 108);
    Edit12 = editField(GroupBox4, "Edit12", QStringLiteral("Год"), 186, 66, 80);
    Edit12->setMaxLength(4);
    StaticText14 = heading(GroupBox4, "StaticText14", QStringLiteral("Подпись (событие)"), 12, 102);
    Edit5 = editField(GroupBox4, "Edit5", QStringLiteral("Подпись (событие)"), 12, 120, 276);
    WinButton1 = place(new ImageButton(GroupBox4), 12, 158, 124, 25);
    WinButton1->setObjectName(QStringLiteral("WinButton1"));
    WinButton1->setCaption(QStringLiteral("Добавить"));
    Button5 =
        pushButton(GroupBox4, "Button5", QStringLiteral("Очистить поля ввода"), 144, 158, 144);

    ListBox1 = place(new QListWidget(page), 320, 48, 344, 316);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Список праздников"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(ListBox1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = popupItem(PopupMenu1, ListBox1, "N1", QStringLiteral("Упорядочить"),
                   QKeySequence(Qt::CTRL | Qt::Key_S));
    N3 = popupItem(PopupMenu1, ListBox1, "N3", QStringLiteral("Удалить выделенное"),
                   QKeySequence(Qt::Key_Delete));
    N4 = popupItem(PopupMenu1, ListBox1, "N4", QStringLiteral("Редактировать"),
                   QKeySequence(Qt::Key_Insert));

    installCharFilter(ComboBox1, [this](QChar c) { return ComboBox1KeyPress(c); });
    installCharFilter(ComboBox1->view(), [this](QChar c) { return ComboBox1KeyPress(c); });
    installCharFilter(ComboBox2, [this](QChar c) { return ComboBox2KeyPress(c); });
    installCharFilter(ComboBox2->view(), [this](QChar c) { return ComboBox2KeyPress(c); });
    installCharFilter(Edit12, [this](QChar c) { return Edit12KeyPress(c); });
    bindHandler(WinButton1, &QPushButton::clicked, this, &SettingsWindow::WinButton1Click);
    bindHandler(Button5, &QPushButton::clicked, this, &SettingsWindow::Button5Click);
    bindHandler(N1, &QAction::triggered, this, &SettingsWindow::N1Click);
    bindHandler(N3, &QAction::triggered, this, &SettingsWindow::N3Click);
    bindHandler(N4, &QAction::triggered, this, &SettingsWindow::N4Click);
    bindHandler(ListBox1, &QWidget::customContextMenuRequested, this,
                &SettingsWindow::ListBox1ContextPopup);
}

int SettingsWindow::selectedHoliday() const
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

void SettingsWindow::WinButton1Click()
{
    if (Edit5->text().size() < 4 || ComboBox1->currentText().isEmpty() ||
        ComboBox2->currentText().isEmpty()) {
        ShowMessage(QStringLiteral("Неправильно введена дата!!!"));
        return;
    }
    const QString entry = composeHoliday(ComboBox1->currentText(), ComboBox2->currentText(),
                                         Edit12->text(), Edit5->text());
    // What the list shows must be what the profile keeps and reads back.
    QString problem = holidayTextProblem(entry);
    if (problem.isEmpty())
        problem = holidayCountProblem(ListBox1->count() + 1);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    ListBox1->addItem(entry);
}

void SettingsWindow::Button5Click()
{
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    Edit12->clear();
    Edit5->clear();
}

void SettingsWindow::N1Click()
{
    QStringList entries = holidayEntries();
    sortAlphabetically(entries);
    ListBox1->clear();
    ListBox1->addItems(entries);
}

void SettingsWindow::N3Click()
{
    if (ListBox1->count() == 0) {
        ShowMessage(QStringLiteral("Нечего удалять"));
        return;
    }
    const int row = selectedHoliday();
    if (row < 0)
        return;
    delete ListBox1->takeItem(row);
    ListBox1->clearSelection();
    ListBox1->setCurrentRow(-1);
}

void SettingsWindow::N4Click()
{
    Form18->show();
    Form18->raise();
    Form18->activateWindow();
}

bool SettingsWindow::ComboBox1KeyPress(QChar) const
{
    return false; // the day is picked from the list only
}

bool SettingsWindow::ComboBox2KeyPress(QChar) const
{
    return false; // so is the month
}

bool SettingsWindow::Edit12KeyPress(QChar key) const
{
    return isYearKey(key);
}

void SettingsWindow::ListBox1ContextPopup(const QPoint &pos)
{
    PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos));
}
