// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Errors.h"

DayrailError::DayrailError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
