// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's opacity following its setting in the model the way the settings'
// switch and level act on it: the switch turns blending on or off at the
// window's last value; a level moved while the switch is on is applied.
#include "core/CalendarModel.h"

#include <functional>

class AlphaBlending;
class QObject;

// What one change of the setting did to the window.
struct OpacityChange {
    bool switched = false;     // blending turned on or off
    bool levelApplied = false; // the level became the window's value
};

using OpacityFollowUp = std::function<void(const OpacitySetting &now, const OpacityChange &change)>;

// Brings blending in step with the setting at once, as if it had followed it
// from the settings' defaults (off, 255), and keeps it so while receiver
// lives. followUp hears of every change that did something.
void followOpacity(CalendarModel &model, OpacityWindow window, QObject *receiver,
                   AlphaBlending &blending, OpacityFollowUp followUp = nullptr);
