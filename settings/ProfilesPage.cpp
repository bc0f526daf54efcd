// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProfilesPage.h"

#include "base/Paths.h"
#include "core/CalendarModel.h"
#include "core/ProfileStore.h"
#include "platform/Announcement.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <optional>

namespace {

// Shows the reason a name was refused; true when there was none.
bool accepted(DialogSeam &dialogs, const QString &refusal)
{
    if (!refusal.isEmpty())
        dialogs.message(refusal);
    return refusal.isEmpty();
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

ProfilesPage::ProfilesPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : QWidget(parent), m_model(model), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("profilesPage"));
    createControls();
    bindHandler(m_dialogs, m_createButton, &QPushButton::clicked, this,
                &ProfilesPage::createNewProfile);
    bindHandler(m_dialogs, m_renameButton, &QPushButton::clicked, this,
                &ProfilesPage::renameSelected);
    bindHandler(m_dialogs, m_deleteButton, &QPushButton::clicked, this,
                &ProfilesPage::deleteSelected);
    bindHandler(m_dialogs, m_profileList, &QListWidget::itemSelectionChanged, this,
                &ProfilesPage::selectProfile);
    bindHandler(m_dialogs, m_profileList, &QListWidget::itemDoubleClicked, this,
                &ProfilesPage::switchToSelected);
    // Enter switches as a double click does; the arrows only pick.
    m_profileList->installEventFilter(this);
    connect(&m_model, &CalendarModel::profilePathChanged, this, [this] {
        refreshList();
        showActiveProfile();
    });
    // The list reads the folder when it is made, as a file list does.
    refreshList();
}

void ProfilesPage::createControls()
{
    heading(this, "profilesHeading",
            QStringLiteral("Создание/Редактирование профиля  для многопользовательского режима"), 8,
            14);

    QGroupBox *group =
        groupBox(this, "newProfileGroup", QStringLiteral("Новый профиль"), 8, 48, 300, 116);
    QLabel *newNameHeading =
        heading(group, "newProfileHeading", QStringLiteral("Имя нового профиля"), 12, 24);
    m_newProfileName =
        editField(group, "newProfileName", QStringLiteral("Имя нового профиля"), 12, 44, 276);
    m_createButton =
        pushButton(group, "createButton", QStringLiteral("Создать новый профиль"), 12, 78, 180);

    group = groupBox(this, "editProfileGroup", QStringLiteral("Редактирование профиля"), 8, 176,
                     300, 116);
    QLabel *renameHeading =
        heading(group, "renameHeading", QStringLiteral("Изменить имя профиля"), 12, 24);
    m_renameField =
        editField(group, "renameField", QStringLiteral("Изменить имя профиля"), 12, 44, 276);
    m_renameButton = pushButton(group, "renameButton", QStringLiteral("Изменить"), 12, 78, 120);
    m_deleteButton =
        pushButton(group, "deleteButton", QStringLiteral("Удалить профиль"), 140, 78, 148);

    QLabel *listHeading =
        heading(this, "availableProfilesHeading", QStringLiteral("Доступные профили"), 320, 48);
    group =
        groupBox(this, "chooseProfileGroup", QStringLiteral("Выбор профиля"), 320, 68, 344, 224);
    m_profileList = place(new QListWidget(group), 10, 22, 324, 192);
    m_profileList->setObjectName(QStringLiteral("profileList"));
    m_profileList->setAccessibleName(QStringLiteral("Доступные профили"));
    m_profileList->setToolTip(
        QStringLiteral("Одинарный клик для выделения\nДвойной клик для выбора"));
    m_profileList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each heading labels its field for a screen reader.
    newNameHeading->setBuddy(m_newProfileName);
    renameHeading->setBuddy(m_renameField);
    listHeading->setBuddy(m_profileList);

    m_status = place(new QStatusBar(this), 0, 352, 672, 24);
    m_status->setObjectName(QStringLiteral("profileStatus"));
    m_status->setSizeGripEnabled(false);
}

void ProfilesPage::refresh()
{
    refreshList();
    showActiveProfile();
}

void ProfilesPage::refreshList()
{
    // Re-reading the folder keeps the pick and whatever is typed for renaming.
    const QSignalBlocker quiet(m_profileList);
    m_profileList->clear();
    const QStringList names = profileFileNames(m_model.folder());
    m_profileList->addItems(names);
    const int row = m_selectedPath.isEmpty() ? -1 : int(names.indexOf(fileNameOf(m_selectedPath)));
    if (row >= 0) {
        m_profileList->setCurrentRow(row);
    } else {
        m_selectedPath.clear();
        // The keyboard starts on the active profile, so the list says an
        // item when it gets the focus; nothing is picked until an arrow moves.
        m_profileList->setCurrentRow(int(names.indexOf(fileNameOf(m_model.profilePath()))),
                                     QItemSelectionModel::NoUpdate);
    }
}

void ProfilesPage::showActiveProfile()
{
    m_status->showMessage(QStringLiteral("Сейчас используется профиль: ") +
                          fileNameOf(m_model.profilePath()));
}

bool ProfilesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_profileList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The keyboard's item counts as picked even before an arrow moved;
            // taken here, so that the window's default button stays out of it.
            if (QListWidgetItem *item = m_profileList->currentItem())
                item->setSelected(true);
            runHandler(m_dialogs, [this] { switchToSelected(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ProfilesPage::createNewProfile()
{
    const QString name = m_newProfileName->text();
    // The file core made is the active profile now.
    if (accepted(m_dialogs, createProfile(m_model, name)))
        announce(
            this,
            QStringLiteral("Профиль %1 создан").arg(quoted(fileNameOf(m_model.profilePath()))));
}

void ProfilesPage::renameSelected()
{
    if (m_selectedPath.isEmpty())
        return;
    const QString newName = m_renameField->text();
    if (!accepted(m_dialogs, renameProfile(m_model, m_selectedPath, newName)))
        return;
    const QString oldName = fileNameOf(m_selectedPath);
    m_selectedPath = m_model.folder() + profileFileName(newName);
    refresh();
    announce(this, QStringLiteral("Профиль %1 переименован в %2")
                       .arg(quoted(oldName), quoted(fileNameOf(m_selectedPath))));
}

void ProfilesPage::deleteSelected()
{
    if (m_selectedPath.isEmpty())
        return;
    const QString name = quoted(fileNameOf(m_selectedPath));
    // Asked only when there is no trash to move it to.
    std::optional<bool> forGood;
    const QString refusal = deleteProfile(m_model, m_selectedPath, [&] {
        forGood = m_dialogs.question(
            QStringLiteral("Корзины на этом рабочем столе нет: профиль %1 не удастся "
                           "восстановить.\n\nУдалить его навсегда?")
                .arg(name));
        return *forGood;
    });
    if (!accepted(m_dialogs, refusal) || forGood == false)
        return;
    m_selectedPath.clear();
    refreshList();
    announce(this, forGood ? QStringLiteral("Профиль %1 удалён").arg(name)
                           : QStringLiteral("Профиль %1 перемещён в корзину").arg(name));
}

void ProfilesPage::selectProfile()
{
    const QList<QListWidgetItem *> items = m_profileList->selectedItems();
    if (items.isEmpty()) {
        m_selectedPath.clear();
        return;
    }
    m_renameField->setText(items.first()->text());
    m_selectedPath = m_model.folder() + items.first()->text();
}

void ProfilesPage::switchToSelected()
{
    if (m_selectedPath.isEmpty())
        return;
    switchProfile(m_model, m_selectedPath);
    showActiveProfile();
    announce(this, m_status->currentMessage());
}
