#include "Unit6.h"

TForm6 *Form6 = nullptr;

TForm6::TForm6()
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Перейти к..."));
}

void TForm6::FormCreate() {}
