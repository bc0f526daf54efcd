// Main menu commands that open the auxiliary windows. Each window binds its
// item when it is created, after the menus exist.
#include "MainWindow.h"
#include "TipsWindow.h"
#include "DateSpanWindow.h"
#include "MonthCompareWindow.h"
#include "AboutWindow.h"
#include "GoToDateWindow.h"

namespace {

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::N1Click() { bringUp(Form2); }

void MainWindow::N30Click() { bringUp(Form17); }

void MainWindow::N7Click() { bringUp(Form6); }

void MainWindow::N11Click() { bringUp(About); }

void MainWindow::N16Click()
{
    // Reset first, so the counter is appended to the plain caption.
    Form13->setWindowTitle(QStringLiteral("Полезный совет"));
    bringUp(Form13);
}
