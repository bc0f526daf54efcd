// The page "Профили" of the settings window: the profile files in the
// program's folder, and creating, renaming, deleting and switching them.
#include "CalendarFiles.h"
#include "Dialogs.h"
#include "Errors.h"
#include "Handler.h"
#include "Holidays.h"
#include "Paths.h"
#include "SettingsControls.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "Widgets.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {

ProfileContent currentProfile()
{
    return {Form1->dayElements(), Form14->holidayEntries()};
}

// A profile to switch to must be readable whole, so that nothing of the
// active state is replaced by half a profile.
ProfileContent readWholeProfile(const QString &path)
{
    ProfileContent profile = readProfile(path);
    for (int k = 0; k < 12; ++k)
        if (profile.days[k] < 1 || profile.days[k] > 31)
            throw ConvertError(QStringLiteral("Строка %1 профиля \"%2\": дня %3 не бывает")
                                   .arg(k + 1)
                                   .arg(path)
                                   .arg(profile.days[k]));
    return profile;
}

bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a) == QFileInfo(b);
}

} // namespace

void SettingsWindow::createProfilesPage()
{
    QWidget *page = TabSheet7;
    StaticText8 = heading(
        page, "StaticText8",
        QStringLiteral("Создание/Редактирование профиля  для многопользовательского режима"), 8,
        14);

    GroupBox1 = groupBox(page, "GroupBox1", QStringLiteral("Новый профиль"), 8, 48, 300, 116);
    StaticText9 = heading(GroupBox1, "StaticText9", QStringLiteral("Имя нового профиля"), 12, 24);
    Edit1 = editField(GroupBox1, "Edit1", QStringLiteral("Имя нового профиля"), 12, 44, 276);
    Button2 =
        pushButton(GroupBox1, "Button2", QStringLiteral("Создать новый профиль"), 12, 78, 180);

    GroupBox2 =
        groupBox(page, "GroupBox2", QStringLiteral("Редактирование профиля"), 8, 176, 300, 116);
    StaticText10 =
        heading(GroupBox2, "StaticText10", QStringLiteral("Изменить имя профиля"), 12, 24);
    Edit2 = editField(GroupBox2, "Edit2", QStringLiteral("Изменить имя профиля"), 12, 44, 276);
    Button3 = pushButton(GroupBox2, "Button3", QStringLiteral("Изменить"), 12, 78, 120);
    Button4 = pushButton(GroupBox2, "Button4", QStringLiteral("Удалить профиль"), 140, 78, 148);

    StaticText11 = heading(page, "StaticText11", QStringLiteral("Доступные профили"), 320, 48);
    GroupBox3 = groupBox(page, "GroupBox3", QStringLiteral("Выбор профиля"), 320, 68, 344, 224);
    FileListBox1 = place(new QListWidget(GroupBox3), 10, 22, 324, 192);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setAccessibleName(QStringLiteral("Доступные профили"));
    FileListBox1->setToolTip(
        QStringLiteral("Одинарный клик для выделения\nДвойной клик для выбора"));
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);

    StatusBar1 = place(new QStatusBar(page), 0, 352, 672, 24);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    Edit3 = editField(page, "Edit3", QStringLiteral("Активный профиль"), 0, 0, 10);
    Edit3->hide();
    Edit4 = editField(page, "Edit4", QStringLiteral("Выбранный профиль"), 0, 0, 10);
    Edit4->hide();

    bindHandler(Button2, &QPushButton::clicked, this, &SettingsWindow::Button2Click);
    bindHandler(Button3, &QPushButton::clicked, this, &SettingsWindow::Button3Click);
    bindHandler(Button4, &QPushButton::clicked, this, &SettingsWindow::Button4Click);
    bindHandler(FileListBox1, &QListWidget::itemSelectionChanged, this,
                &SettingsWindow::FileListBox1Click);
    bindHandler(FileListBox1, &QListWidget::itemDoubleClicked, this,
                &SettingsWindow::FileListBox1DblClick);
    // The list reads the folder when it is made, as a file list does.
    refreshFileList();
}

void SettingsWindow::refreshFileList()
{
    // Re-reading the folder keeps the pick and whatever is typed in Edit2.
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    const QStringList names = profileFileNames(ProgramDir);
    FileListBox1->addItems(names);
    const QString selected = Edit4->text();
    const int row = selected.isEmpty() ? -1 : names.indexOf(ExtractFileName(selected));
    if (row >= 0)
        FileListBox1->setCurrentRow(row);
    else
        Edit4->clear();
}

void SettingsWindow::showActiveProfile()
{
    StatusBar1->showMessage(QStringLiteral("Сейчас используется профиль: ") +
                            ExtractFileName(Edit3->text()));
}

bool SettingsWindow::writeProfileAs(const QString &fileName)
{
    const QString problem = profileNameProblem(fileName);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return false;
    }
    // Written first: a name the file system refuses leaves the previous
    // profile active, so the close-time save always has a file to write.
    const QString path = ProgramDir + fileName;
    writeProfile(path, currentProfile());
    Edit3->setText(path);
    refreshFileList();
    showActiveProfile();
    Form1->showProfileCaption(path);
    return true;
}

void SettingsWindow::Button2Click()
{
    QString fileName = Edit1->text();
    if (ProfileResaveFlag)
        ProfileResaveFlag = 0;
    else
        fileName += QStringLiteral(".cpr");
    writeProfileAs(fileName);
}

void SettingsWindow::Button3Click()
{
    const QString selected = Edit4->text();
    if (selected.isEmpty())
        return;
    const QString newName = Edit2->text();
    const QString problem = profileNameProblem(newName);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    const QString target = ProgramDir + newName;
    // A rename never replaces another profile's days and holidays.
    if (QFileInfo::exists(target) && !sameFile(target, selected))
        throw FileError(
            QStringLiteral("Не удаётся переименовать профиль: файл \"%1\" уже существует")
                .arg(target));
    if (sameFile(selected, Edit3->text())) {
        // The active profile: written under the new name with the current
        // state, then the old file goes.
        if (!writeProfileAs(newName))
            return;
        if (!sameFile(selected, Edit3->text()) && !QFile::remove(selected))
            throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(selected));
    } else if (target != selected && !QFile::rename(selected, target)) {
        // Another profile keeps its own days and holidays: only its file is renamed.
        throw FileError(QStringLiteral("Не удаётся переименовать файл \"%1\"").arg(selected));
    }
    Edit4->setText(target);
    refreshFileList();
    showActiveProfile();
}

void SettingsWindow::Button4Click()
{
    const QString selected = Edit4->text();
    if (selected.isEmpty())
        return;
    if (ExtractFileName(selected) == ExtractFileName(Edit3->text()) ||
        sameFile(selected, Edit3->text())) {
        ShowMessage(QStringLiteral("Нельзя удалять активные профили"));
        return;
    }
    if (!QFile::remove(selected))
        throw FileError(QStringLiteral("Не удаётся удалить файл \"%1\"").arg(selected));
    Edit4->clear();
    refreshFileList();
}

void SettingsWindow::FileListBox1Click()
{
    const QList<QListWidgetItem *> items = FileListBox1->selectedItems();
    if (items.isEmpty()) {
        Edit4->clear();
        return;
    }
    Edit2->setText(items.first()->text());
    Edit4->setText(ProgramDir + items.first()->text());
}

void SettingsWindow::FileListBox1DblClick()
{
    const QString target = Edit4->text();
    if (target.isEmpty())
        return;
    // Read before anything changes: a damaged profile leaves all as it was.
    ProfileContent next = readWholeProfile(target);
    const ProfileContent current = currentProfile();
    writeProfile(Edit3->text(), current);
    if (sameFile(target, Edit3->text()))
        next = current;
    Edit3->setText(target);
    applyProfile(next);
    showActiveProfile();
    Form1->showProfileCaption(target);
}

void SettingsWindow::applyProfile(const ProfileContent &profile)
{
    for (int k = 0; k < 12; ++k) {
        MonthGrid *grid = Form1->calendars()[k];
        // A day the shown month lacks (29 February of a leap year) takes the
        // month's last day, as at start.
        grid->setDateElement(
            MonthGrid::Element::Day, fitDayToMonth(profile.days[k], grid->dateElement(MonthGrid::Element::Year), grid->dateElement(MonthGrid::Element::Month)));
    }
    ListBox1->clear();
    ListBox1->addItems(profile.entries);
}

void SettingsWindow::FormActivate()
{
    refreshFileList();
    showActiveProfile();
}
