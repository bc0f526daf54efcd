// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "AboutWindow.h"
#include "BackgroundWindow.h"
#include "Convert.h"
#include "DateSpanWindow.h"
#include "Dialogs.h"
#include "Errors.h"
#include "ExitBar.h"
#include "FloatingClockWindow.h"
#include "GoToDateWindow.h"
#include "Handler.h"
#include "LineEditAccessible.h"
#include "MainWindow.h"
#include "MiniView.h"
#include "MonthCompareWindow.h"
#include "OneMonthWindow.h"
#include "Pictures.h"
#include "PrintScaleDialog.h"
#include "SettingsWindow.h"
#include "SplashScreen.h"
#include "TextFile.h"
#include "TimeChange.h"
#include "TipsWindow.h"
#include "TrayDayIcon.h"
#include "ViewOptions.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

// The pictures live in a static library; their registration must be pulled in.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace {

// Keeps the model's today right: at each midnight and whenever the system
// clock is set. A timer that wakes early finds the same day and waits again.
void followTheDate(CalendarModel &model, QObject *owner)
{
    auto *midnight = new QTimer(owner);
    midnight->setSingleShot(true);
    auto check = [&model, midnight] {
        model.setToday(QDate::currentDate());
        midnight->start(int(msecsUntilNextDay(QDateTime::currentDateTime())));
    };
    QObject::connect(midnight, &QTimer::timeout, owner, check);
    QObject::connect(&SystemTimeWatcher::instance(), &SystemTimeWatcher::changed, owner, check);
    check();
}

} // namespace

void Application::setUpToolkit()
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
    registerResources();
    installLineEditAccessibility(); // before the first line edit is read
}

Application::Application(const QString &folder) { m_model.setFolder(folder); }

Application::~Application()
{
    // Reverse order: later windows may still follow the earlier ones as they go.
    while (!m_windows.empty())
        m_windows.pop_back();
    m_main.reset();
}

void Application::start()
{
    loadSettingsAndProfile();
    if (m_model.showSplash())
        window(WindowRole::Splash); // it shows itself and fades out
    else if (m_model.showTips())
        showWindow(WindowRole::Tips);
    loadOptions();
    followTheDate(m_model, this);
    m_main->startClock();
}

void Application::loadSettingsAndProfile()
{
    const StartupFiles files = readStartupFiles(m_model.folder(), m_model.year());
    for (const QString &path : files.uncleanFiles)
        m_model.backups().markUnclean(path);
    m_model.setDays(files.days);
    const int count = qMin(wholeNumberOr(files.position(13), 0), int(files.holidayLines.size()));
    m_model.setHolidays(files.holidayLines.mid(0, count));
    m_model.setProfilePath(files.position(21));
    if (files.settingsFound) {
        m_model.setShowTips(files.showTips == 1);
        m_model.setShowSplash(files.showSplash == 1);
    }
    Background background;
    background.picturePath = files.position(16);
    background.colourMode = files.position(19) == QLatin1String("TRUE");
    background.colour = files.background.value_or(colours::black);
    background.captionColour = files.captionColour.value_or(colours::black);
    if (!background.colourMode && !background.picturePath.isEmpty()) {
        try {
            background.picture = loadPicture(background.picturePath);
        } catch (const DayrailError &e) {
            // A lost picture must not stop the start: say so and go on.
            dialogs().error(e.text());
        }
    }
    m_model.setBackground(background);

    m_main = std::make_unique<MainWindow>(m_model, *this);
    if (files.settingsFound)
        m_main->showProfileCaption();
    if (!files.problem.isEmpty())
        showMessage(files.problem);
}

void Application::loadOptions()
{
    // An unreadable "transp.cal" is reported and the start goes on.
    runHandler([this] {
        const TransparencyOptions options =
            readTransparency(m_model.folder() + QStringLiteral("transp.cal"), m_model.backups());
        for (int n = 0; n < 4; ++n)
            m_model.setOpacity(OpacityWindow(n),
                               {options.switches[n], options.levels[n].value_or(255)});
    });
    runHandler([this] {
        const QString path = m_model.folder() + QStringLiteral("regional.cal");
        if (!fileExists(path)) {
            showMessage(QStringLiteral("Файл \"regional.cal\" не найден. Будут загружены "
                                       "стандартные установки"));
            return;
        }
        m_model.setRegional(readRegional(path, m_model.backups()));
    });
    // A missing or damaged "view.cal" gives the defaults without a word.
    const QString viewPath = m_model.folder() + QStringLiteral("view.cal");
    bool damaged = false;
    m_model.setViewOptions(readViewOptions(viewPath, &damaged));
    if (damaged)
        m_model.backups().markUnclean(viewPath);
}

std::unique_ptr<QWidget> Application::create(WindowRole role)
{
    switch (role) {
    case WindowRole::Main: break;
    case WindowRole::MonthCompare: return std::make_unique<MonthCompareWindow>(m_model);
    case WindowRole::MiniView: return std::make_unique<MiniView>(m_model, *this);
    case WindowRole::About: return std::make_unique<AboutWindow>();
    case WindowRole::GoToDate: return std::make_unique<GoToDateWindow>(m_model);
    case WindowRole::PrintScale: return std::make_unique<PrintScaleDialog>(m_model, printer());
    case WindowRole::FloatingClock: return std::make_unique<FloatingClockWindow>(m_model, *this);
    case WindowRole::Splash: return std::make_unique<SplashScreen>(m_model, *this);
    case WindowRole::Tips: return std::make_unique<TipsWindow>(m_model);
    case WindowRole::OneMonth: return std::make_unique<OneMonthWindow>(m_model, *this);
    case WindowRole::Settings: return std::make_unique<SettingsWindow>(m_model, *this);
    case WindowRole::DateSpan: return std::make_unique<DateSpanWindow>();
    case WindowRole::Background: return std::make_unique<BackgroundWindow>(m_model);
    case WindowRole::ExitBar: return std::make_unique<ExitBar>(*this);
    }
    return nullptr;
}

QWidget *Application::existingWindow(WindowRole role) const
{
    if (role == WindowRole::Main)
        return m_main.get();
    for (const auto &[created, window] : m_windows)
        if (created == role)
            return window.get();
    return nullptr;
}

QWidget *Application::window(WindowRole role)
{
    if (QWidget *existing = existingWindow(role))
        return existing;
    m_windows.emplace_back(role, create(role));
    return m_windows.back().second.get();
}

void Application::showWindow(WindowRole role)
{
    if (role == WindowRole::Main) {
        showMainWindow();
        return;
    }
    QWidget *shown = window(role);
    // The tip window counts its tips in the caption: start from the plain one.
    if (role == WindowRole::Tips)
        shown->setWindowTitle(QStringLiteral("Полезный совет"));
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void Application::hideWindow(WindowRole role)
{
    if (QWidget *shown = existingWindow(role))
        shown->hide();
}

bool Application::isWindowVisible(WindowRole role) const
{
    const QWidget *shown = existingWindow(role);
    return shown && shown->isVisible();
}

void Application::showSettings(SettingsPage page)
{
    static_cast<SettingsWindow *>(window(WindowRole::Settings))->showPage(page);
}

void Application::showMainWindow() { m_main->showMainWindow(); }

void Application::keepReachable(WindowRole leaving)
{
    for (WindowRole wayBack : {WindowRole::MiniView, WindowRole::OneMonth, WindowRole::ExitBar})
        if (wayBack != leaving && isWindowVisible(wayBack))
            return;
    if (m_main->isHidden() && !m_main->inTray())
        m_main->showMinimized();
}

void Application::endProgram() { QCoreApplication::exit(0); }

void Application::saveAtSessionEnd(bool quit)
{
    if (!m_savedAtSessionEnd)
        m_savedAtSessionEnd = runHandler([this] { m_model.save(); });
    if (quit)
        QCoreApplication::exit(0);
}
