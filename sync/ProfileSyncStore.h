// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The active profile as the local side of a synchronisation. The server's
// changes go into the model at once and reach the profile's files before
// the sync state records them, so a stopped program never mistakes them for
// local removals.
#include "core/CalendarModel.h"
#include "core/ProfileCalendar.h"
#include "sync/SyncStore.h"

class ProfileSyncStore : public SyncStore {
public:
    explicit ProfileSyncStore(CalendarModel &model) : m_model(model), m_calendar(model) {}
    CalendarItems items() const override { return m_calendar.items(); }
    QByteArray put(const CalendarItem &item) override
    {
        m_changed = true;
        return m_calendar.put(item);
    }
    void remove(const QByteArray &uid) override
    {
        m_calendar.remove(uid);
        m_changed = true;
    }
    void commit() override
    {
        if (!std::exchange(m_changed, false))
            return;
        try {
            m_model.saveProfile();
        } catch (...) {
            m_changed = true;
            throw;
        }
    }

private:
    CalendarModel &m_model;
    ProfileCalendar m_calendar;
    bool m_changed = false;
};
