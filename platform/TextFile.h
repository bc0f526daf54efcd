#pragma once
// Text files of the program: Windows-1251, one value per line, CR LF after
// every line. Reading accepts LF alone too; writing is atomic.
#include <QByteArray>
#include <QString>
#include <QStringList>

QString decode1251(const QByteArray &bytes);
// Characters that Windows-1251 cannot hold become '?'.
QByteArray encode1251(const QString &text);
// True when every character of text has a Windows-1251 code.
bool fitsIn1251(const QString &text);

// Reads at most maxLines lines (all of them when maxLines < 0).
// Throws FileError naming the file when it cannot be opened or read.
QStringList readTextFile(const QString &path, int maxLines = -1);

// Writes the lines, each followed by CR LF, replacing the file atomically:
// a failure leaves the previous file whole and throws FileError.
void writeTextFile(const QString &path, const QStringList &lines);

// Replaces the file with data atomically, checking every step through the
// final rename: a failure leaves the previous file whole and throws FileError.
void writeFileAtomically(const QString &path, const QByteArray &data);

bool fileExists(const QString &path);
