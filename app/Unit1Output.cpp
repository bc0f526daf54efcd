// The main window's output commands: printing the ordinary and the cube
// calendar, saving the year as a picture, the background window.
#include "Dialogs.h"
#include "Handler.h"
#include "Metafile.h"
#include "Pictures.h"
#include "Printing.h"
#include "Unit1.h"
#include "Unit11.h"
#include "Unit15.h"
#include "Unit7.h"
#include "Unit8.h"

#include <QAction>
#include <QPushButton>

void TForm1::bindOutputCommands()
{
    const std::pair<QAction *, void (TForm1::*)()> handlers[] = {
        {N8, &TForm1::N8Click},   {N41, &TForm1::N41Click},   {N14, &TForm1::N14Click},
        {N42, &TForm1::N42Click}, {wmf1, &TForm1::wmf1Click}, {bmpjpg1, &TForm1::bmpjpg1Click},
        {N12, &TForm1::N12Click}, {N18, &TForm1::N18Click},
    };
    for (const auto &[action, handler] : handlers)
        bindHandler(action, &QAction::triggered, this, handler);
    bindHandler(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    bindHandler(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
}

void TForm1::N8Click()
{
    Form7->FormActivate();
    Form8->show();
    Form8->raise();
}

void TForm1::N41Click() { N8->trigger(); }

void TForm1::N14Click()
{
    Button3->click();
    Button2->click();
}

void TForm1::N42Click() { N14->trigger(); }

void TForm1::Button3Click() { Form11->FormCreate(); }

void TForm1::Button2Click()
{
    if (!dialogs().printerSetup(this, &Printer()))
        return;
    HourglassCursor hourglass;
    printForm(Form11, Form11->PrintScale, Printer());
}

void TForm1::wmf1Click()
{
    Form7->FormActivate();
    const QImage bitmap = renderClientArea(Form7);
    const QString name = dialogs().saveFileName(
        this, QString(), QStringLiteral("Enhanced Metafiles (*.emf);;Metafiles (*.wmf)"),
        QStringLiteral("emf"));
    if (!name.isEmpty())
        writeMetafile(bitmap, name);
}

void TForm1::bmpjpg1Click() { N12->trigger(); }

void TForm1::N12Click()
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

void TForm1::N18Click()
{
    Form15->show();
    Form15->raise();
    Form15->activateWindow();
}
