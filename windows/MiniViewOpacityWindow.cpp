// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MiniViewOpacityWindow.h"

#include "platform/AccessibleWindow.h"
#include "platform/Handler.h"
#include "platform/ReadableText.h"
#include "platform/SpokenValue.h"
#include "platform/Widgets.h"
#include "windows/WindowKeys.h"

#include <QLabel>
#include <QSlider>

QString opacityPercentText(int position)
{
    return QString::number(position * 100 / 255) + QStringLiteral(" %");
}

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int pixelSize,
              const QColor &colour)
{
    QLabel *l = placeLabel(parent, name, text, x, y, pixelSize);
    setReadableColour(l, colour);
    return l;
}

} // namespace

MiniViewOpacityWindow::MiniViewOpacityWindow(AlphaBlending &blending, DialogSeam &dialogs,
                                             QWidget *parent)
    : QWidget(parent), m_blending(blending), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("miniViewOpacityWindow"));
    readAsWindow(this);
    setWindowTitle(QString());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // 145 x 221 with its frame and caption bar.
    setFixedSize(137, 194);

    m_levelSlider = place(new QSlider(Qt::Vertical, this), 0, 16, 45, 161);
    m_levelSlider->setObjectName(QStringLiteral("levelSlider"));
    m_levelSlider->setAccessibleName(QStringLiteral("Непрозрачность"));
    m_levelSlider->setRange(0, 255);
    m_levelSlider->setValue(255);
    m_levelSlider->setPageStep(22);
    m_levelSlider->setTickInterval(25);
    m_levelSlider->setTickPosition(QSlider::TicksRight);

    label(this, "plusLabel", QStringLiteral("+"), 44, 8, 21, colours::black);
    label(this, "minusLabel", QStringLiteral("-"), 46, 152, 21, colours::black);
    label(this, "levelHeading", QStringLiteral("Непрозрачность"), 44, 72, 10, colours::black);
    m_percentLabel =
        label(this, "percentLabel", QStringLiteral("100 %"), 56, 92, 21, colours::lime);
    m_percentLabel->setFixedWidth(76); // room for «100 %» whatever the value
    m_percentLabel->setAccessibleDescription(QStringLiteral("Непрозрачность"));
    label(this, "systemNote", QStringLiteral("Только в Win 200, XP"), 4, 178, 9, colours::red);

    bindHandler(m_dialogs, m_levelSlider, &QSlider::valueChanged, this,
                &MiniViewOpacityWindow::applyLevel);
    closeOnEscape(this);
}

void MiniViewOpacityWindow::setLevel(int level)
{
    m_levelSlider->setValue(level);
}

void MiniViewOpacityWindow::setLevelEnabled(bool enabled)
{
    m_levelSlider->setEnabled(enabled);
}

void MiniViewOpacityWindow::applyLevel()
{
    const int position = m_levelSlider->value();
    // Moving the slider always takes effect, even when blending was off.
    m_blending.setEnabled(true);
    m_blending.setValue(position);
    m_percentLabel->setText(opacityPercentText(position));
    speakValue(m_percentLabel, m_percentLabel->text());
}
