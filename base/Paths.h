// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The file-name part of a path ("/a/b/Работа.cpr" -> "Работа.cpr").
QString fileNameOf(const QString &path);
