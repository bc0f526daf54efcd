// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto *list = new QPlainTextEdit(details, this);
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
