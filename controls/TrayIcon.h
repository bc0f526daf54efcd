// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TrayIcon: an icon with a tooltip in the desktop's notification area and
// a popup menu on a right click. Whatever the platform reports about the
// icon is turned into the classic press/release mouse messages first, so the
// click rules are the same everywhere: a release without its press is no
// click, a right click opens the menu instead of clicking, and a double click
// adds nothing to the click of its first press.
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

// Mouse messages of the notification callback, numbered as the shell numbers them.
enum class TrayMessage {
    Move = 0x0200,
    LeftPress = 0x0201,
    LeftRelease = 0x0202,
    LeftDoubleClick = 0x0203,
    RightPress = 0x0204,
    RightRelease = 0x0205,
    RightDoubleClick = 0x0206,
    MiddlePress = 0x0207,
    MiddleRelease = 0x0208,
    MiddleDoubleClick = 0x0209,
};

// The messages one activation of the toolkit's tray icon stands for.
std::vector<TrayMessage> trayMessagesFor(QSystemTrayIcon::ActivationReason reason);

// What the notification area is asked to show.
struct TrayRecord {
    QIcon icon;
    QString tip;
};

// The notification area: add, modify and delete one icon. The component
// sets the message handler to receive the mouse messages.
class TrayShell {
public:
    using MessageHandler = std::function<void(TrayMessage)>;

    virtual ~TrayShell();
    virtual bool add(const TrayRecord &record) = 0;
    virtual bool modify(const TrayRecord &record) = 0;
    virtual void remove() = 0;
    // Whether a notification area exists on this desktop right now.
    virtual bool isHostAvailable() const = 0;
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

protected:
    // Hands one mouse message to the handler, if any.
    void deliver(TrayMessage message) const
    {
        if (m_messageHandler)
            m_messageHandler(message);
    }

private:
    MessageHandler m_messageHandler;
};

// The desktop's own notification area, through the toolkit.
std::unique_ptr<TrayShell> createSystemTrayShell();

class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum ShiftFlag {
        Shift = 0x01,
        Alt = 0x02,
        Control = 0x04,
        Left = 0x08,
        Right = 0x10,
        Middle = 0x20,
        DoubleClick = 0x40,
    };
    Q_DECLARE_FLAGS(ShiftState, ShiftFlag)

    // The shell defaults to the desktop's notification area.
    explicit TrayIcon(QObject *owner, std::unique_ptr<TrayShell> shell = nullptr);
    ~TrayIcon() override;

    // Call once the owner has set the properties: puts the icon up if active.
    void completeSetup();

    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    const QIcon &icon() const { return m_icon; }
    void setIcon(const QIcon &icon);
    const QList<QIcon> &icons() const { return m_icons; }
    void setIcons(const QList<QIcon> &icons);
    bool isAnimated() const { return m_animated; }
    void setAnimated(bool animated);
    quint16 interval() const { return m_interval; }
    void setInterval(quint16 milliseconds);
    const QString &hint() const { return m_hint; }
    void setHint(const QString &hint);
    QMenu *contextMenu() const { return m_contextMenu; }
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    // The tooltip: the hint up to its first "|", at most 63 characters.
    QString shortHint() const;
    // The icon is in the notification area and that area still exists.
    bool inTray() const;
    int frameIndex() const { return m_frame; }

    // Handles one mouse message of the notification callback.
    void handleMessage(TrayMessage message);

    TrayShell &shell() const { return *m_shell; }
    // Moves the icon to another notification area (the old one loses it).
    void replaceShell(std::unique_ptr<TrayShell> shell);

signals:
    void clicked(Qt::MouseButton button, TrayIcon::ShiftState shift, QPoint pos);
    void doubleClicked();
    void pressed(Qt::MouseButton button, TrayIcon::ShiftState shift, QPoint pos);
    void released(Qt::MouseButton button, TrayIcon::ShiftState shift, QPoint pos);
    void mouseMoved(TrayIcon::ShiftState shift, QPoint pos);

private:
    void activate();
    void deactivate();
    void refresh();
    QIcon iconInUse() const;
    TrayRecord record() const;
    void press(Qt::MouseButton button, ShiftState shift, QPoint pos);
    void release(Qt::MouseButton button, ShiftState shift, QPoint pos);
    void click(Qt::MouseButton button, ShiftState shift, QPoint pos);
    void doubleClick();
    bool showContextMenu(QPoint pos);
    void nextFrame();
    void runAnimation(bool run);
    void attachShell();

    std::unique_ptr<TrayShell> m_shell;
    bool m_active = true;
    bool m_enabled = true;
    bool m_settingUp = true;
    bool m_ending = false;
    bool m_added = false;
    bool m_animated = false;
    quint16 m_interval = 150;
    int m_frame = -1;
    QIcon m_icon;
    QList<QIcon> m_icons;
    QString m_hint;
    QPointer<QMenu> m_contextMenu;
    Qt::MouseButtons m_pressed;
    QTimer *m_animation = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TrayIcon::ShiftState)
