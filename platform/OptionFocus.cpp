// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OptionFocus.h"

#include <QRadioButton>

#include <algorithm>

namespace {

const char *const kFollowed = "dayrailTabToChecked";

// An exclusive option's group: the exclusive options of the same parent.
QList<QRadioButton *> groupOf(const QRadioButton *option)
{
    QList<QRadioButton *> group;
    for (QObject *sibling : option->parent()->children()) {
        auto *button = qobject_cast<QRadioButton *>(sibling);
        if (button && button->autoExclusive())
            group.append(button);
    }
    return group;
}

void updateGroup(const QRadioButton *option)
{
    const QList<QRadioButton *> group = groupOf(option);
    const bool anyChecked =
        std::any_of(group.cbegin(), group.cend(), [](auto *b) { return b->isChecked(); });
    // The arrows reach unchecked options whatever their policy; Tab does not.
    for (QRadioButton *button : group)
        button->setFocusPolicy(!anyChecked || button->isChecked() ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
}

} // namespace

void tabToCheckedOption(QWidget *container)
{
    for (QRadioButton *option : container->findChildren<QRadioButton *>()) {
        if (!option->autoExclusive())
            continue;
        updateGroup(option);
        if (option->property(kFollowed).toBool())
            continue;
        option->setProperty(kFollowed, true);
        QObject::connect(option, &QRadioButton::toggled, option, [option] { updateGroup(option); });
    }
}
