// Main menu commands that open the auxiliary windows. Each window binds its
// item when it is created, after the menus exist.
#include "Unit1.h"
#include "Unit13.h"
#include "Unit17.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit6.h"

namespace {

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void TForm1::N1Click() { bringUp(Form2); }

void TForm1::N30Click() { bringUp(Form17); }

void TForm1::N7Click() { bringUp(Form6); }

void TForm1::N11Click() { bringUp(About); }

void TForm1::N16Click()
{
    // Reset first, so the counter is appended to the plain caption.
    Form13->setWindowTitle(QStringLiteral("Полезный совет"));
    bringUp(Form13);
}
