// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TextFile.h"

#include "base/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // iconv does not write through its input pointer.
    char *inp = const_cast<char *>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    // A fixed scratch buffer, refilled as often as it takes (E2BIG).
    QByteArray buf(64 * 1024, '\0');
    // Cyrillic takes two bytes in UTF-8, one in Windows-1251.
    out.reserve(qstrcmp(to, "UTF-8") == 0 ? in.size() * 2 : in.size());
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

QByteArray utf8From1251(const QByteArray &bytes)
{
    QByteArray out;
    convert("UTF-8", "WINDOWS-1251", bytes, out);
    return out;
}

QString decode1251(const QByteArray &bytes)
{
    return QString::fromUtf8(utf8From1251(bytes));
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
    return FileError(
        QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(quotePathForMessage(path), reason));
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
        if (!wantsMore()) {
            noteLinesAfter(p, end);
            return;
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
        if (!wantsMore())
            noteLinesAfter(p, end);
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
    // Bytes after the last line read: writing the file back from its lines
    // would drop them.
    void noteLinesAfter(const char *p, const char *end)
    {
        if (m_afterCr && p < end && *p == '\n') {
            m_afterCr = false;
            ++p;
        }
        if (p < end)
            m_content.linesAfter = true;
    }

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

// A file being written: a new file beside the target, renamed over it once
// it is whole. Never QSaveFile, which writes through a symbolic link into
// the file it points to: a link where the program keeps a file (a ".bak" say)
// is replaced, and what it pointed to is left alone.
class NewFile {
public:
    explicit NewFile(const QString &path) : m_path(path)
    {
        const QFileInfo info(path);
        // Keeps the mode of the regular file it replaces; a link's target
        // has nothing to say about the new file.
        struct stat old = {};
        const bool replacing =
            ::lstat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode);
        const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
        const QByteArray base =
            QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName());
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_temp =
                base + ".new" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
            m_fd = ::open(m_temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          mode);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            throw systemError();
        // The umask applies to open(); the replaced file's mode does not.
        if (replacing)
            ::fchmod(m_fd, mode);
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    ~NewFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_temp.constData());
        }
    }

    void write(const char *data, qint64 size)
    {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, data, size_t(size));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw systemError();
            data += n;
            size -= n;
        }
    }

    // Synced first: a rename that lands before the data would leave an empty
    // file after a crash.
    void commit()
    {
        if (::fsync(m_fd) != 0)
            throw systemError();
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 ||
            ::rename(m_temp.constData(), QFile::encodeName(m_path).constData()) != 0) {
            const DayrailError error = systemError();
            ::unlink(m_temp.constData());
            throw error;
        }
    }

private:
    DayrailError systemError() const
    {
        return DayrailError(QString::fromLocal8Bit(std::strerror(errno)));
    }

    QString m_path;
    QByteArray m_temp;
    int m_fd = -1;
};

// Writes a new file through write and renames it over path, checking every
// step: a failure leaves the previous file whole.
template <typename Write> void commitNewFile(const QString &path, Write write)
{
    try {
        NewFile file(path);
        write(file);
        file.commit();
    } catch (const DayrailError &e) {
        throw FileError(QStringLiteral("Не удаётся записать файл \"%1\": %2")
                            .arg(quotePathForMessage(path), e.text()));
    }
}

} // namespace

TextFileContent readTextFileContent(const QString &path, int maxLines)
{
    QFile file(path);
    openForReading(file, path);
    LineReader reader(path, maxLines);
    QByteArray chunk(int(kChunkBytes), Qt::Uninitialized);
    qint64 total = 0;
    // One chunk more than the lines need tells whether anything follows them.
    for (bool last = false; !last;) {
        last = !reader.wantsMore();
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
    commitNewFile(path, [&](NewFile &file) { file.write(data.constData(), data.size()); });
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
QString fileKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

void BackupKeeper::markUnclean(const QString &path)
{
    m_marked.insert(fileKey(path));
}

bool BackupKeeper::isMarked(const QString &path) const
{
    return m_marked.contains(fileKey(path));
}

void BackupKeeper::refuseOverwrite(const QString &path, const QString &reason)
{
    m_refused.insert(fileKey(path), reason);
}

bool BackupKeeper::beforeOverwrite(const QString &path)
{
    if (const auto refused = m_refused.constFind(fileKey(path)); refused != m_refused.cend())
        throw FileError(*refused);
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
    commitNewFile(backupPath(path), [&](NewFile &target) {
        QByteArray chunk(int(kChunkBytes), Qt::Uninitialized);
        for (;;) {
            const qint64 n = source.read(chunk.data(), chunk.size());
            if (n < 0)
                throw DayrailError(source.errorString());
            if (n == 0)
                break;
            target.write(chunk.constData(), n);
        }
    });
    m_kept.insert(key);
    return true;
}

QString BackupKeeper::backupPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}
