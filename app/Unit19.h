#pragma once
// "Действительно хотите выйти?": the frameless bar that asks what to do when
// the one-month window is closed.
#include <QWidget>

class TImage;
class TWinButton;

class TForm19 : public QWidget {
    Q_OBJECT
public:
    TForm19();
    void FormCreate();
    void WinButton1Click();
    void WinButton2Click();
    void WinButton3Click();
    void WinButton4Click();

    TImage *Image1 = nullptr;
    TImage *Image2 = nullptr;
    TWinButton *WinButton3 = nullptr; // "Закрыть окно", the default button
    TWinButton *WinButton2 = nullptr; // "Показать главное окно"
    TWinButton *WinButton1 = nullptr; // "Выход"
    TWinButton *WinButton4 = nullptr; // "Отмена"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern TForm19 *Form19;
