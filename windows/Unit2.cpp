#include "Unit2.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Сравнение месяцев"));
}

void TForm2::FormCreate() {}
