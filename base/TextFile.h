// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files of the program: Windows-1251, one value per line, CR LF after
// every line. Reading takes CR LF, LF and a bare CR alike; writing is atomic.
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

QString decode1251(const QByteArray &bytes);
// The same text as UTF-8 bytes, never held as a QString.
QByteArray utf8From1251(const QByteArray &bytes);
// Characters that Windows-1251 cannot hold become '?'.
QByteArray encode1251(const QString &text);
// True when every character of text has a Windows-1251 code.
bool fitsIn1251(const QString &text);
// True when text holds a character below 0x20 (line breaks, tabs and the
// like): such a text can be neither one line of a file nor a file name.
bool hasControlCharacters(const QString &text);

// A line longer than this keeps only its beginning; the rest is skipped
// without being decoded.
constexpr int kMaxLineBytes = 16 * 1024;
// A text file is looked at up to this many bytes and no further.
constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

// What a read found. A file that did not read cleanly would lose something
// if it were written back from its lines: keep it (BackupKeeper) first.
struct TextFileContent {
    QStringList lines;
    // Empty when the file read cleanly, else the first reason, for the user.
    QString flaw;
    // More followed the lines asked for: writing the file back from its
    // lines would drop it.
    bool linesAfter = false;
    bool clean() const { return flaw.isEmpty(); }
};

// Reads at most maxLines lines (all of them when maxLines < 0). A file that
// starts with the UTF-8 byte-order mark is read as UTF-8, and not cleanly.
// Throws FileError naming the file when it cannot be opened or read, or when
// it is no regular file (a folder, a pipe or a device would block or never end).
TextFileContent readTextFileContent(const QString &path, int maxLines = -1);
// The lines alone.
QStringList readTextFile(const QString &path, int maxLines = -1);

// Writes the lines, each followed by CR LF, replacing the file atomically:
// a failure leaves the previous file whole and throws FileError.
void writeTextFile(const QString &path, const QStringList &lines);

// Replaces the file with data atomically, checking every step through the
// final rename: a failure leaves the previous file whole and throws FileError.
void writeFileAtomically(const QString &path, const QByteArray &data);

bool fileExists(const QString &path);

// Longest path and longest file name (in bytes) the system takes.
constexpr int kMaxPathLength = 4096;
constexpr int kMaxNameBytes = 255;
// True when text could name a file at all: not empty, within the lengths
// above, without control characters.
bool canBePath(const QString &path);

// A bad value as a message quotes it: at most its first 60 characters,
// followed by "…" when there were more.
QString quoteForMessage(const QString &text);
// A file's path as a message names it: whole, unless it is longer than any
// real path can be, then like a bad value.
QString quotePathForMessage(const QString &path);

// Keeps the original of a file that did not read cleanly as "<name>.bak"
// before the program first writes over it, once per run: later saves of the
// same run leave the kept copy alone. One object serves the whole run.
class BackupKeeper {
public:
    // The file at path did not read cleanly.
    void markUnclean(const QString &path);
    // The file at path must not be written over (it could not be read at
    // all, or another running copy uses it): beforeOverwrite throws
    // FileError with reason.
    void refuseOverwrite(const QString &path, const QString &reason);
    bool isMarked(const QString &path) const;
    // Call before every write over path: the first call for a marked file
    // copies it to backupPath(path) and returns true. Throws FileError when
    // the copy fails or the file is refused; it must then not be written
    // over.
    bool beforeOverwrite(const QString &path);
    // Copies path to backupPath(path) unless this object already did during
    // this run or there is no file; true when it copied now. Throws FileError.
    bool keepOnce(const QString &path);

    static QString backupPath(const QString &path);

private:
    QSet<QString> m_marked;
    QSet<QString> m_kept;
    QHash<QString, QString> m_refused;
};
