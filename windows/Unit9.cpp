#include "Unit9.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9()
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral(""));
}

void TForm9::FormCreate() {}
