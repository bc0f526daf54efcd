// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString shownLines(const QString &details)
{
    qsizetype at = -1;
    for (int line = 0; line < kReportLines; ++line) {
        at = details.indexOf(QLatin1Char('\n'), at + 1);
        if (at < 0)
            return details;
    }
    const qsizetype more = QStringView(details).sliced(at + 1).count(QLatin1Char('\n')) + 1;
    return details.left(at + 1) + moreLinesText(more);
}

} // namespace

QString moreLinesText(qsizetype more)
{
    return QStringLiteral("…и ещё %1").arg(more);
}

ReportDialog::ReportDialog(const QString &summary, const QString &details, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("reportDialog"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(summary, this);
    heading->setObjectName(QStringLiteral("reportSummary"));
    heading->setWordWrap(true);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading);
    auto *list = new QPlainTextEdit(shownLines(details), this);
    list->setObjectName(QStringLiteral("reportDetails"));
    list->setAccessibleName(summary.section(QLatin1Char('\n'), 0, 0));
    list->setReadOnly(true);
    // Keyboard users move through the list and copy from it too.
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    heading->setBuddy(list);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 360);
    list->setFocus();
}
