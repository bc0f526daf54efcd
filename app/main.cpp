// Dayrail XP: a desktop year calendar.
#include "Application.h"
#include "MainWindow.h"
#include "Paths.h"
#include "Widgets.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApplication(argc, argv);
    Application::setUpToolkit();
    Application program(programFolder());
    program.start();
    program.mainWindow()->show();
    centreOnScreen(program.mainWindow());
    return QApplication::exec();
}
