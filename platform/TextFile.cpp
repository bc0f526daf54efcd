// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <iconv.h>

namespace {

// Converts between encodings with iconv; returns false when a character has
// no place in the target encoding (the rest is still converted, with '?').
bool convert(const char *to, const char *from, const QByteArray &in, QByteArray &out)
{
    out.clear();
    if (in.isEmpty())
        return true;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw DayrailError(QStringLiteral("Преобразование текста %1 → %2 недоступно")
                               .arg(QString::fromLatin1(from), QString::fromLatin1(to)));
    bool exact = true;
    QByteArray src = in;
    char *inp = src.data();
    size_t inLeft = static_cast<size_t>(src.size());
    QByteArray buf(src.size() * 4 + 16, '\0');
    while (inLeft > 0) {
        char *outp = buf.data();
        size_t outLeft = static_cast<size_t>(buf.size());
        const size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        out.append(buf.constData(), buf.size() - static_cast<int>(outLeft));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: skip one input unit and mark the loss.
            exact = false;
            out.append('?');
            // In UTF-8, skip the whole sequence of the unmappable character.
            size_t skip = 1;
            if (qstrcmp(from, "UTF-8") == 0) {
                const unsigned char lead = static_cast<unsigned char>(*inp);
                skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            }
            skip = qMin(skip, inLeft);
            inp += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return exact;
}

} // namespace

QString decode1251(const QByteArray &bytes)
{
    QByteArray out;
    convert("UTF-8", "WINDOWS-1251", bytes, out);
    return QString::fromUtf8(out);
}

QByteArray encode1251(const QString &text)
{
    QByteArray out;
    convert("WINDOWS-1251", "UTF-8", text.toUtf8(), out);
    return out;
}

bool fitsIn1251(const QString &text)
{
    QByteArray out;
    return convert("WINDOWS-1251", "UTF-8", text.toUtf8(), out);
}

bool hasControlCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x20; });
}

namespace {

constexpr int kQuotedCharacters = 60;
constexpr qint64 kChunkBytes = 64 * 1024;

FileError readError(const QString &path, const QString &reason)
{
    return FileError(QStringLiteral("Ошибка чтения файла \"%1\": %2")
                         .arg(quotePathForMessage(path), reason));
}

// Opens a file for reading only when it is a regular file: opening a pipe
// waits for a writer, and a device may never end.
void openForReading(QFile &file, const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileError(QStringLiteral("Не удаётся открыть файл \"%1\": это не обычный файл "
                                       "(папка, канал или устройство)")
                            .arg(quotePathForMessage(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удаётся открыть файл \"%1\": %2")
                            .arg(quotePathForMessage(path), file.errorString()));
}

// Splits bytes into lines at CR LF, LF or a bare CR, keeping at most
// kMaxLineBytes of each line, and decodes each line once it is complete.
class LineReader {
public:
    LineReader(const QString &path, int maxLines) : m_path(path), m_maxLines(maxLines) {}

    bool wantsMore() const { return m_maxLines < 0 || m_content.lines.size() < m_maxLines; }

    void feed(const char *p, const char *end)
    {
        if (m_atStart) {
            m_atStart = false;
            if (end - p >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) {
                p += 3;
                m_utf8 = true;
                noteFlaw(QStringLiteral("Файл \"%1\" записан в кодировке UTF-8, а не в "
                                        "Windows-1251.")
                             .arg(quotePathForMessage(m_path)));
            }
        }
        while (p < end && wantsMore()) {
            if (m_afterCr) {
                m_afterCr = false;
                if (*p == '\n') { // the LF of a CR LF pair
                    ++p;
                    continue;
                }
            }
            const char *stop = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
            keep(p, stop);
            if (stop == end)
                return;
            m_afterCr = *stop == '\r';
            finishLine();
            p = stop + 1;
        }
    }

    // The end of the file, or of the part that is read: a last line without
    // a line end still counts.
    TextFileContent finish()
    {
        if ((!m_line.isEmpty() || m_lineCut) && wantsMore())
            finishLine();
        return std::move(m_content);
    }

    void noteFlaw(const QString &text)
    {
        if (m_content.flaw.isEmpty())
            m_content.flaw = text;
    }

private:
    void keep(const char *from, const char *to)
    {
        const qint64 room = kMaxLineBytes - m_line.size();
        if (to - from > room) {
            m_lineCut = true;
            to = from + room;
        }
        m_line.append(from, int(to - from));
    }

    void finishLine()
    {
        const int number = int(m_content.lines.size()) + 1;
        if (m_lineCut)
            noteFlaw(QStringLiteral("Строка %1 файла \"%2\" длиннее %3 байт; прочитано только "
                                    "её начало.")
                         .arg(number)
                         .arg(quotePathForMessage(m_path))
                         .arg(kMaxLineBytes));
        bool exact = true;
        if (m_utf8) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            m_content.lines.append(decoder.decode(m_line));
            exact = !decoder.hasError();
        } else {
            QByteArray out;
            exact = convert("UTF-8", "WINDOWS-1251", m_line, out);
            m_content.lines.append(QString::fromUtf8(out));
        }
        if (!exact)
            noteFlaw(QStringLiteral("Строка %1 файла \"%2\" содержит байты, которые не являются "
                                    "знаками %3.")
                         .arg(number)
                         .arg(quotePathForMessage(m_path),
                              m_utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1251")));
        m_line.clear();
        m_lineCut = false;
    }

    QString m_path;
    int m_maxLines;
    TextFileContent m_content;
    QByteArray m_line;
    bool m_lineCut = false;
    bool m_afterCr = false;
    bool m_atStart = true;
    bool m_utf8 = false;
};

// Stream-writes into an open QSaveFile and makes it the file, checking every
// step: unbuffered, so that a short write (a full disk) is seen here and not
// lost in a buffer that commit() flushes without telling; synced, since
// commit() ignores a failed sync.
template <typename Write> void commitSaveFile(const QString &path, Write write)
{
    auto failure = [&](const QString &reason) {
        return FileError(QStringLiteral("Не удаётся записать файл \"%1\": %2")
                             .arg(quotePathForMessage(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failure(file.errorString());
    try {
        write(file);
    } catch (const DayrailError &e) {
        file.cancelWriting();
        throw failure(e.text());
    }
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}

} // namespace

TextFileContent readTextFileContent(const QString &path, int maxLines)
{
    QFile file(path);
    openForReading(file, path);
    LineReader reader(path, maxLines);
    QByteArray chunk(int(kChunkBytes), Qt::Uninitialized);
    qint64 total = 0;
    while (reader.wantsMore()) {
        if (total >= kMaxTextFileBytes) {
            if (!file.atEnd())
                reader.noteFlaw(QStringLiteral("Файл \"%1\" длиннее %2 МБ; прочитано только "
                                               "его начало.")
                                    .arg(quotePathForMessage(path))
                                    .arg(kMaxTextFileBytes / (1024 * 1024)));
            break;
        }
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            throw readError(path, file.errorString());
        if (n == 0)
            break;
        total += n;
        reader.feed(chunk.constData(), chunk.constData() + n);
    }
    return reader.finish();
}

QStringList readTextFile(const QString &path, int maxLines)
{
    return readTextFileContent(path, maxLines).lines;
}

void writeTextFile(const QString &path, const QStringList &lines)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += encode1251(line);
        data += "\r\n";
    }
    writeFileAtomically(path, data);
}

void writeFileAtomically(const QString &path, const QByteArray &data)
{
    commitSaveFile(path, [&](QSaveFile &file) {
        if (file.write(data) != data.size())
            throw DayrailError(file.errorString());
    });
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString quoteForMessage(const QString &text)
{
    if (text.size() <= kQuotedCharacters)
        return text;
    int cut = kQuotedCharacters;
    if (text.at(cut - 1).isHighSurrogate()) // never half a character
        --cut;
    return text.left(cut) + QStringLiteral("…");
}

bool canBePath(const QString &path)
{
    if (path.isEmpty() || path.size() > kMaxPathLength || hasControlCharacters(path))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::all_of(parts.cbegin(), parts.cend(),
                       [](const QString &part) { return part.toUtf8().size() <= kMaxNameBytes; });
}

QString quotePathForMessage(const QString &path)
{
    return path.size() <= kMaxPathLength ? path : quoteForMessage(path);
}

namespace {
QString fileKey(const QString &path) { return QFileInfo(path).absoluteFilePath(); }
} // namespace

void BackupKeeper::markUnclean(const QString &path) { m_marked.insert(fileKey(path)); }

bool BackupKeeper::isMarked(const QString &path) const { return m_marked.contains(fileKey(path)); }

bool BackupKeeper::beforeOverwrite(const QString &path)
{
    return isMarked(path) && keepOnce(path);
}

bool BackupKeeper::keepOnce(const QString &path)
{
    const QString key = fileKey(path);
    if (m_kept.contains(key) || !fileExists(path))
        return false;
    QFile source(path);
    openForReading(source, path);
    // Copied in pieces: a damaged file may be far bigger than anything the
    // program reads from it.
    commitSaveFile(backupPath(path), [&](QSaveFile &target) {
        QByteArray chunk(int(kChunkBytes), Qt::Uninitialized);
        for (;;) {
            const qint64 n = source.read(chunk.data(), chunk.size());
            if (n < 0)
                throw DayrailError(source.errorString());
            if (n == 0)
                break;
            if (target.write(chunk.constData(), n) != n)
                throw DayrailError(target.errorString());
        }
    });
    m_kept.insert(key);
    return true;
}

QString BackupKeeper::backupPath(const QString &path) { return path + QStringLiteral(".bak"); }
