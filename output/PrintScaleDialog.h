#pragma once
// "Печать: Масштабирование": how the ordinary calendar is scaled on the sheet.
#include "PrintScale.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class PrintScaleDialog : public QWidget {
    Q_OBJECT
public:
    PrintScaleDialog();
    void FormCreate();
    void SpeedButton2Click(); // "Печать"
    void SpeedButton1Click(); // "Отмена"

    // The print scale the checked option stands for.
    PrintScaling chosenScale() const;

    QGroupBox *RadioGroup1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // "Нет масштабирования"
    QRadioButton *RadioButton2 = nullptr; // "Пропорциональное масштабирование"
    QRadioButton *RadioButton3 = nullptr; // "Во весь лист (по умолчанию)"
    QPushButton *SpeedButton2 = nullptr;  // "Печать"
    QPushButton *SpeedButton1 = nullptr;  // "Отмена"
};

extern PrintScaleDialog *Form8;
