#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString g_override;
}

QString programFolder()
{
    QString dir = g_override.isEmpty() ? QCoreApplication::applicationDirPath() : g_override;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void setProgramDirForTest(const QString &dir) { g_override = dir; }

QString ExtractFileName(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}
