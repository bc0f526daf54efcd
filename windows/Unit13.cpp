#include "Unit13.h"

TForm13 *Form13 = nullptr;

TForm13::TForm13()
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Полезный совет"));
}

void TForm13::FormCreate() {}
