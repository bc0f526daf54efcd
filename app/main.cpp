// Dayrail XP: a desktop year calendar.
#include "Program.h"
#include "MainWindow.h"
#include "Widgets.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    CreateForms();
    Form1->show();
    centreOnScreen(Form1);
    const int code = QApplication::exec();
    DestroyForms();
    return code;
}
