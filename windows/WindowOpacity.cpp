// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WindowOpacity.h"

#include "platform/Widgets.h"

void followOpacity(CalendarModel &model, OpacityWindow window, QObject *receiver,
                   AlphaBlending &blending, OpacityFollowUp followUp)
{
    auto step = [&model, window, &blending, followUp, shown = OpacitySetting{}]() mutable {
        const OpacitySetting now = model.opacity(window);
        OpacityChange change;
        if (now.enabled != shown.enabled) {
            blending.setEnabled(now.enabled);
            change.switched = true;
        }
        if (now.enabled && now.level != shown.level) {
            blending.setEnabled(true);
            blending.setValue(now.level);
            change.levelApplied = true;
        }
        shown = now;
        if (followUp && (change.switched || change.levelApplied))
            followUp(now, change);
    };
    step();
    QObject::connect(&model, &CalendarModel::opacityChanged, receiver,
                     [window, step](OpacityWindow changed) mutable {
                         if (changed == window)
                             step();
                     });
}
