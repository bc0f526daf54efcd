#pragma once
// "Действительно хотите выйти?": the frameless bar that asks what to do when
// the one-month window is closed.
#include <QWidget>

class ImageView;
class ImageButton;

class ExitBar : public QWidget {
    Q_OBJECT
public:
    ExitBar();
    void FormCreate();
    void WinButton1Click();
    void WinButton2Click();
    void WinButton3Click();
    void WinButton4Click();

    ImageView *Image1 = nullptr;
    ImageView *Image2 = nullptr;
    ImageButton *WinButton3 = nullptr; // "Закрыть окно", the default button
    ImageButton *WinButton2 = nullptr; // "Показать главное окно"
    ImageButton *WinButton1 = nullptr; // "Выход"
    ImageButton *WinButton4 = nullptr; // "Отмена"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern ExitBar *Form19;
