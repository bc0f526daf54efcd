// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/DataLocation.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The build passes the configured install folders. Without them only the
// layout test tells an installed copy.
#ifndef DAYRAIL_INSTALL_BINDIR
#define DAYRAIL_INSTALL_BINDIR ""
#endif
#ifndef DAYRAIL_INSTALL_DATADIR
#define DAYRAIL_INSTALL_DATADIR ""
#endif

namespace {

const char *const kTipsFile = "tips.cal";
const char *const kSettingsFile = "cnfg.cal";
// Where an install puts its data relative to its bin folder, when the build
// did not say.
const char *const kDefaultBinToData = "../share/dayrail";

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The same folder however it is spelt: symbolic links resolved where the
// folder exists (/bin and /usr/bin on a merged system), "." and ".." removed.
QString sameFolder(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

QString installedDataBeside(const QString &exeFolder, const InstallFolders &install)
{
    const QString relative = install.bin.isEmpty() || install.data.isEmpty()
                                 ? QString::fromLatin1(kDefaultBinToData)
                                 : QDir(install.bin).relativeFilePath(install.data);
    return QDir::cleanPath(exeFolder + QLatin1Char('/') + relative);
}

QString executableFolderPath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object: the command line is handled first.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

} // namespace

InstallFolders configuredInstallFolders()
{
    return {QString::fromUtf8(DAYRAIL_INSTALL_BINDIR), QString::fromUtf8(DAYRAIL_INSTALL_DATADIR)};
}

QString userDataFolder()
{
    // Not AppDataLocation: that follows the application's display name.
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/dayrail"));
}

ExecutableFolder inspectExecutableFolder(const QString &path, const InstallFolders &install)
{
    ExecutableFolder exe;
    exe.path = path;
    exe.writable = QFileInfo(path).isWritable();
    exe.installedLayout = QFileInfo::exists(installedDataBeside(path, install) + QLatin1Char('/') +
                                            QString::fromLatin1(kTipsFile));
    exe.hasFiles = QFileInfo(QDir(path).filePath(QString::fromLatin1(kSettingsFile))).isFile();
    return exe;
}

DataLocation chooseDataLocation(const ExecutableFolder &exe, const InstallFolders &install,
                                const QString &userFolder)
{
    const bool inInstallBin =
        !install.bin.isEmpty() && sameFolder(exe.path) == sameFolder(install.bin);
    const bool portable = !inInstallBin && !exe.installedLayout;
    if (portable && exe.writable)
        return {withSlash(exe.path), true, {}};
    return {withSlash(userFolder), false,
            portable && exe.hasFiles ? withSlash(exe.path) : QString()};
}

DataLocation currentDataLocation()
{
    const InstallFolders install = configuredInstallFolders();
    return chooseDataLocation(inspectExecutableFolder(executableFolderPath(), install), install,
                              userDataFolder());
}

bool makeDataFolder(const DataLocation &location)
{
    const QDir folder(location.folder);
    if (folder.exists())
        return false;
    const QString parent = QFileInfo(QDir::cleanPath(location.folder)).path();
    const bool made =
        QDir().mkpath(parent) &&
        QDir().mkdir(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!made && !folder.exists())
        throw FileError(QStringLiteral("Не удалось создать папку для файлов программы \"%1\"")
                            .arg(location.folder));
    return made;
}

QStringList adoptReadOnlyFolder(const DataLocation &location)
{
    const QString from = location.readOnlyFolder;
    if (from.isEmpty() || QFileInfo::exists(location.folder + QString::fromLatin1(kSettingsFile)))
        return {};
    QDir source(from);
    source.setNameFilters({QStringLiteral("*.cal"), QStringLiteral("*.cpr")});
    source.setFilter(QDir::Files | QDir::Hidden);
    QStringList copied;
    for (const QString &name : source.entryList()) {
        // tips.cal is read where it is; a file already here is the user's.
        const QString target = location.folder + name;
        if (name == QLatin1String(kTipsFile) || QFileInfo::exists(target))
            continue;
        QFile file(source.filePath(name));
        if (file.size() > kMaxTextFileBytes || !file.open(QIODevice::ReadOnly))
            continue;
        writeFileAtomically(target, file.readAll());
        copied << name;
    }
    return copied;
}

QStringList tipsFileCandidates(const QString &workingFolder, const QString &exeFolder,
                               const InstallFolders &install)
{
    return dataFileCandidates(QString::fromLatin1(kTipsFile), workingFolder, exeFolder, install);
}

QStringList dataFileCandidates(const QString &name, const QString &workingFolder,
                               const QString &exeFolder, const InstallFolders &install)
{
    QStringList candidates{QDir(workingFolder).filePath(name), QDir(exeFolder).filePath(name),
                           QDir(installedDataBeside(exeFolder, install)).filePath(name)};
    if (!install.data.isEmpty())
        candidates << QDir(install.data).filePath(name);
    candidates.removeDuplicates();
    return candidates;
}
