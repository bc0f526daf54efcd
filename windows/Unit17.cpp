#include "Unit17.h"

TForm17 *Form17 = nullptr;

TForm17::TForm17()
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral(""));
}

void TForm17::FormCreate() {}
