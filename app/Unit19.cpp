#include "Unit19.h"

TForm19 *Form19 = nullptr;

TForm19::TForm19()
{
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(QStringLiteral("Действительно хотите выйти?"));
}

void TForm19::FormCreate() {}
