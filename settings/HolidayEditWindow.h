#pragma once
// "Редактирование": changes the text of the holiday entry selected in the
// settings window's list. Not modal: it acts on whichever entry is selected
// when it becomes active and when "Применить" is pressed.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class ImageButton;

class HolidayEditWindow : public QDialog {
    Q_OBJECT
public:
    HolidayEditWindow();

    void FormCreate();
    void FormActivate();
    void WinButton1Click();
    void Button1Click();

    QLabel *StaticText1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    ImageButton *WinButton1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    bool event(QEvent *e) override;
};

extern HolidayEditWindow *Form18;
