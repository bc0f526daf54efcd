#include "Unit8.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8()
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Печать: Масштабирование"));
}

void TForm8::FormCreate() {}
