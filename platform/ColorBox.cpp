// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorBox.h"

#include "platform/Announcement.h"

#include <QPainter>
#include <QPixmap>

ColorBox::ColorBox(bool extended, QWidget *parent) : QComboBox(parent)
{
    for (const QColor &colour : colours::standard)
        addColour(colour);
    if (extended)
        for (const QColor &colour :
             {colours::moneyGreen, colours::skyBlue, colours::cream, colours::medGray})
            addColour(colour);
    setCurrentIndex(0);
    announceChoices(this);
}

void ColorBox::addColour(const QColor &colour)
{
    QPixmap swatch(14, 14);
    swatch.fill(colour);
    {
        QPainter p(&swatch);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 13, 13);
    }
    QString name = colourName(colour);
    if (name.isEmpty())
        name = QStringLiteral("#%1").arg(colour.name().mid(1).toUpper());
    addItem(QIcon(swatch), name, colour);
}

QColor ColorBox::Selected() const
{
    return currentData().value<QColor>();
}

void ColorBox::setSelected(const QColor &colour)
{
    int index = findData(colour);
    if (index < 0) {
        addColour(colour);
        index = count() - 1;
    }
    setCurrentIndex(index);
}
