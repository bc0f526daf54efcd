// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Печать: Масштабирование": how the year sheet is scaled on the page; its
// "Печать" runs the print dialog and prints the year from the model.
#include "base/PrintScale.h"

#include <QWidget>

class DialogSeam;
class CalendarModel;
class QPrinter;
class QPushButton;
class QRadioButton;

class PrintScaleDialog : public QWidget {
    Q_OBJECT
public:
    // The scaling chosen is kept in the model for the print preview; the
    // year is printed on the printer given.
    PrintScaleDialog(CalendarModel &model, QPrinter &printer, DialogSeam &dialogs,
                     QWidget *parent = nullptr);

    // The scaling the checked option stands for.
    PrintScaling chosenScaling() const;

protected:
    // Enter prints (or cancels on "Отмена") and Escape cancels: the dialog
    // has no close box.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createOptions();
    void printYear();

    CalendarModel &m_model;
    QPrinter &m_printer;
    DialogSeam &m_dialogs;
    QRadioButton *m_noScalingOption = nullptr;
    QRadioButton *m_proportionalOption = nullptr;
    QRadioButton *m_fitToPageOption = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
