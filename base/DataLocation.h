// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps its files. A copy in a folder it may write to keeps
// them beside the executable (portable: a copy unpacked somewhere, the build
// folder); an installed copy keeps them in the user's data folder.
#include <QString>
#include <QStringList>

// The folders the build was configured to install into; empty when unknown.
struct InstallFolders {
    QString bin;  // e.g. /usr/local/bin
    QString data; // e.g. /usr/local/share/dayrail
};

// What is known of the running executable's folder.
struct ExecutableFolder {
    QString path;
    bool writable = false;
    // An install laid it out: the installed tips.cal is where the install
    // puts it relative to the executable, whatever the prefix (a package, or
    // `cmake --install --prefix` elsewhere).
    bool installedLayout = false;
    // It holds a settings file: a portable copy's files.
    bool hasFiles = false;
};

struct DataLocation {
    QString folder; // with a trailing '/'
    bool portable = false;
    // A portable copy's folder that cannot be written (a read-only medium):
    // its files are read from there, and saved in folder. Else empty.
    QString readOnlyFolder;
};

InstallFolders configuredInstallFolders();
// The per-user folder ($XDG_DATA_HOME/dayrail/), with a trailing '/'.
QString userDataFolder();
ExecutableFolder inspectExecutableFolder(const QString &path, const InstallFolders &install);

// The decision alone: beside the executable when its folder is writable and
// it is not an installed copy, else the user's folder.
DataLocation chooseDataLocation(const ExecutableFolder &exe, const InstallFolders &install,
                                const QString &userFolder);
// The decision for this process; works before the application object exists.
DataLocation currentDataLocation();

// Creates the data folder if it is missing (owner-only, as the user's data
// should be); true when it was made now. Throws FileError when it cannot be
// made.
bool makeDataFolder(const DataLocation &location);

// Copies the program's files (settings, profiles, options) from a read-only
// portable folder into the data folder, unless the data folder already has
// its own settings. Returns the names copied. Throws FileError.
QStringList adoptReadOnlyFolder(const DataLocation &location);

// Where a shipped data file is looked for, in order: the working folder,
// beside the executable, the data folder of the install the executable
// belongs to, the configured install data folder.
QStringList dataFileCandidates(const QString &name, const QString &workingFolder,
                               const QString &exeFolder, const InstallFolders &install);
// The same for tips.cal.
QStringList tipsFileCandidates(const QString &workingFolder, const QString &exeFolder,
                               const InstallFolders &install);
