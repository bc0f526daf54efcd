// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box for a result with a list (what an import or export left out): the
// summary above, the list in a read-only text the user can scroll, select
// and copy. Its opener gives it a title. A long list shows its first
// kReportLines lines only: a screen reader reads the text in one piece.
#include <QDialog>

constexpr int kReportLines = 500;

// The line that ends a list cut short, for the more lines left out.
QString moreLinesText(qsizetype more);

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(const QString &summary, const QString &details, QWidget *parent = nullptr);
};
