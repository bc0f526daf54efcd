// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

std::vector<TrayMessage> trayMessagesFor(QSystemTrayIcon::ActivationReason reason)
{
    // The toolkit reports a whole click at once; the second press of a double
    // click arrives as the double click itself, followed by its release.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return {TrayMessage::LButtonDown, TrayMessage::LButtonUp};
    case QSystemTrayIcon::DoubleClick:
        return {TrayMessage::LButtonDblClk, TrayMessage::LButtonUp};
    case QSystemTrayIcon::Context:
        return {TrayMessage::RButtonDown, TrayMessage::RButtonUp};
    case QSystemTrayIcon::MiddleClick:
        return {TrayMessage::MButtonDown, TrayMessage::MButtonUp};
    case QSystemTrayIcon::Unknown:
        break;
    }
    return {};
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
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             for (TrayMessage message : trayMessagesFor(reason))
                                 if (notify)
                                     notify(message);
                         });
    }
    bool add(const TrayRecord &record) override
    {
        apply(record);
        const bool host = hostAvailable();
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
        return m_icon.isVisible() && hostAvailable();
    }
    void remove() override { m_icon.hide(); }
    bool hostAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

private:
    void apply(const TrayRecord &record)
    {
        m_icon.setIcon(record.icon);
        m_icon.setToolTip(record.tip);
    }
    QSystemTrayIcon m_icon;
};

TrayIcon::ShiftState keyboardShift()
{
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    TrayIcon::ShiftState shift;
    if (keys & Qt::ShiftModifier)
        shift |= TrayIcon::ssShift;
    if (keys & Qt::ControlModifier)
        shift |= TrayIcon::ssCtrl;
    if (keys & Qt::AltModifier)
        shift |= TrayIcon::ssAlt;
    return shift;
}

} // namespace

std::unique_ptr<TrayShell> createSystemTrayShell() { return std::make_unique<SystemTrayShell>(); }

TrayIcon::TrayIcon(QObject *owner, std::unique_ptr<TrayShell> shell)
    : QObject(owner), m_shell(shell ? std::move(shell) : createSystemTrayShell())
{
    attachShell();
}

TrayIcon::~TrayIcon()
{
    m_ending = true;
    m_shell->notify = nullptr;
    setAnimated(false);
    deactivate();
}

void TrayIcon::attachShell()
{
    m_shell->notify = [this](TrayMessage message) { handleMessage(message); };
}

void TrayIcon::replaceShell(std::unique_ptr<TrayShell> shell)
{
    deactivate();
    m_shell->notify = nullptr;
    m_shell = std::move(shell);
    attachShell();
    if (m_active && !m_loading)
        activate();
}

void TrayIcon::Loaded()
{
    m_loading = false;
    if (m_active)
        activate();
}

void TrayIcon::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (m_loading)
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
    if (run && m_shell->hostAvailable())
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

QString TrayIcon::shortHint() const { return m_hint.section(QLatin1Char('|'), 0, 0).left(63); }

bool TrayIcon::inTray() const { return m_added && m_shell->hostAvailable(); }

QIcon TrayIcon::iconInUse() const
{
    if (m_animated && !m_icons.isEmpty())
        return m_icons.at(qBound(0, m_frame, int(m_icons.size()) - 1));
    return m_icon;
}

TrayRecord TrayIcon::record() const { return {iconInUse(), shortHint()}; }

void TrayIcon::activate()
{
    // Deleting first means adding twice never leaves two icons.
    m_shell->remove();
    m_added = false;
    const QIcon icon = iconInUse();
    if (icon.isNull())
        return;
    m_pressed = {};
    m_added = m_shell->add(record());
    if (shortHint().isEmpty() && m_added)
        m_shell->modify(record());
    runAnimation(m_added);
}

void TrayIcon::deactivate()
{
    m_shell->remove();
    m_added = false;
    m_pressed = {};
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
    } else if (m_active && !m_loading) {
        activate();
    }
}

void TrayIcon::handleMessage(TrayMessage message)
{
    if (m_ending || !m_enabled)
        return;
    const QPoint pos = QCursor::pos();
    const ShiftState keys = keyboardShift();
    switch (message) {
    case TrayMessage::MouseMove:
        emit OnMouseMove(keys, pos);
        break;
    case TrayMessage::LButtonDown:
        press(Qt::LeftButton, keys | ssLeft, pos);
        break;
    case TrayMessage::LButtonUp:
        release(Qt::LeftButton, keys, pos);
        break;
    case TrayMessage::LButtonDblClk:
        doubleClick();
        emit OnMouseDown(Qt::LeftButton, keys | ssDouble, pos);
        break;
    case TrayMessage::RButtonDown:
        press(Qt::RightButton, keys | ssRight, pos);
        break;
    case TrayMessage::RButtonUp:
        release(Qt::RightButton, keys, pos);
        break;
    case TrayMessage::RButtonDblClk:
        emit OnMouseDown(Qt::RightButton, keys | ssDouble, pos);
        break;
    case TrayMessage::MButtonDown:
        emit OnMouseDown(Qt::MiddleButton, keys | ssMiddle, pos);
        break;
    case TrayMessage::MButtonUp:
        emit OnMouseUp(Qt::MiddleButton, keys | ssMiddle, pos);
        break;
    case TrayMessage::MButtonDblClk:
        emit OnMouseDown(Qt::MiddleButton, keys | ssDouble, pos);
        break;
    }
}

void TrayIcon::press(Qt::MouseButton button, ShiftState shift, QPoint pos)
{
    emit OnMouseDown(button, shift, pos);
    m_pressed |= button;
}

void TrayIcon::release(Qt::MouseButton button, ShiftState shift, QPoint pos)
{
    // Only a release of a button pressed on the icon makes a click.
    if (m_pressed & button) {
        m_pressed &= ~Qt::MouseButtons(button);
        click(button, shift, pos);
    }
    emit OnMouseUp(button, shift, pos);
}

void TrayIcon::click(Qt::MouseButton button, ShiftState shift, QPoint pos)
{
    if (button == Qt::RightButton && showPopup(pos))
        return;
    emit OnClick(button, shift, pos);
}

void TrayIcon::doubleClick()
{
    QAction *item = m_popupMenu ? m_popupMenu->defaultAction() : nullptr;
    if (item && item->isEnabled())
        item->trigger();
    else
        emit OnDblClick();
}

bool TrayIcon::showPopup(QPoint pos)
{
    if (!m_active || !m_popupMenu)
        return false;
    // A window still holding the mouse would swallow the menu's clicks.
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QCoreApplication::processEvents();
    if (!m_popupMenu) // destroyed by one of those events
        return false;
    m_popupMenu->exec(pos);
    return true;
}
