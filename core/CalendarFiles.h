#pragma once
// The settings file "cnfg.cal" and the profile files "*.cpr": plain data in,
// plain data out, no widgets. Both are Windows-1251 text with CR LF.
#include "Colours.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int kSettingsPositions = 40; // lines of "cnfg.cal" read at start
constexpr int kHolidayPositions = 999; // most holiday entries a profile carries
constexpr int kSettingsLineCount = 21; // lines written at close

using MonthDays = std::array<int, 12>;

// A profile in its full form: twelve days, the count, the entries.
struct ProfileContent {
    MonthDays days{};
    QStringList entries;
};

QStringList profileLines(const ProfileContent &profile);
void writeProfile(const QString &path, const ProfileContent &profile);
// Reads a whole profile, refusing anything that is not a profile: throws
// ConvertError naming the file and line for a day or count that is not a
// number, or FileError when the file cannot be read. A file that ends after
// line 12 has no entries.
ProfileContent readProfile(const QString &path);

// What the close-time save writes into "cnfg.cal".
struct SettingsContent {
    MonthDays days{};
    QString year;
    bool showTips = true;
    bool showSplash = true;
    QString picturePath;
    StoredColour background = clSkyBlue;
    bool colourBackground = true;
    StoredColour captionColour = clBlack;
    QString profilePath;
};

QStringList settingsFileLines(const SettingsContent &settings);
void writeSettings(const QString &path, const SettingsContent &settings);

// The start-up read of "cnfg.cal" and the profile it names.
struct StartupFiles {
    bool settingsFound = false;
    // Positions 1..40 at indexes 0..39; 1-13 come from the profile.
    QStringList settingsLines;
    // The profile's entries (at most 999).
    QStringList holidayLines;
    // Decoded values; days are already fitted to their months.
    MonthDays days{};
    int showTips = 0;
    int showSplash = 0;
    std::optional<StoredColour> background;
    std::optional<StoredColour> captionColour;
    // One text for the user when something was missing or damaged, else empty.
    QString problem;

    const QString &position(int i) const { return settingsLines.at(i - 1); }
};

// Reads ProgramDir + "cnfg.cal" and its profile for the given year. Never
// throws for damaged content: bad lines take defaults and the first one is
// named in problem. A settings file that cannot be opened throws FileError.
StartupFiles readStartupFiles(const QString &programDir, int year);

// A day fitted to its month: a day the month lacks becomes its last day.
int fitDayToMonth(int day, int year, int month);
