#include "PrintScaleDialog.h"

#include "Dialogs.h"
#include "Handler.h"
#include "Printing.h"
#include "PrintSheet.h"
#include "Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

PrintScaleDialog *Form8 = nullptr;

namespace {

QRadioButton *option(QGroupBox *group, const char *name, const QString &text, int y)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    button->move(8, y);
    button->adjustSize();
    return button;
}

QPushButton *speedButton(QWidget *parent, const char *name, const QString &text, int x)
{
    auto *button = place(new QPushButton(text, parent), x, 184, 75, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    // Speed buttons never take the focus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

PrintScaleDialog::PrintScaleDialog()
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Печать: Масштабирование"));
    // A caption without any box on it, above every other window.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                   Qt::WindowStaysOnTopHint);
    // The outer 274 x 252 less the borders and the caption.
    setFixedSize(266, 225);

    RadioGroup1 = place(new QGroupBox(QStringLiteral("Масштабирование"), this), 0, 0, 265, 89);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioButton1 = option(RadioGroup1, "RadioButton1", QStringLiteral("Нет масштабирования"), 16);
    RadioButton2 =
        option(RadioGroup1, "RadioButton2", QStringLiteral("Пропорциональное масштабирование"), 40);
    RadioButton3 =
        option(RadioGroup1, "RadioButton3", QStringLiteral("Во весь лист (по умолчанию)"), 64);
    RadioButton3->setChecked(true);

    const char *notes[5] = {
        "Если назначение перелючателя не понятно,", "надо навести на него мышкой и подождать ",
        "появления всплывающей подсказки", "Совет: в следующем диалоге выберите ",
        "горизонтальное расположение листа!!!! "};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(QString::fromUtf8(notes[i]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->move(0, 96 + 16 * i);
        label->adjustSize();
        if (i >= 3)
            setFontColour(label, clRed);
    }

    SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("Печать"), 8);
    SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("Отмена"), 168);
    bindHandler(SpeedButton2, &QPushButton::clicked, this, &PrintScaleDialog::SpeedButton2Click);
    bindHandler(SpeedButton1, &QPushButton::clicked, this, &PrintScaleDialog::SpeedButton1Click);
    centreOnScreen(this);
}

void PrintScaleDialog::FormCreate()
{
    RadioButton1->setToolTip(QStringLiteral("Нет масштабирования;\nКаждый пиксель окна\n"
                                            "воспроизводится одной точкой на бумаге"));
    RadioButton2->setToolTip(QStringLiteral("Форма масштабируется так,\n"
                                            "чтобы ее образ был максимально похож\n"
                                            "на ее изображение на экране"));
    RadioButton3->setToolTip(QStringLiteral("Форма печатается с такими же пропорциями,\n"
                                            "как на экране, но с размерами\n"
                                            "заполняющими лист бумаги."));
}

PrintScaling PrintScaleDialog::chosenScale() const
{
    if (RadioButton1->isChecked())
        return poNone;
    if (RadioButton2->isChecked())
        return poProportional;
    return poPrintToFit;
}

void PrintScaleDialog::SpeedButton2Click()
{
    Form7->PrintScale = chosenScale();
    hide();
    if (!dialogs().printDialog(nullptr, &Printer()))
        return;
    HourglassCursor hourglass;
    printForm(Form7, Form7->PrintScale, Printer());
}

void PrintScaleDialog::SpeedButton1Click() { hide(); }
