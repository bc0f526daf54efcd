// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorBox.h"

#include "platform/Announcement.h"

#include <QPainter>
#include <QPixmap>

ColorBox::ColorBox(bool extended, QWidget *parent) : QComboBox(parent)
{
    for (StoredColour colour : colours::standard)
        addColour(colour);
    if (extended)
        for (StoredColour colour :
             {colours::moneyGreen, colours::skyBlue, colours::cream, colours::medGray})
            addColour(colour);
    setCurrentIndex(0);
    announceChoices(this);
}

void ColorBox::addColour(StoredColour colour)
{
    QPixmap swatch(14, 14);
    swatch.fill(toQColor(colour));
    {
        QPainter p(&swatch);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 13, 13);
    }
    QString name = colourName(colour);
    if (name.isEmpty())
        name = QStringLiteral("#%1").arg(toQColor(colour).name().mid(1).toUpper());
    addItem(QIcon(swatch), name, colour);
}

StoredColour ColorBox::Selected() const
{
    return currentData().toInt();
}

void ColorBox::setSelected(StoredColour colour)
{
    int index = findData(colour);
    if (index < 0) {
        addColour(colour);
        index = count() - 1;
    }
    setCurrentIndex(index);
}
