// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Профили": the profile files in the program's folder, and
// creating, renaming, deleting and switching them. The active profile is the
// model's; the page keeps only the file picked in its list.
#include <QString>
#include <QWidget>

class DialogSeam;
class CalendarModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

class ProfilesPage : public QWidget {
    Q_OBJECT
public:
    ProfilesPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

    // Re-reads the folder and names the active profile.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createNewProfile();
    void renameSelected();
    void deleteSelected();
    void selectProfile();
    void switchToSelected();
    void refreshList();
    void showActiveProfile();

    CalendarModel &m_model;
    DialogSeam &m_dialogs;
    QString m_selectedPath; // the file picked in the list, empty when none
    QLineEdit *m_newProfileName = nullptr;
    QPushButton *m_createButton = nullptr;
    QLineEdit *m_renameField = nullptr;
    QPushButton *m_renameButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QListWidget *m_profileList = nullptr;
    QStatusBar *m_status = nullptr;
};
