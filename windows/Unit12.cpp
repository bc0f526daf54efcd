#include "Unit12.h"

TForm12 *Form12 = nullptr;

TForm12::TForm12()
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral(""));
}

void TForm12::FormCreate() {}
