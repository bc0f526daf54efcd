// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Network failures in the user's words, naming the address concerned.
#include "base/Errors.h"

#include <QString>
#include <QUrl>

class QNetworkReply;

// A request that did not give what was asked; its text is for the user.
class NetworkError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// The address as a message shows it: without the password, at most 60 characters.
QString shownAddress(const QUrl &url);

// What went wrong with a finished reply, or an empty string when it
// succeeded with a 2xx status.
QString replyFailure(QNetworkReply *reply);
