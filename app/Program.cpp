#include "Program.h"

#include "Handler.h"
#include "MainWindow.h"
#include "FloatingClockWindow.h"
#include "CubeSheet.h"
#include "SplashScreen.h"
#include "TipsWindow.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"
#include "OneMonthWindow.h"
#include "DateSpanWindow.h"
#include "HolidayEditWindow.h"
#include "ExitBar.h"
#include "MonthCompareWindow.h"
#include "MiniView.h"
#include "AboutWindow.h"
#include "GoToDateWindow.h"
#include "PrintSheet.h"
#include "PrintScaleDialog.h"
#include "MiniViewOpacityWindow.h"

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
