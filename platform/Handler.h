// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one path for failures: every handler runs through runHandler, which
// reports a DayrailError (or any other exception) in a message box and stops
// the handler there. Nothing done before the throw is undone, and no
// exception ever reaches the event loop.
#include <QObject>
#include <functional>

// Runs body; returns false when it failed (the failure has been reported).
bool runHandler(const std::function<void()> &body);

// Connects a signal to a handler member through runHandler. The handler may
// take the signal's leading arguments or none.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection bindHandler(Sender *sender, Signal signal, Receiver *receiver,
                                    void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        runHandler([&] { (receiver->*handler)(args...); });
    });
}

// The same for a command without arguments.
template <typename Sender, typename Signal>
QMetaObject::Connection bindHandler(Sender *sender, Signal signal, QObject *context,
                                    std::function<void()> body)
{
    return QObject::connect(sender, signal, context,
                            [body = std::move(body)] { runHandler(body); });
}
