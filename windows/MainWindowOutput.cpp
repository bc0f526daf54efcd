// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's output commands: printing the ordinary and the cube
// calendar, saving the year as a picture, saving the profile.
#include "base/Metafile.h"
#include "base/Pictures.h"
#include "core/ProfileStore.h"
#include "output/Printing.h"
#include "output/VectorExport.h"
#include "output/YearOutput.h"
#include "platform/Dialogs.h"
#include "windows/MainWindow.h"

#include <QFileInfo>

void MainWindow::printYear()
{
    m_services.showWindow(WindowRole::PrintScale);
}

void MainWindow::printCube()
{
    QPrinter &printer = m_services.printer();
    if (!m_services.dialogs().printerSetup(this, &printer))
        return;
    HourglassCursor hourglass;
    printCubeSheet(m_model, printer);
}

void MainWindow::saveMetafile()
{
    const QImage bitmap = renderYearSheet(m_model);
    const QString name = m_services.dialogs().saveFileName(
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
    const QString name = m_services.dialogs().saveFileName(
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
    const QString name = m_services.dialogs().saveFileName(
        this, QString(), QStringLiteral("PDF (*.pdf);;SVG (*.svg)"), QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    // The dialog asked about the name typed; a name given another ending is
    // a different file, which must not be replaced unasked.
    const QString written = vectorFileName(name);
    if (written != name && QFileInfo::exists(written) &&
        !m_services.dialogs().question(
            QStringLiteral("Файл \"%1\" уже существует. Заменить его?").arg(written)))
        return;
    saveYearVector(m_model, name);
    announceSaved(written);
}

// "Сохранить изменения": the active profile is written at once, into the
// program's folder under its own name, and becomes the active file there.
void MainWindow::saveProfile()
{
    // The active profile lies elsewhere: its namesake here is another profile.
    const QString replaced = profileReplacedBySave(m_model);
    if (!replaced.isEmpty() &&
        !m_services.dialogs().question(
            QStringLiteral("В папке программы уже есть профиль \"%1\". Заменить "
                           "его активным профилем \"%2\"?")
                .arg(replaced, m_model.profilePath())))
        return;
    const QString problem = saveProfileInFolder(m_model);
    if (!problem.isEmpty()) {
        m_services.dialogs().message(problem);
        return;
    }
    showProfileCaption();
}
