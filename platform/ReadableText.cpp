// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadableText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace {

// The level normal-sized text needs (WCAG 2, AA).
constexpr double kReadableContrast = 4.5;
// A background darker than this is dark: text gets lighter on it.
constexpr double kDarkLuminance = 0.18;
constexpr int kMixSteps = 20;

double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// The colour the text stands on: the control's own, or that of the nearest
// widget behind it that paints its background.
QColor backgroundBehind(const QWidget *control)
{
    const QWidget *painted = control;
    while (!painted->isWindow() && !painted->autoFillBackground() && painted->parentWidget())
        painted = painted->parentWidget();
    return painted->palette().color(painted->backgroundRole());
}

// The colours a control was given apart from the application palette, in a
// palette that sets only those: set on the control with the text colour, it
// leaves every other role to follow the desktop.
QPalette ownColours(const QWidget *control)
{
    const QPalette &now = control->palette();
    const QPalette desktop = QApplication::palette(control);
    QPalette own; // the application's colours, none of them set
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (r != control->foregroundRole() && now.brush(g, r) != desktop.brush(g, r))
                own.setBrush(g, r, now.brush(g, r));
        }
    return own;
}

// Keeps one control's described colour and applies the readable form of it.
// Q_OBJECT: it is found among the control's children by its type.
class ReadableColour : public QObject {
    Q_OBJECT
public:
    ReadableColour(QWidget *control, const QColor &described)
        : QObject(control), m_control(control), m_own(ownColours(control)), m_described(described)
    {
        control->installEventFilter(this);
        apply();
    }

    void setDescribed(const QColor &described)
    {
        m_described = described;
        apply();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // The control's own palette change, or the desktop's reaching it.
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply()
    {
        const QPalette::ColorRole role = m_control->foregroundRole();
        const QColor shown =
            darkPaletteInUse() ? readableOn(m_described, backgroundBehind(m_control)) : m_described;
        // Setting the palette sends another change event; an equal colour ends it.
        if (m_control->palette().color(role) == shown)
            return;
        QPalette palette = m_own;
        palette.setColor(role, shown);
        m_control->setPalette(palette);
    }

    QWidget *m_control;
    QPalette m_own;
    QColor m_described;
};

bool showsText(QWidget *control)
{
    return qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control);
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

bool darkPaletteInUse()
{
    return luminance(QApplication::palette().color(QPalette::Window)) < kDarkLuminance;
}

QColor readableOn(const QColor &wanted, const QColor &background)
{
    if (contrastRatio(wanted, background) >= kReadableContrast)
        return wanted;
    const QColor target =
        luminance(background) < kDarkLuminance ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step < kMixSteps; ++step) {
        const QColor candidate = mixed(wanted, target, double(step) / kMixSteps);
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate;
    }
    return target;
}

void setReadableColour(QWidget *control, const QColor &colour)
{
    if (auto *kept = control->findChild<ReadableColour *>(QString(), Qt::FindDirectChildrenOnly))
        kept->setDescribed(colour);
    else
        new ReadableColour(control, colour);
}

void keepColouredTextReadable(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!showsText(control) || !control->testAttribute(Qt::WA_SetPalette))
            continue;
        const QPalette::ColorRole role = control->foregroundRole();
        const QColor colour = control->palette().color(role);
        if (colour != QApplication::palette(control).color(role))
            setReadableColour(control, colour);
    }
}

#include "ReadableText.moc"
