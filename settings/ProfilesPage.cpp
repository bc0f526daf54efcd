// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilesPage.h"

#include "CalendarModel.h"
#include "Dialogs.h"
#include "Handler.h"
#include "Paths.h"
#include "ProfileStore.h"
#include "SettingsControls.h"
#include "Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {

// Shows the reason a name was refused; true when there was none.
bool accepted(const QString &refusal)
{
    if (!refusal.isEmpty())
        showMessage(refusal);
    return refusal.isEmpty();
}

} // namespace

ProfilesPage::ProfilesPage(CalendarModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("profilesPage"));
    createControls();
    bindHandler(m_createButton, &QPushButton::clicked, this, &ProfilesPage::createNewProfile);
    bindHandler(m_renameButton, &QPushButton::clicked, this, &ProfilesPage::renameSelected);
    bindHandler(m_deleteButton, &QPushButton::clicked, this, &ProfilesPage::deleteSelected);
    bindHandler(m_profileList, &QListWidget::itemSelectionChanged, this,
                &ProfilesPage::selectProfile);
    bindHandler(m_profileList, &QListWidget::itemDoubleClicked, this,
                &ProfilesPage::switchToSelected);
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
    const int row =
        m_selectedPath.isEmpty() ? -1 : int(names.indexOf(fileNameOf(m_selectedPath)));
    if (row >= 0)
        m_profileList->setCurrentRow(row);
    else
        m_selectedPath.clear();
}

void ProfilesPage::showActiveProfile()
{
    m_status->showMessage(QStringLiteral("Сейчас используется профиль: ") +
                          fileNameOf(m_model.profilePath()));
}

void ProfilesPage::createNewProfile()
{
    accepted(createProfile(m_model, m_newProfileName->text()));
}

void ProfilesPage::renameSelected()
{
    if (m_selectedPath.isEmpty())
        return;
    const QString newName = m_renameField->text();
    if (!accepted(renameProfile(m_model, m_selectedPath, newName)))
        return;
    m_selectedPath = m_model.folder() + profileFileName(newName);
    refresh();
}

void ProfilesPage::deleteSelected()
{
    if (m_selectedPath.isEmpty())
        return;
    if (!accepted(deleteProfile(m_model, m_selectedPath)))
        return;
    m_selectedPath.clear();
    refreshList();
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
}
