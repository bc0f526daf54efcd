#include "Unit16.h"

TForm16 *Form16 = nullptr;

TForm16::TForm16()
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Один месяц"));
}

void TForm16::FormCreate() {}
