// The main window's output commands: printing the ordinary and the cube
// calendar, saving the year as a picture, the background window.
#include "Dialogs.h"
#include "Handler.h"
#include "Metafile.h"
#include "Pictures.h"
#include "Printing.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "BackgroundWindow.h"
#include "PrintSheet.h"
#include "PrintScaleDialog.h"

#include <QAction>
#include <QPushButton>

void MainWindow::bindOutputCommands()
{
    const std::pair<QAction *, void (MainWindow::*)()> handlers[] = {
        {N8, &MainWindow::N8Click},   {N41, &MainWindow::N41Click},   {N14, &MainWindow::N14Click},
        {N42, &MainWindow::N42Click}, {wmf1, &MainWindow::wmf1Click}, {bmpjpg1, &MainWindow::bmpjpg1Click},
        {N12, &MainWindow::N12Click}, {N18, &MainWindow::N18Click},
    };
    for (const auto &[action, handler] : handlers)
        bindHandler(action, &QAction::triggered, this, handler);
    bindHandler(Button2, &QPushButton::clicked, this, &MainWindow::Button2Click);
    bindHandler(Button3, &QPushButton::clicked, this, &MainWindow::Button3Click);
}

void MainWindow::N8Click()
{
    Form7->FormActivate();
    Form8->show();
    Form8->raise();
}

void MainWindow::N41Click() { N8->trigger(); }

void MainWindow::N14Click()
{
    Button3->click();
    Button2->click();
}

void MainWindow::N42Click() { N14->trigger(); }

void MainWindow::Button3Click() { Form11->FormCreate(); }

void MainWindow::Button2Click()
{
    if (!dialogs().printerSetup(this, &Printer()))
        return;
    HourglassCursor hourglass;
    printForm(Form11, Form11->PrintScale, Printer());
}

void MainWindow::wmf1Click()
{
    Form7->FormActivate();
    const QImage bitmap = renderClientArea(Form7);
    const QString name = dialogs().saveFileName(
        this, QString(), QStringLiteral("Enhanced Metafiles (*.emf);;Metafiles (*.wmf)"),
        QStringLiteral("emf"));
    if (!name.isEmpty())
        writeMetafile(bitmap, name);
}

void MainWindow::bmpjpg1Click() { N12->trigger(); }

void MainWindow::N12Click()
{
    Form7->FormActivate();
    const QImage bitmap = renderClientArea(Form7);
    const QString name = dialogs().saveFileName(
        this, QStringLiteral("Сохранеие календаря"),
        QStringLiteral("JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps (*.bmp)"),
        QStringLiteral("bmp"));
    if (!name.isEmpty())
        savePicture(bitmap, name);
}

void MainWindow::N18Click()
{
    Form15->show();
    Form15->raise();
    Form15->activateWindow();
}
