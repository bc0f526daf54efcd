#include "OptionFiles.h"

#include "TextFile.h"

#include <QStringList>

namespace {
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
} // namespace

RegionalOptions readRegional(const QString &path)
{
    const QStringList lines = readTextFile(path, 4);
    RegionalOptions options{};
    for (int i = 0; i < 4; ++i)
        options[i] = i < lines.size() && lines.at(i) == kTrue;
    return options;
}

void writeRegional(const QString &path, const RegionalOptions &options)
{
    QStringList lines;
    for (bool on : options)
        lines << (on ? kTrue : kFalse);
    writeTextFile(path, lines);
}
