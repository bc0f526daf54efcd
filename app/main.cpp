// Dayrail XP: a desktop year calendar.
#include "Program.h"
#include "Unit1.h"
#include "Widgets.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayrail XP"));
    // Hidden windows must not end the program; only the ways out of the main
    // window do.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));

    // The toolkit's own dialogs and buttons speak Russian too.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

    CreateForms();
    Form1->show();
    centreOnScreen(Form1);
    const int code = QApplication::exec();
    DestroyForms();
    return code;
}
