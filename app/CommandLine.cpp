// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "base/ReminderChoice.h"

#include <QTextStream>
#include <cstdio>

namespace {

// Keep in step with the project's version in CMakeLists.txt.
const char *const kVersionLine = "Dayrail XP 1.0";
const char *const kProgram = "dayrail";
const char *const kShowDate = "--show-date";
// A refused argument is quoted up to this many characters.
constexpr int kMaxQuoted = 60;

enum class Request { Start, Help, Version };

// An option and its value, given as "--option value" or "--option=value":
// true when argument is that option, value then holding what follows it
// (empty when nothing does) and i past it.
bool optionValue(const QStringList &arguments, int &i, const char *option, QString &value)
{
    const QString &argument = arguments.at(i);
    const QString name = QLatin1String(option);
    if (argument.startsWith(name + QLatin1Char('='))) {
        value = argument.mid(name.size() + 1);
        return true;
    }
    if (argument != name)
        return false;
    value = i + 1 < arguments.size() ? arguments.at(++i) : QString();
    return true;
}

// The toolkit's own options (QGuiApplication, QApplication, X11): it takes
// them off the command line itself, so they must not be refused.
const char *const kToolkitOptionsWithValue[] = {"platform",        "platformpluginpath",
                                                "platformtheme",   "plugin",
                                                "qwindowgeometry", "qwindowicon",
                                                "qwindowtitle",    "session",
                                                "style",           "stylesheet",
                                                "display",         "name",
                                                "qmljsdebugger",   "title",
                                                "visual",          "geometry"};
const char *const kToolkitFlags[] = {"reverse", "nograb",      "dograb",
                                     "sync",    "widgetcount", "testability"};

// How many arguments a toolkit option at argument takes (itself included), 0
// if it is none. The toolkit takes "-style", "--style" and "-style=name" alike.
int toolkitOptionLength(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return 0;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const int equals = name.indexOf(QLatin1Char('='));
    if (equals >= 0)
        name.truncate(equals);
    for (const char *flag : kToolkitFlags)
        if (name == QLatin1String(flag) && equals < 0)
            return 1;
    for (const char *option : kToolkitOptionsWithValue)
        if (name == QLatin1String(option))
            return equals < 0 ? 2 : 1;
    return 0;
}

QString helpText(bool russian, const QString &dataFolder)
{
    if (russian)
        return QStringLiteral("Использование: %1 [--help | --version | --show-date ГГГГ-ММ-ДД]\n"
                              "Dayrail XP — настольный календарь на год.\n\n"
                              "  --help     показать эту справку и выйти\n"
                              "  --version  показать версию и папку данных и выйти\n"
                              "  --show-date ГГГГ-ММ-ДД  открыть календарь на этом дне\n"
                              "  --show-reminder ТЕКСТ   показать только окно напоминания\n\n"
                              "Без параметров программа открывает главное окно.\n"
                              "Настройки и профили хранятся в папке %2\n")
            .arg(QLatin1String(kProgram), dataFolder);
    return QStringLiteral("Usage: %1 [--help | --version | --show-date YYYY-MM-DD]\n"
                          "Dayrail XP, a desktop year calendar.\n\n"
                          "  --help     show this help and exit\n"
                          "  --version  show the version and the data folder and exit\n"
                          "  --show-date YYYY-MM-DD  open the calendar on that day\n"
                          "  --show-reminder TEXT    show only a reminder's box\n\n"
                          "Without options the program opens its main window.\n"
                          "Settings and profiles are kept in %2\n")
        .arg(QLatin1String(kProgram), dataFolder);
}

QString versionText(bool russian, const QString &dataFolder)
{
    return QLatin1String(kVersionLine) + QLatin1Char('\n') +
           (russian ? QStringLiteral("Папка данных: %1\n") : QStringLiteral("Data folder: %1\n"))
               .arg(dataFolder);
}

QString refusalText(bool russian, const QString &argument)
{
    QString quoted = argument.left(kMaxQuoted);
    if (argument.size() > kMaxQuoted)
        quoted += QStringLiteral("...");
    return (russian ? QStringLiteral("%1: неизвестный параметр «%2»\n"
                                     "Справка: %1 --help\n")
                    : QStringLiteral("%1: unknown argument '%2'\n"
                                     "Try '%1 --help'.\n"))
        .arg(QLatin1String(kProgram), quoted);
}

QString noReminderText(bool russian)
{
    return (russian ? QStringLiteral("%1: %2 ждёт текст напоминания\n")
                    : QStringLiteral("%1: %2 takes the reminder's text\n"))
        .arg(QLatin1String(kProgram), QLatin1String(kShowReminderOption));
}

QString badDateText(bool russian, const QString &value)
{
    return (russian ? QStringLiteral("%1: %2 ждёт дату в виде ГГГГ-ММ-ДД (года 1..9999), "
                                     "а не «%3»\n")
                    : QStringLiteral("%1: %2 takes a date as YYYY-MM-DD (years 1..9999), not "
                                     "'%3'\n"))
        .arg(QLatin1String(kProgram), QLatin1String(kShowDate), value.left(kMaxQuoted));
}

// Only the strict form: a reminder passes it, and nothing else is guessed.
QDate parseShowDate(const QString &value)
{
    if (value.size() != 10)
        return {};
    const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() && date.year() >= 1 && date.year() <= 9999 ? date : QDate();
}

} // namespace

bool russianMessages()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.startsWith("ru");
    }
    return false;
}

std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     QTextStream &out, QTextStream &err, StartRequest *asked)
{
    Request request = Request::Start;
    StartRequest start;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        QString value;
        if (optionValue(arguments, i, kShowDate, value)) {
            start.showDate = parseShowDate(value);
            if (!start.showDate.isValid()) {
                err << badDateText(russianMessages(), value);
                err.flush();
                return 2;
            }
        } else if (optionValue(arguments, i, kShowReminderOption, value)) {
            start.reminder = value.trimmed();
            if (start.reminder.isEmpty()) {
                err << noReminderText(russianMessages());
                err.flush();
                return 2;
            }
        } else if (argument == QLatin1String("--help")) {
            request = Request::Help;
        } else if (argument == QLatin1String("--version")) {
            if (request != Request::Help)
                request = Request::Version;
        } else if (const int length = toolkitOptionLength(argument)) {
            i += length - 1;
        } else {
            err << refusalText(russianMessages(), argument);
            err.flush();
            return 2;
        }
    }
    switch (request) {
    case Request::Help: out << helpText(russianMessages(), dataFolder); break;
    case Request::Version: out << versionText(russianMessages(), dataFolder); break;
    case Request::Start:
        if (asked)
            *asked = start;
        return std::nullopt;
    }
    out.flush();
    return 0;
}

std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     StartRequest *request)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    return handleCommandLine(arguments, dataFolder, out, err, request);
}
