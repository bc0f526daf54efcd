#include "TextFile.h"

#include "Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QStringList readTextFile(const QString &path, int maxLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удаётся открыть файл \"%1\": %2")
                            .arg(path, file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Ошибка чтения файла \"%1\": %2")
                            .arg(path, file.errorString()));
    QStringList lines;
    int start = 0;
    while (start < data.size() && (maxLines < 0 || lines.size() < maxLines)) {
        int end = data.indexOf('\n', start);
        const int next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        int len = end - start;
        if (len > 0 && data.at(start + len - 1) == '\r')
            --len;
        lines.append(decode1251(data.mid(start, len)));
        start = next;
    }
    return lines;
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
    auto failure = [&](const QString &reason) {
        return FileError(QStringLiteral("Не удаётся записать файл \"%1\": %2").arg(path, reason));
    };
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) is seen here and not
    // lost in a buffer that commit() flushes without telling.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failure(file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw failure(reason);
    }
    // commit() ignores a failed sync; space that is only found missing on
    // the way to the disk must not cost the previous file.
    if (::fsync(file.handle()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
