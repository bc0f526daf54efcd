// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FloatingClockWindow.h"

#include "controls/ClockFace.h"
#include "core/CalendarModel.h"
#include "platform/AccessibleWindow.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "windows/WindowOpacity.h"
#include "windows/WindowServices.h"

#include <QCloseEvent>
#include <QShortcut>

namespace {
constexpr QColor kClockWindowColour{240, 251, 255};
}

FloatingClockWindow::FloatingClockWindow(CalendarModel &model, WindowServices &services,
                                         QWidget *parent)
    : QWidget(parent), m_services(services)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("floatingClockWindow"));
    readAsWindow(this);
    setWindowTitle(QStringLiteral("Часы"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(115, 106);
    setWindowColour(this, kClockWindowColour);

    m_clock = place(new ClockFace(this), 0, 0, 113, 105);
    m_clock->setObjectName(QStringLiteral("clock"));
    m_clock->setAccessibleDescription(QStringLiteral("Часы"));
    // Ticks only while shown.
    m_clock->timer()->setEnabled(false);
    QFont face = font();
    face.setPixelSize(18);
    m_clock->setFont(face);
    m_clock->setColor(kClockWindowColour);
    m_clock->setShowMode(ClockStyle::Analog);
    m_clock->setDotsColor(colours::black);
    m_clock->setBorderStyle(ClockBorder::Single);
    m_clock->setAutoSize(true);
    // The program's one clock, so the face and the time lines agree.
    m_clock->setTimeSource([this](QObject *, QTime &time) { time = m_services.now().time(); });
    m_clock->followTimeChanges(m_services.timeWatcher());
    m_clock->completeSetup();
    connect(m_clock, &ClockFace::failed, this,
            [this](const QString &text) { m_services.dialogs().error(text); });

    followOpacity(model, OpacityWindow::FloatingClock, this, m_blending);
    // Escape on the clock-only view leads back to the hidden main window; on
    // a clock opened beside the main window it just closes the clock.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("closeShortcut"));
    connect(escape, &QShortcut::activated, this, [this] {
        runHandler(m_services.dialogs(), [this] {
            if (!m_services.isWindowVisible(WindowRole::Main))
                m_services.showMainWindow();
        });
        close();
    });
}

void FloatingClockWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Opened centred on the desktop; later it stays where the user left it.
    if (!m_placed)
        centreOnScreen(this);
    m_placed = true;
    // The time went on while hidden: catch up at once, then tick again.
    m_clock->tick();
    m_clock->timer()->setEnabled(true);
}

void FloatingClockWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Told before the reader asks: the window has no control to take the
    // keyboard, and a clock read every second would drown everything else.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setAccessibleDescription(m_clock->accessibleName());
}

void FloatingClockWindow::hideEvent(QHideEvent *event)
{
    m_clock->timer()->setEnabled(false);
    QWidget::hideEvent(event);
}

void FloatingClockWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closing the clock of the clock-only view must not lose the program.
    runHandler(m_services.dialogs(),
               [this] { m_services.keepReachable(WindowRole::FloatingClock); });
}
