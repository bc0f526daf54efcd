#include "Unit18.h"

TForm18 *Form18 = nullptr;

TForm18::TForm18()
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Редактирование"));
}

void TForm18::FormCreate() {}
