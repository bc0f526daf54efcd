// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the start-up benchmarks: prints the wall-clock time (ns since the
// epoch) of a window's first paint and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first_paint_ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
