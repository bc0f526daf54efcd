// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenNotice.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

const char *const kNoticeName = "spokenNotice";
const char *const kNoticeProperty = "dayrailNotice";

QAccessibleInterface *noticeFactory(const QString &className, QObject *object)
{
    // Asked once per class of the object, most derived first: answer only there.
    if (!object || className != QLatin1String(object->metaObject()->className()) ||
        !object->property(kNoticeProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
}

QWidget *noticeOf(QWidget *window)
{
    if (auto *notice =
            window->findChild<QWidget *>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly))
        return notice;
    static const bool installed = [] {
        QAccessible::installFactory(&noticeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    // A pixel that draws nothing and takes neither clicks nor the keyboard.
    auto *notice = new QWidget(window);
    notice->setObjectName(QLatin1String(kNoticeName));
    notice->setProperty(kNoticeProperty, true);
    notice->setGeometry(0, 0, 1, 1);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setFocusPolicy(Qt::NoFocus);
    notice->hide();
    return notice;
}

} // namespace

void speakNotice(QWidget *near, const QString &text)
{
    if (!QAccessible::isActive() || !near || text.isEmpty())
        return;
    QWidget *notice = noticeOf(near->window());
    // Appearing is what readers announce: hide first, so it appears again.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

void speakChoices(QComboBox *box)
{
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        if (box->hasFocus() && !box->view()->isVisible())
            speakNotice(box, box->currentText());
    });
}
