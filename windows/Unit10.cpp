#include "Unit10.h"

TForm10 *Form10 = nullptr;

TForm10::TForm10()
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Часы"));
}

void TForm10::FormCreate() {}
