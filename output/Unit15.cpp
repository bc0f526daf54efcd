#include "Unit15.h"

#include "Pictures.h"
#include "Unit1.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

TForm15 *Form15 = nullptr;
int BackgroundApplied = 0;

TForm15::TForm15()
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Фон.. ."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(442, 166);
    Image1 = place(new TImage(this), 0, 0, 449, 169);
    Image1->setObjectName(QStringLiteral("Image1"));
    RadioButton1 = new QRadioButton(QStringLiteral("Рисунок"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->move(32, 8);
    Edit1 = place(new QLineEdit(this), 32, 40, 401, 21);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Цвет"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->move(32, 72);
    ColorBox1 = place(new TColorBox(true, this), 32, 96, 145, 22);
    ColorBox1->setObjectName(QStringLiteral("ColorBox1"));
    ColorBox1->setToolTip(QStringLiteral("Выберите цвет"));
    ColorBox2 = place(new TColorBox(false, this), 208, 96, 145, 22);
    ColorBox2->setObjectName(QStringLiteral("ColorBox2"));
}

void TForm15::FormCreate()
{
    Edit1->clear();
    ColorBox1->setSelected(BackgroundColor);
    ColorBox2->setSelected(CaptionColor);
    Edit1->setText(Form1->Edit2->text());
    RadioButton2->setChecked(SettingsLine(19) == QLatin1String("TRUE"));
    if (!RadioButton2->isChecked())
        RadioButton1->setChecked(true);
    if (RadioButton1->isChecked()) {
        Image1->setPicture(loadPicture(Edit1->text()));
    } else {
        Image1->hide();
        setWindowColour(this, ColorBox1->Selected());
        setWindowColour(Form1->Client, windowColour(this));
    }
    applyCaptionColour();
}

void TForm15::applyCaptionColour()
{
    const TColor colour = ColorBox2->Selected();
    for (QLabel *label : Form1->monthLabels())
        setFontColour(label, colour);
    for (QLabel *label : {Form1->Label14, Form1->Lab, Form1->Label13})
        setFontColour(label, colour);
}
