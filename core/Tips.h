// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tips of "tips.cal": up to fifteen lines of Windows-1251 text, shown one
// at a time and stepped forward and back.
#include <QString>
#include <QStringList>

class Tips {
public:
    static constexpr int kCount = 15;

    // No tips: every one is empty.
    Tips() = default;
    // Reads the first of files that exists. Throws FileError when none does
    // or it cannot be read.
    static Tips read(const QStringList &files);

    // Tip k (1..15), empty where the file has no line.
    QString tip(int k) const { return m_lines.value(k - 1); }
    // After k: the next tip, or the first again after the last one or
    // before an empty one.
    int next(int k) const;
    // Before k: the previous tip, the fifteenth before the first.
    static int previous(int k) { return k <= 1 ? kCount : k - 1; }
    // The tip a showing starts on: any but the last two.
    static int first();

private:
    QStringList m_lines;
};
