#include "Unit11.h"

#include <QLabel>

TForm11 *Form11 = nullptr;

TForm11::TForm11()
{
    setObjectName(QStringLiteral("Form11"));
    Image13 = new TImage(this);
    Image13->setObjectName(QStringLiteral("Image13"));
    for (int k = 0; k < 12; ++k) {
        m_calendars[k] = new TCalendar(this);
        m_calendars[k]->setObjectName(QStringLiteral("Calendar%1").arg(k + 1));
        m_labels[k] = new QLabel(this);
        m_labels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
    }
}

void TForm11::FormCreate() {}
