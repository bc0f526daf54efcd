// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TrayIcon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

TrayCommand trayCommandFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return TrayCommand::Restore;
    case QSystemTrayIcon::DoubleClick: return TrayCommand::DefaultItem;
    case QSystemTrayIcon::Context: return TrayCommand::ShowMenu;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown: break;
    }
    return TrayCommand::None;
}

TrayShell::~TrayShell() = default;

namespace {

class SystemTrayShell : public TrayShell {
public:
    SystemTrayShell()
    {
        // The menu is shown by the component, so the icon gets none of its own
        // and every right click comes back as an activation.
        QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                         [this](QSystemTrayIcon::ActivationReason reason) { deliver(reason); });
    }
    bool add(const TrayRecord &record) override
    {
        apply(record);
        const bool host = isHostAvailable();
        // On X11 the toolkit keeps a pending icon and puts it up once a
        // notification area appears (a panel started after the program);
        // until then the icon counts as not added.
        if (host || QGuiApplication::platformName() == QLatin1String("xcb"))
            m_icon.show();
        return host;
    }
    bool modify(const TrayRecord &record) override
    {
        apply(record);
        return m_icon.isVisible() && isHostAvailable();
    }
    void remove() override { m_icon.hide(); }
    bool isHostAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

private:
    void apply(const TrayRecord &record)
    {
        m_icon.setIcon(record.icon);
        m_icon.setToolTip(record.tip);
    }
    QSystemTrayIcon m_icon;
};

} // namespace

std::unique_ptr<TrayShell> createSystemTrayShell()
{
    return std::make_unique<SystemTrayShell>();
}

TrayIcon::TrayIcon(QObject *owner, std::unique_ptr<TrayShell> shell)
    : QObject(owner), m_shell(shell ? std::move(shell) : createSystemTrayShell())
{
    attachShell();
}

TrayIcon::~TrayIcon()
{
    m_ending = true;
    m_shell->setActivationHandler(nullptr);
    setAnimated(false);
    deactivate();
}

void TrayIcon::attachShell()
{
    m_shell->setActivationHandler(
        [this](QSystemTrayIcon::ActivationReason reason) { handleActivation(reason); });
}

void TrayIcon::replaceShell(std::unique_ptr<TrayShell> shell)
{
    deactivate();
    m_shell->setActivationHandler(nullptr);
    m_shell = std::move(shell);
    attachShell();
    if (m_active && !m_settingUp)
        activate();
}

void TrayIcon::completeSetup()
{
    m_settingUp = false;
    if (m_active)
        activate();
}

void TrayIcon::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (m_settingUp)
        return;
    if (active)
        activate();
    else
        deactivate();
}

void TrayIcon::setIcon(const QIcon &icon)
{
    m_icon = icon;
    refresh();
}

void TrayIcon::setIcons(const QList<QIcon> &icons)
{
    m_icons = icons;
    refresh();
}

void TrayIcon::setHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    refresh();
}

void TrayIcon::setInterval(quint16 milliseconds)
{
    m_interval = milliseconds;
    if (m_animation)
        m_animation->setInterval(m_interval);
}

void TrayIcon::setAnimated(bool animated)
{
    if (animated && m_icons.isEmpty())
        animated = false;
    if (animated == m_animated)
        return;
    m_animated = animated;
    if (animated) {
        m_animation = new QTimer(this);
        m_animation->setInterval(m_interval);
        connect(m_animation, &QTimer::timeout, this, &TrayIcon::nextFrame);
        runAnimation(m_added);
    } else {
        delete m_animation;
        m_animation = nullptr;
        m_frame = 0;
    }
}

void TrayIcon::runAnimation(bool run)
{
    if (!m_animation)
        return;
    // Frames nobody can see cost nothing: without a tray host the timer rests.
    if (run && m_shell->isHostAvailable())
        m_animation->start();
    else
        m_animation->stop();
}

void TrayIcon::nextFrame()
{
    if (m_ending || m_icons.isEmpty())
        return;
    m_frame = m_frame + 1 >= m_icons.size() ? 0 : m_frame + 1;
    refresh();
}

QString TrayIcon::shortHint() const
{
    return m_hint.section(QLatin1Char('|'), 0, 0).left(63);
}

bool TrayIcon::inTray() const
{
    return m_added && m_shell->isHostAvailable();
}

QIcon TrayIcon::iconInUse() const
{
    if (m_animated && !m_icons.isEmpty())
        return m_icons.at(qBound(0, m_frame, int(m_icons.size()) - 1));
    return m_icon;
}

TrayRecord TrayIcon::record() const
{
    return {iconInUse(), shortHint()};
}

void TrayIcon::activate()
{
    // Deleting first means adding twice never leaves two icons.
    m_shell->remove();
    m_added = false;
    const QIcon icon = iconInUse();
    if (icon.isNull())
        return;
    m_added = m_shell->add(record());
    if (shortHint().isEmpty() && m_added)
        m_shell->modify(record());
    runAnimation(m_added);
}

void TrayIcon::deactivate()
{
    m_shell->remove();
    m_added = false;
    runAnimation(false);
}

void TrayIcon::refresh()
{
    if (m_icons.isEmpty())
        setAnimated(false);
    if (m_added) {
        if (iconInUse().isNull())
            deactivate();
        else
            m_shell->modify(record());
    } else if (m_active && !m_settingUp) {
        activate();
    }
}

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    if (m_ending || !m_enabled)
        return;
    switch (trayCommandFor(reason)) {
    case TrayCommand::None: break;
    case TrayCommand::Restore: emit restoreRequested(); break;
    case TrayCommand::ShowMenu:
        if (!showContextMenu(QCursor::pos()))
            emit restoreRequested();
        break;
    case TrayCommand::DefaultItem: runDefaultItem(); break;
    }
}

void TrayIcon::runDefaultItem()
{
    QAction *item = m_contextMenu ? m_contextMenu->defaultAction() : nullptr;
    if (item && item->isEnabled())
        item->trigger();
    else
        emit doubleClicked();
}

bool TrayIcon::showContextMenu(QPoint pos)
{
    if (!m_active || !m_contextMenu)
        return false;
    // A window still holding the mouse would swallow the menu's clicks.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QCoreApplication::processEvents();
    if (!m_contextMenu) // destroyed by one of those events
        return false;
    m_contextMenu->exec(pos);
    return true;
}
