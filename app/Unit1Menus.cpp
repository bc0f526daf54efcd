// The main window's menus and the views they switch between.
#include "Handler.h"
#include "Unit1.h"

#include <QAction>
#include <QMenuBar>

namespace {

QAction *checkItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(true);
    return item;
}

} // namespace

void TForm1::createMenus()
{
    QMenu *n9 = menuBar()->addMenu(QStringLiteral("Помощь"));
    n9->setObjectName(QStringLiteral("N9"));
    N15 = checkItem(n9, "N15", QStringLiteral("Показывать полезные советы"));
    SplashScreen1 = checkItem(n9, "SplashScreen1", QStringLiteral("Показывать Splash Screen"));
    // The items flip themselves in the handlers, not through the toolkit.
    for (QAction *item : {N15, SplashScreen1})
        item->setCheckable(true);
    bindHandler(N15, &QAction::triggered, this, &TForm1::N15Click);
    bindHandler(SplashScreen1, &QAction::triggered, this, &TForm1::SplashScreen1Click);
}

void TForm1::N15Click()
{
    // The toolkit has already flipped the check mark.
    ShowTipsFlag = N15->isChecked() ? 1 : 0;
}

void TForm1::SplashScreen1Click()
{
    ShowSplashFlag = SplashScreen1->isChecked() ? 1 : 0;
}
