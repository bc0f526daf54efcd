#pragma once
// The background window "Фон.. .": picture or colour behind the main window
// and the colour of its captions.
#include "ColorBox.h"
#include "Widgets.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

class TForm15 : public QDialog {
    Q_OBJECT
public:
    TForm15();
    void FormCreate();
    // Sets the fifteen captions of the main window to ColorBox2's colour.
    void applyCaptionColour();

    TImage *Image1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // "Рисунок"
    QLineEdit *Edit1 = nullptr;
    QRadioButton *RadioButton2 = nullptr; // "Цвет"
    TColorBox *ColorBox1 = nullptr;
    TColorBox *ColorBox2 = nullptr;
};

extern TForm15 *Form15;
extern int BackgroundApplied;
