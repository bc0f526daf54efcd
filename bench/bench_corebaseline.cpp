// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the reminder agent: a bare QtCore program that only
// waits in its event loop.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return QCoreApplication::exec();
}
