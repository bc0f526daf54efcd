// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Редактирование": changes the text of the holiday entry selected in the
// settings window's list. Not modal: it acts on whichever entry is selected
// when it becomes active and when "Применить" is pressed.
#include <QDialog>
#include <functional>

class DialogSeam;
class CalendarModel;
class QLineEdit;

class HolidayEditWindow : public QDialog {
    Q_OBJECT
public:
    // selectedRow gives the row of the entry selected in the list, -1 for none.
    HolidayEditWindow(const CalendarModel &model, DialogSeam &dialogs,
                      std::function<int()> selectedRow, QWidget *parent = nullptr);

signals:
    // "Применить" with an entry selected: its new text, already checked.
    void entryEdited(int row, const QString &text);

protected:
    bool event(QEvent *e) override;
    void reject() override;

private:
    void takeSelectedEntry();
    void apply();
    void cancel();

    const CalendarModel &m_model;
    DialogSeam &m_dialogs;
    std::function<int()> m_selectedRow;
    QLineEdit *m_entryField = nullptr;
};
