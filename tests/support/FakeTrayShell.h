// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A notification area for tests: records what it is asked to do in a log
// that outlives it (the tray icon owns its shell).
#include "controls/TrayIcon.h"

#include <QStringList>
#include <memory>

struct TrayShellLog {
    QStringList ops;     // "delete", "add:<tip>", "modify:<tip>"
    bool host = true;    // a notification area exists
    bool refuse = false; // the add operation fails
};

class FakeTrayShell : public TrayShell {
public:
    explicit FakeTrayShell(std::shared_ptr<TrayShellLog> log) : m_log(std::move(log)) {}
    bool add(const TrayRecord &r) override
    {
        m_log->ops << QStringLiteral("add:") + r.tip;
        return !m_log->refuse;
    }
    bool modify(const TrayRecord &r) override
    {
        m_log->ops << QStringLiteral("modify:") + r.tip;
        return true;
    }
    void remove() override { m_log->ops << QStringLiteral("delete"); }
    bool isHostAvailable() const override { return m_log->host; }

private:
    std::shared_ptr<TrayShellLog> m_log;
};
