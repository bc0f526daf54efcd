#include "Unit7.h"

#include <QLabel>

TForm7 *Form7 = nullptr;

TForm7::TForm7()
{
    setObjectName(QStringLiteral("Form7"));
    Image15 = new TImage(this);
    Image15->setObjectName(QStringLiteral("Image15"));
    Label14 = new QLabel(this);
    Label14->setObjectName(QStringLiteral("Label14"));
    for (int k = 0; k < 12; ++k) {
        m_calendars[k] = new TCalendar(this);
        m_calendars[k]->setObjectName(QStringLiteral("Calendar%1").arg(k + 1));
        m_monthLabels[k] = new QLabel(this);
        m_monthLabels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
    }
}

void TForm7::FormCreate() {}

void TForm7::FormActivate() {}
