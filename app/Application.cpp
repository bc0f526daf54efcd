// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "base/Convert.h"
#include "base/DataLocation.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "base/Pictures.h"
#include "base/TextFile.h"
#include "base/TimeChange.h"
#include "core/CalendarFiles.h"
#include "core/ProgramFileNames.h"
#include "core/ProgramFiles.h"
#include "output/PrintScaleDialog.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/LineEditAccessible.h"
#include "platform/ReminderAutostart.h"
#include "platform/TrayDayIcon.h"
#include "platform/Widgets.h"
#include "settings/BackgroundWindow.h"
#include "settings/SettingsWindow.h"
#include "sync/Subscriptions.h"
#include "windows/AboutWindow.h"
#include "windows/DateSpanWindow.h"
#include "windows/ExitBar.h"
#include "windows/FloatingClockWindow.h"
#include "windows/GoToDateWindow.h"
#include "windows/MainWindow.h"
#include "windows/MiniView.h"
#include "windows/MonthCalendarAccessible.h"
#include "windows/MonthCompareWindow.h"
#include "windows/OneMonthWindow.h"
#include "windows/SplashScreen.h"
#include "windows/TipsWindow.h"
#include "windows/WorkYearWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <utility>

// The pictures live in a static library; their registration must be pulled in.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// Keeps the model's today right: at each midnight and whenever the system
// clock is set. A timer that wakes early finds the same day and waits again.
void followTheDate(CalendarModel &model, const Application::Clock &clock,
                   SystemTimeWatcher &watcher, QObject *owner)
{
    auto *midnight = new QTimer(owner);
    midnight->setObjectName(QStringLiteral("midnightTimer"));
    midnight->setSingleShot(true);
    auto check = [&model, &clock, midnight] {
        const QDateTime now = clock();
        model.setToday(now.date());
        midnight->start(int(msecsUntilNextDay(now)));
    };
    QObject::connect(midnight, &QTimer::timeout, owner, check);
    QObject::connect(&watcher, &SystemTimeWatcher::changed, owner, check);
    check();
}

} // namespace

void Application::setUpToolkit(QTranslator &qtRussian)
{
    QApplication::setApplicationName(QStringLiteral("Dayrail XP"));
    // Hidden windows must not end the program; only the ways out of the main
    // window do.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(programFont());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The toolkit's own dialogs and buttons speak Russian too.
    if (qtRussian.isEmpty() &&
        qtRussian.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);
    registerResources();
    installLineEditAccessibility(); // before the first line edit is read
    // Before the date fields are made: their drop-downs are month calendars too.
    installMonthCalendarAccessibility();
}

Application::Application(const QString &folder, Clock clock, DialogSeam *dialogs)
    : m_clock(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime)),
      m_dialogs(dialogs ? *dialogs : m_toolkitDialogs), m_model(m_clock().date()),
      m_accountSync(QDir(folder).filePath(QLatin1String(programfile::kAccount)))
{
    m_model.setFolder(folder);
    m_subscriptions = std::make_unique<Subscriptions>(m_model.folder(), m_model.backups(), m_clock);
    m_model.setClock(m_clock);
    // Only paths: the file is read when the working year is first shown.
    m_model.setWorkCalendarFiles(workCalendarFiles(m_model.folder()));
    connect(&m_model, &CalendarModel::workCalendarDamaged, this,
            [this](const QString &message) { m_dialogs.message(message); });
}

Application::~Application()
{
    // Reverse order: later windows may still follow the earlier ones as they go.
    while (!m_windows.empty())
        m_windows.pop_back();
    m_main.reset();
}

void Application::start()
{
    // Everything is read before the first message box: a signal while one
    // is shown saves what was read, never defaults over unread files.
    loadSettingsAndProfile();
    lockProfile();
    followReminders();
    followAccount();
    const std::size_t settingsMessages = m_messages.size();
    loadOptions();
    followSubscriptions();
    std::vector<StartMessage> later(m_messages.begin() + std::ptrdiff_t(settingsMessages),
                                    m_messages.end());
    m_messages.resize(settingsMessages);
    showMessages();
    if (m_ending)
        return;
    if (m_model.showSplash())
        static_cast<SplashScreen *>(window(WindowRole::Splash))->play();
    else if (m_model.showTips())
        showWindow(WindowRole::Tips);
    m_messages = std::move(later);
    showMessages();
    followTheDate(m_model, m_clock, m_timeWatcher, this);
    m_main->startClock();
}

void Application::showMessages()
{
    for (const StartMessage &message : std::exchange(m_messages, {})) {
        if (m_ending)
            return;
        if (message.error)
            m_dialogs.error(message.text);
        else
            m_dialogs.message(message.text);
    }
}

void Application::lockProfile()
{
    const QString path = m_model.profilePath();
    if (m_profileLock.follow(path)) {
        if (!m_profileNotice.isEmpty())
            m_messages.push_back({m_profileNotice, false});
    } else {
        const QString own = m_model.folder() + fileNameOf(path);
        if (!QFileInfo::exists(own) && m_profileLock.follow(own)) {
            // Another copy's profile: this copy keeps its changes in its own folder.
            m_model.setProfilePath(own);
            m_messages.push_back(
                {QStringLiteral("Профиль \"%1\" открыт другой копией программы. Изменения "
                                "профиля будут записаны в файл \"%2\".")
                     .arg(path, own),
                 false});
        } else {
            const QString reason = QStringLiteral("Профиль \"%1\" открыт другой копией "
                                                  "программы; эта копия не записывает его.")
                                       .arg(path);
            m_model.backups().refuseOverwrite(path, reason);
            for (const QString &side : profileSidePaths(path))
                m_model.backups().refuseOverwrite(side, reason);
            m_messages.push_back({reason, false});
        }
    }
    // The lock follows the active profile as it is switched or renamed.
    connect(&m_model, &CalendarModel::profilePathChanged, this,
            [this](const QString &active) { m_profileLock.follow(active); });
}

void Application::followAccount()
{
    const auto follow = [this](const QString &profile) {
        m_accountSync.setStore(&m_syncStore, syncStatePathFor(profile));
    };
    follow(m_model.profilePath());
    connect(&m_model, &CalendarModel::profilePathChanged, this, follow);
    connect(&m_model, &CalendarModel::holidaysChanged, &m_accountSync, &AccountSync::changedHere);
    connect(&m_model, &CalendarModel::storedEventsChanged, &m_accountSync,
            &AccountSync::changedHere);
    // After the start-up messages: a run's report waits for nobody.
    QTimer::singleShot(0, &m_accountSync, &AccountSync::syncNow);
}

void Application::followReminders()
{
    // Only a switch installs or removes the login entry: a start leaves it as it is.
    m_remindersOn = m_model.reminders().common.has_value();
    connect(&m_model, &CalendarModel::remindersChanged, this, [this] {
        // The agent reads the side file: a change reaches it without waiting
        // for the close. What cannot be written now is reported by that save.
        try {
            m_model.saveReminders();
        } catch (const DayrailError &) {
        }
        const bool on = m_model.reminders().common.has_value();
        if (on == std::exchange(m_remindersOn, on))
            return;
        runHandler(m_dialogs, [this, on] {
            if (!on) {
                removeReminderAutostart();
                return;
            }
            // An installed copy's agent finds the user's folder by itself.
            const QString folder =
                m_model.folder() == userDataFolder() ? QString() : m_model.folder();
            installReminderAutostart(reminderAgentPath(), folder);
            startReminderAgent(reminderAgentPath(), folder);
        });
    });
}

void Application::followSubscriptions()
{
    const auto show = [this] {
        m_model.setSubscribedDays(m_subscriptions->daysIn(m_model.year()));
    };
    connect(m_subscriptions.get(), &Subscriptions::daysChanged, this, show);
    connect(&m_model, &CalendarModel::yearChanged, this, show);
    if (const QString problem = m_subscriptions->start(); !problem.isEmpty())
        m_messages.push_back({problem, false});
}

void Application::loadSettingsAndProfile()
{
    const StartupState files = m_model.files().readSettingsAndProfile(m_model.year());
    m_model.applyProfile(files.profile);
    m_model.setProfilePath(files.profilePath);
    if (const QString note = m_model.loadReminders(); !note.isEmpty())
        m_messages.push_back({note, false});
    // Identities of entries changed elsewhere are dropped without a word:
    // the entries themselves are as the profile has them.
    m_model.loadEntryIds();
    if (files.settingsFound) {
        m_model.setShowTips(files.showTips);
        m_model.setShowSplash(files.showSplash);
    }
    Background background;
    background.picturePath = files.picturePath;
    background.colourMode = files.colourBackground;
    background.colour = files.background;
    background.captionColour = files.captionColour;
    if (!background.colourMode && !background.picturePath.isEmpty()) {
        try {
            background.picture = loadPicture(background.picturePath);
        } catch (const DayrailError &e) {
            // A lost picture must not stop the start: say so and go on.
            m_messages.push_back({e.text(), true});
        }
    }
    m_model.setBackground(background);

    m_main = std::make_unique<MainWindow>(m_model, *this);
    if (files.settingsFound)
        m_main->showProfileCaption();
    if (!files.problem.isEmpty())
        m_messages.push_back({files.problem, false});
    m_profileNotice = files.notice;
}

void Application::loadOptions()
{
    const OptionsRead read = m_model.files().readOptions(m_newFolder);
    m_model.applyOptions(read);
    for (const FileMessage &message : read.messages)
        m_messages.push_back({message.text, message.error});
    if (const auto failure = failureOf([this] { m_accountSync.load(); }))
        m_messages.push_back({*failure, true});
}

std::unique_ptr<QWidget> Application::create(WindowRole role)
{
    switch (role) {
    case WindowRole::Main: break;
    case WindowRole::MonthCompare: return std::make_unique<MonthCompareWindow>(m_model);
    case WindowRole::MiniView: return std::make_unique<MiniView>(m_model, *this);
    case WindowRole::About: return std::make_unique<AboutWindow>();
    case WindowRole::GoToDate: return std::make_unique<GoToDateWindow>(m_model, m_dialogs);
    case WindowRole::PrintScale:
        return std::make_unique<PrintScaleDialog>(m_model, printer(), m_dialogs);
    case WindowRole::FloatingClock: return std::make_unique<FloatingClockWindow>(m_model, *this);
    case WindowRole::Splash: {
        auto splash = std::make_unique<SplashScreen>(m_dialogs);
        // Decided when the splash is gone: tips may have been switched off meanwhile.
        connect(splash.get(), &SplashScreen::finished, this, [this] {
            if (m_model.showTips())
                showWindow(WindowRole::Tips);
        });
        return splash;
    }
    case WindowRole::Tips: return std::make_unique<TipsWindow>(m_model, m_dialogs);
    case WindowRole::OneMonth: return std::make_unique<OneMonthWindow>(m_model, *this);
    case WindowRole::Settings:
        return std::make_unique<SettingsWindow>(m_model, *this, m_subscriptions.get());
    case WindowRole::DateSpan: return std::make_unique<DateSpanWindow>(m_dialogs);
    case WindowRole::Background: return std::make_unique<BackgroundWindow>(m_model, m_dialogs);
    case WindowRole::ExitBar: return std::make_unique<ExitBar>(*this);
    case WindowRole::WorkYear: return std::make_unique<WorkYearWindow>(m_model, *this);
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

void Application::showMainWindow()
{
    m_main->showMainWindow();
}

void Application::showDate(const QDate &date)
{
    m_model.setYear(date.year());
    m_model.setDay(date.month(), date.day());
    m_main->showYearInChoice();
    showMainWindow();
}

void Application::keepReachable(WindowRole leaving)
{
    for (WindowRole wayBack : {WindowRole::MiniView, WindowRole::OneMonth, WindowRole::ExitBar})
        if (wayBack != leaving && isWindowVisible(wayBack))
            return;
    if (m_main->isHidden() && !m_main->inTray())
        m_main->showMinimized();
}

void Application::endProgram()
{
    QCoreApplication::exit(0);
}

bool Application::saveAndQuit(bool interactive)
{
    if (m_ending)
        return true;
    try {
        m_model.save();
    } catch (const DayrailError &e) {
        // Asked, staying open (the default) keeps the chance to free space
        // or fix the folder; a signal wants the program gone, and a box
        // nobody may answer must not hold it.
        if (!interactive)
            QTextStream(stderr) << "dayrail: " << e.text() << '\n';
        else if (!m_dialogs.question(e.text() +
                                     QStringLiteral("\n\nЗакрыть программу без сохранения?")))
            return false;
    }
    m_ending = true;
    QCoreApplication::exit(0);
    return true;
}
