// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local side of a synchronisation: the events kept on this computer.
#include "core/CalendarItem.h"

#include <QString>

class SyncStore {
public:
    virtual ~SyncStore() = default;
    virtual CalendarItems items() const = 0;
    // Adds the item or replaces the one with its UID; returns its text as
    // items() gives it from now on. Throws DayrailError.
    virtual QByteArray put(const CalendarItem &item) = 0;
    // Removes the item with this UID; none is no failure. Throws DayrailError.
    virtual void remove(const QByteArray &uid) = 0;
    // Makes what put and remove did last, before the state file says both
    // sides agree on it: a store that writes later writes now. Throws DayrailError.
    virtual void commit() {}
};

// One .ics file per event in a folder, each written atomically: a portable
// copy's calendar, and what tests and benchmarks sync.
class FolderStore : public SyncStore {
public:
    explicit FolderStore(QString folder);
    CalendarItems items() const override;
    QByteArray put(const CalendarItem &item) override;
    void remove(const QByteArray &uid) override;

    const QString &folder() const { return m_folder; }
    QString pathOf(const QByteArray &uid) const;

private:
    QString m_folder;
};
