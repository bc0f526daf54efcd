#include "Program.h"

#include "Handler.h"
#include "Unit1.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit12.h"
#include "Unit13.h"
#include "Unit14.h"
#include "Unit15.h"
#include "Unit16.h"
#include "Unit17.h"
#include "Unit18.h"
#include "Unit19.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>

namespace {

template <typename T> void createForm(T *&reference)
{
    reference = new T;
    runHandler([&] { reference->FormCreate(); });
}

template <typename T> void destroyForm(T *&reference)
{
    delete reference;
    reference = nullptr;
}

} // namespace

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Dayrail XP"));
    // Hidden windows must not end the program; only the ways out of the main
    // window do.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The toolkit's own dialogs and buttons speak Russian too.
    static QTranslator qtRussian;
    if (qtRussian.isEmpty() &&
        qtRussian.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);
}

// The pictures live in a static library; their registration must be pulled in.
static void registerResources() { Q_INIT_RESOURCE(resources); }

void CreateForms()
{
    registerResources();
    createForm(Form1);
    createForm(Form15);
    createForm(Form2);
    createForm(Form3);
    createForm(About);
    createForm(Form6);
    createForm(Form7);
    createForm(Form8);
    createForm(Form9);
    createForm(Form10);
    createForm(Form11);
    createForm(Form13);
    createForm(Form12);
    createForm(Form16);
    createForm(Form14);
    createForm(Form17);
    createForm(Form18);
    createForm(Form19);
}

void DestroyForms()
{
    // Reverse order: later windows may refer to earlier ones while they go.
    destroyForm(Form19);
    destroyForm(Form18);
    destroyForm(Form17);
    destroyForm(Form14);
    destroyForm(Form16);
    destroyForm(Form12);
    destroyForm(Form13);
    destroyForm(Form11);
    destroyForm(Form10);
    destroyForm(Form9);
    destroyForm(Form8);
    destroyForm(Form7);
    destroyForm(Form6);
    destroyForm(About);
    destroyForm(Form3);
    destroyForm(Form2);
    destroyForm(Form15);
    destroyForm(Form1);
    ExePath.clear();
    ProgramDir.clear();
    SettingsLines.clear();
    HolidayLines.clear();
    ShowTipsFlag = ShowSplashFlag = ProfileResaveFlag = 0;
    BackgroundColor = CaptionColor = clBlack;
    BackgroundApplied = 0;
}
