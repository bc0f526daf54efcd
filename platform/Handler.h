// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one path for failures: every handler runs through runHandler, which
// reports a DayrailError (or any other exception) in the given seam's error
// box and stops the handler there. Nothing done before the throw is undone, and no
// exception ever reaches the event loop.
#include <QObject>
#include <functional>

class DialogSeam;

// Runs body; returns false when it failed (the failure has been reported to
// dialogs).
bool runHandler(DialogSeam &dialogs, const std::function<void()> &body);

// Connects a signal to a handler member through runHandler. The handler may
// take the signal's leading arguments or none.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection bindHandler(DialogSeam &dialogs, Sender *sender, Signal signal,
                                    Receiver *receiver, void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [&dialogs, receiver, handler](Args... args) {
        runHandler(dialogs, [&] { (receiver->*handler)(args...); });
    });
}

// The same for a command without arguments.
template <typename Sender, typename Signal>
QMetaObject::Connection bindHandler(DialogSeam &dialogs, Sender *sender, Signal signal,
                                    QObject *context, std::function<void()> body)
{
    return QObject::connect(sender, signal, context,
                            [&dialogs, body = std::move(body)] { runHandler(dialogs, body); });
}
