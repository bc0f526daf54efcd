// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Widgets.h"

#include "base/Pictures.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

ImageView::ImageView(QWidget *parent) : QWidget(parent) {}

void ImageView::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_drawn = m_transparent ? withoutTransparentColour(picture) : picture;
    update();
}

void ImageView::setTransparent(bool transparent)
{
    m_transparent = transparent;
    setPicture(m_picture);
}

void ImageView::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (m_drawn.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        p.drawImage(rect(), m_drawn);
    else
        p.drawImage(0, 0, m_drawn);
}

namespace {

class CharFilter : public QObject {
public:
    CharFilter(QObject *parent, std::function<bool(QChar)> accept)
        : QObject(parent), m_accept(std::move(accept))
    {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text.isEmpty() || (key->modifiers() & Qt::ControlModifier))
            return false;
        for (const QChar c : text) {
            if (c.unicode() < 32 || c.unicode() == 127)
                return false; // editing and navigation keys
            if (!m_accept(c))
                return true;
        }
        return false;
    }

private:
    std::function<bool(QChar)> m_accept;
};

} // namespace

void installCharFilter(QWidget *field, std::function<bool(QChar)> accept)
{
    field->installEventFilter(new CharFilter(field, std::move(accept)));
}

bool isDigitChar(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void setWindowColour(QWidget *window, const QColor &colour)
{
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colour);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QFont programFont()
{
    return QFont(QStringLiteral("DejaVu Sans"), 8);
}

void keepLayoutFont(QWidget *widget, QFont font)
{
    font.setResolveMask(QFont::AllPropertiesResolved);
    widget->setFont(font);
}

QColor windowColour(const QWidget *window)
{
    return window->palette().color(QPalette::Window);
}

void setFontColour(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QColor fontColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

QLabel *placeLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   int pixelSize, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    QFont font = label->font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void AlphaBlending::setEnabled(bool on)
{
    m_enabled = on;
    apply();
}

void AlphaBlending::setValue(int value)
{
    m_value = qBound(0, value, 255);
    apply();
}

bool supportsWindowOpacity(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

void AlphaBlending::apply()
{
    if (supportsWindowOpacity(QGuiApplication::platformName()))
        m_window->setWindowOpacity(m_enabled ? m_value / 255.0 : 1.0);
}
