// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Announcement.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QWidget>

namespace {

constexpr char kObjectName[] = "announcement";

bool isAnnouncement(const QObject *object)
{
    return object && object->objectName() == QLatin1String(kObjectName) &&
           object->property(kObjectName).toBool();
}

QAccessibleInterface *announcementFactory(const QString &className, QObject *object)
{
    // Asked once per class of the object, most derived first: answer only there.
    if (!isAnnouncement(object) || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

// Hidden with its window, it stays hidden when the window comes back: a
// reader would take it for news again.
class Announcement : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void hideEvent(QHideEvent *event) override
    {
        QWidget::hideEvent(event);
        if (!isHidden())
            QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    }
};

QWidget *announcementOf(QWidget *window)
{
    for (QObject *child : window->children())
        if (isAnnouncement(child))
            return static_cast<QWidget *>(child);
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&announcementFactory);
    auto *announcement = new Announcement(window);
    announcement->setObjectName(QLatin1String(kObjectName));
    announcement->setProperty(kObjectName, true);
    // One transparent pixel, out of the keyboard's and the mouse's way.
    announcement->setGeometry(0, 0, 1, 1);
    announcement->setFocusPolicy(Qt::NoFocus);
    announcement->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcement->hide();
    return announcement;
}

} // namespace

void announce(QWidget *from, const QString &message)
{
    QWidget *window = from->window();
    if (!window->isVisible() || message.isEmpty())
        return;
    QWidget *announcement = announcementOf(window);
    // Appearing is the news: hidden first, so that each message appears anew.
    announcement->hide();
    announcement->setAccessibleName(message);
    announcement->show();
}

void announceChoices(QComboBox *box)
{
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        if (box->hasFocus() && !box->view()->isVisible())
            announce(box, box->currentText());
    });
}
