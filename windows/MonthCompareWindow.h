#pragma once
// "Сравнение месяцев": two month calendars side by side, both at today.
#include <QDialog>

class MonthCompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit MonthCompareWindow(QWidget *parent = nullptr);
};
