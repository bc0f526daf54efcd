// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's output commands: printing the ordinary and the cube
// calendar, saving the year as a picture, saving the profile.
#include "Dialogs.h"
#include "MainWindow.h"
#include "ProfileStore.h"
#include "Metafile.h"
#include "Pictures.h"
#include "Printing.h"
#include "YearOutput.h"

void MainWindow::printYear() { m_services.showWindow(WindowRole::PrintScale); }

void MainWindow::printCube()
{
    QPrinter &printer = m_services.printer();
    if (!dialogs().printerSetup(this, &printer))
        return;
    HourglassCursor hourglass;
    printCubeSheet(m_model, printer);
}

void MainWindow::saveMetafile()
{
    const QImage bitmap = renderYearSheet(m_model);
    const QString name = dialogs().saveFileName(
        this, QString(), QStringLiteral("Enhanced Metafiles (*.emf);;Metafiles (*.wmf)"),
        QStringLiteral("emf"));
    if (name.isEmpty())
        return;
    writeMetafile(bitmap, name);
    announceSaved(name);
}

void MainWindow::savePicture()
{
    const QImage bitmap = renderYearSheet(m_model);
    const QString name = dialogs().saveFileName(
        this, QStringLiteral("Сохранеие календаря"),
        QStringLiteral("JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps (*.bmp)"),
        QStringLiteral("bmp"));
    if (name.isEmpty())
        return;
    ::savePicture(bitmap, name);
    announceSaved(name);
}

void MainWindow::saveYearAsVector()
{
    const QString name = dialogs().saveFileName(this, QString(), QStringLiteral("PDF (*.pdf);;SVG (*.svg)"),
                                                 QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    saveYearVector(m_model, name);
    announceSaved(name);
}

// "Сохранить изменения": the active profile is written at once, into the
// program's folder under its own name, and becomes the active file there.
void MainWindow::saveProfile()
{
    const QString problem = saveProfileInFolder(m_model);
    if (!problem.isEmpty()) {
        showMessage(problem);
        return;
    }
    showProfileCaption();
}
