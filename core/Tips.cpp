// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Tips.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QRandomGenerator>

namespace {

// The last two tips are never the first one shown.
constexpr int kFirstTipBound = 13;

} // namespace

Tips Tips::read(const QStringList &files)
{
    for (const QString &path : files) {
        if (!fileExists(path))
            continue;
        Tips tips;
        tips.m_lines = readTextFile(path, kCount);
        return tips;
    }
    throw FileError(QStringLiteral("Не найден файл советов \"tips.cal\" ни в текущей папке, ни в "
                                   "папке программы"));
}

int Tips::next(int k) const
{
    return k < kCount && !tip(k + 1).isEmpty() ? k + 1 : 1;
}

int Tips::first()
{
    return QRandomGenerator::global()->bounded(1, kFirstTipBound + 1);
}
