// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TrayIcon: an icon with a tooltip in the desktop's notification area and
// a popup menu on a right click. The toolkit's activations of the icon are
// turned into what the program does with them (TrayCommand): a right click
// without a menu brings the program back as a click does, and a double click
// adds nothing to the click of its first press.
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

class QTimer;

// What the icon does for one activation the toolkit reports: a click brings
// the program back, a right click opens the menu, a double click runs the
// menu's default item (its first click has already brought the program back).
enum class TrayCommand { None, Restore, ShowMenu, DefaultItem };

TrayCommand trayCommandFor(QSystemTrayIcon::ActivationReason reason);

// What the notification area is asked to show.
struct TrayRecord {
    QIcon icon;
    QString tip;
};

// The notification area: add, modify and delete one icon. The component
// sets the activation handler to learn of clicks on the icon.
class TrayShell {
public:
    using ActivationHandler = std::function<void(QSystemTrayIcon::ActivationReason)>;

    virtual ~TrayShell();
    virtual bool add(const TrayRecord &record) = 0;
    virtual bool modify(const TrayRecord &record) = 0;
    virtual void remove() = 0;
    // Whether a notification area exists on this desktop right now.
    virtual bool isHostAvailable() const = 0;
    void setActivationHandler(ActivationHandler handler)
    {
        m_activationHandler = std::move(handler);
    }

protected:
    // Hands one activation to the handler, if any.
    void deliver(QSystemTrayIcon::ActivationReason reason) const
    {
        if (m_activationHandler)
            m_activationHandler(reason);
    }

private:
    ActivationHandler m_activationHandler;
};

// The desktop's own notification area, through the toolkit.
std::unique_ptr<TrayShell> createSystemTrayShell();

class TrayIcon : public QObject {
    Q_OBJECT
public:
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

    // Does what one activation of the icon asks for.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

    TrayShell &shell() const { return *m_shell; }
    // Moves the icon to another notification area (the old one loses it).
    void replaceShell(std::unique_ptr<TrayShell> shell);

signals:
    // A click, or a right click with no menu to open.
    void restoreRequested();
    // A double click with no default menu item to run.
    void doubleClicked();

private:
    void activate();
    void deactivate();
    void refresh();
    QIcon iconInUse() const;
    TrayRecord record() const;
    void runDefaultItem();
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
    QTimer *m_animation = nullptr;
};
