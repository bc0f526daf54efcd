// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Перейти к...": shows an entered date in its own month grid and caption,
// leaving the model's year and days as they are. Its grid starts its weeks
// as the week-start option says.
#include <QDialog>
#include <QString>

class CalendarModel;
class DialogSeam;
class MonthGrid;
class QComboBox;
class QLabel;
class QLineEdit;

class GoToDateWindow : public QDialog {
    Q_OBJECT
public:
    GoToDateWindow(const CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    DialogSeam &m_dialogs;
    void acceptDate();
    void showEnteredDate();
    void resetFields();

    QLabel *m_dateCaption = nullptr;
    QComboBox *m_dayList = nullptr;
    QComboBox *m_monthList = nullptr;
    QLineEdit *m_yearField = nullptr;
    MonthGrid *m_grid = nullptr;
    // The lists' texts before any pick, put back on closing.
    QString m_dayPrompt;
    QString m_monthPrompt;
};
