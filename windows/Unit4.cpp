#include "Unit4.h"

TAbout *About = nullptr;

TAbout::TAbout()
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("О программе"));
}

void TAbout::FormCreate() {}
