#pragma once
// The background window "Фон.. .": picture or colour behind the main window
// and the colour of its captions.
#include "ColorBox.h"
#include "Widgets.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class BackgroundWindow : public QDialog {
    Q_OBJECT
public:
    BackgroundWindow();
    void FormCreate();
    void Button1Click(); // "Обзор"
    void Button4Click(); // "Применить"
    void Button2Click(); // "OK"
    void Button3Click(); // "Отмена"
    // Sets the fifteen captions of the main window to ColorBox2's colour.
    void applyCaptionColour();

    ImageView *Image1 = nullptr; // the preview over the whole dialog
    ImageView *Image2 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // "Рисунок"
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QRadioButton *RadioButton2 = nullptr; // "Цвет"
    ColorBox *ColorBox1 = nullptr;
    QLabel *StaticText1 = nullptr;
    ColorBox *ColorBox2 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button3 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPicture(bool shown);
    // Shows the picture named in Edit1 here and behind the main window.
    QImage applyPicture();
    void applyColour();
    // The picture path "Применить" last put on the main window.
    QString m_appliedPicture;
};

extern BackgroundWindow *Form15;
extern int BackgroundApplied;

// While printing takes the main window's background: the print copy and the
// cube template follow the main window's picture, colour and captions.
void carryOverToPrintCopies();
