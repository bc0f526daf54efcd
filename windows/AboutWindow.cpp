// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AboutWindow.h"

#include "controls/ImageButton.h"
#include "platform/Widgets.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

QLabel *navyLabel(QWidget *parent, const char *name, const QString &text, int y, int height)
{
    auto *label = place(new QLabel(text, parent), 16, y, 340, height);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAccessibleName(text);
    setFontColour(label, colours::navy);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(365, 182);
    setWindowColour(this, colours::white);

    auto *banner = place(new ImageView(this), 0, 0, 369, 97);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPicture(shippedPicture(QStringLiteral(":/banners/about.gif"), devicePixelRatioF()));
    // Qt breaks label lines at a line feed.
    navyLabel(this, "productLabel",
              QStringLiteral("Программа \"Dayrail XP\"\n"
                             "Разработчики: команда «Дневной рельс»\n"
                             "Версия 3.1.2 build 101 "),
              102, 48);
    navyLabel(this, "contactsLabel",
              QStringLiteral("MailTo: team@dayrail.example\n"
                             "http://www.dayrail.example/"),
              150, 30);
    centreOnScreen(this);
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // On the picture or on the free area alike.
    hide();
    event->accept();
}
