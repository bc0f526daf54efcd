// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Праздники": composing, sorting, deleting and editing the
// entries of the holiday list, and exchanging the dated ones with other
// calendar programs as iCalendar files. The list shows the model's entries;
// every change goes into the model at once.
#include <QStringList>
#include <QWidget>
#include <memory>

class DialogSeam;
class CalendarModel;
class HolidayEditWindow;
class ICalendarExchange;
class ImageButton;
class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class WindowServices;

class HolidaysPage : public QWidget {
    Q_OBJECT
public:
    HolidaysPage(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);
    ~HolidaysPage() override;

    // "Добавить", the default button while the page is shown.
    QPushButton *defaultButton() const;

private:
    void createInputs();
    void createList();
    QString fieldsEntry() const;
    void addEntry();
    void clearFields();
    void sortEntries();
    void deleteSelected();
    void editSelected();
    void replaceEntry(int row, const QString &text);
    void showListMenu(const QPoint &pos);
    void exportEntries();
    void importEntries();
    int selectedRow() const;
    QStringList listedEntries() const;
    void showEntries();
    void storeEntries();

    CalendarModel &m_model;
    DialogSeam &m_dialogs;
    QComboBox *m_dayList = nullptr;
    QComboBox *m_monthList = nullptr;
    QLineEdit *m_yearField = nullptr;
    QLineEdit *m_captionField = nullptr;
    ImageButton *m_addButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QListWidget *m_list = nullptr;
    QMenu *m_listMenu = nullptr;
    QAction *m_actionSort = nullptr;
    QAction *m_actionDelete = nullptr;
    QAction *m_actionEdit = nullptr;
    ICalendarExchange *m_exchange = nullptr;
    // Made the first time an entry is edited.
    std::unique_ptr<HolidayEditWindow> m_editWindow;
};
