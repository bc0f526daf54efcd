// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files: written and read back by us and by other readers, and
// damaged files that must fail with a message instead of a crash.
#include "base/Errors.h"
#include "base/Metafile.h"
#include "base/Pictures.h"
#include "platform/Dialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A 793 x 553 picture with a colour in three corners, so that flips show.
QImage sample()
{
    QImage image(793, 553, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, 40, 30, Qt::red);
    p.fillRect(753, 0, 40, 30, Qt::green);
    p.fillRect(0, 523, 40, 30, Qt::blue);
    return image;
}

// Little-endian field of a file read back; outside the file it reads as 0.
quint32 field(const QByteArray &b, int at, int size)
{
    quint32 value = 0;
    if (at < 0 || at + size > b.size())
        return 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(b.at(at + i));
    return value;
}
quint32 u32(const QByteArray &b, int at)
{
    return field(b, at, 4);
}
quint16 u16(const QByteArray &b, int at)
{
    return quint16(field(b, at, 2));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString run(const QString &tool, const QStringList &arguments, const QString &output)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(readAll(output));
}

} // namespace

class PictureFilesTest : public QObject {
    Q_OBJECT
private slots:
    void saveDialogAsksBeforeReplacing();
    void writtenAndReadBack_data();
    void writtenAndReadBack();
    void metafileRecords();
    void otherReadersReadOurMetafiles();
    void damagedFilesFailCleanly_data();
    void damagedFilesFailCleanly();
    void hostilePicturesRefused_data();
    void hostilePicturesRefused();

private:
    QTemporaryDir m_dir;
};

void PictureFilesTest::writtenAndReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    // Only a bitmap leaves out its bottom-left colour when drawn transparently.
    QTest::addColumn<bool>("transparentCorner");
    QTest::newRow("emf") << "a.emf" << QByteArray("\x01\0\0\0", 4) << false;
    QTest::newRow("wmf") << "a.wmf" << QByteArray("\xD7\xCD\xC6\x9A") << false;
    QTest::newRow("WMF in capitals") << "b.WMF" << QByteArray("\xD7\xCD\xC6\x9A") << false;
    QTest::newRow("bmp") << "a.bmp" << QByteArray("BM") << true;
    QTest::newRow("jpg is a real JPEG") << "a.jpg" << QByteArray("\xFF\xD8\xFF") << false;
    QTest::newRow("JPEG in capitals") << "a.JPEG" << QByteArray("\xFF\xD8\xFF") << false;
}

void PictureFilesTest::writtenAndReadBack()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QFETCH(bool, transparentCorner);
    const QString path = m_dir.filePath(name);
    // Written twice: an existing file is replaced whole.
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::black);
    for (const QImage &image : {small, sample()}) {
        if (name.endsWith("mf", Qt::CaseInsensitive))
            writeMetafile(image, path);
        else
            savePicture(image, path);
    }
    QVERIFY(readAll(path).startsWith(magic));
    const QImage back = loadPicture(path);
    QCOMPARE(back.size(), QSize(793, 553));
    // JPEG is lossy: the corners keep their colour roughly.
    const QPoint corners[3] = {{5, 5}, {787, 5}, {5, 547}};
    const Qt::GlobalColor colours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const QColor got = back.pixelColor(corners[i]), want(colours[i]);
        QVERIFY(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) +
                    qAbs(got.blue() - want.blue()) <
                60);
    }
    const QImage drawn = withoutTransparentColour(back);
    QCOMPARE(qAlpha(drawn.pixel(corners[2])) == 0, transparentCorner);
    QCOMPARE(qAlpha(drawn.pixel(corners[0])), 255);
}

void PictureFilesTest::metafileRecords()
{
    writeMetafile(sample(), m_dir.filePath("r.emf"));
    writeMetafile(sample(), m_dir.filePath("r.wmf"));
    // Enhanced: bounds 0..792 x 0..552; the header, one bitmap at (0, 0) of 793 x 553, the end.
    const QByteArray e = readAll(m_dir.filePath("r.emf"));
    QCOMPARE(u32(e, 40), 0x464D4520u);
    QCOMPARE(u32(e, 48), quint32(e.size()));
    QCOMPARE((QList<quint32>{u32(e, 16), u32(e, 20)}), (QList<quint32>{792, 552}));
    QList<quint32> types;
    for (int at = 0; at + 8 <= e.size(); at += int(u32(e, at + 4)))
        types << u32(e, at);
    QCOMPARE(types, (QList<quint32>{1, 81, 14}));
    const int at = int(u32(e, 4));
    QCOMPARE((QList<quint32>{u32(e, at + 24), u32(e, at + 28), u32(e, at + 72), u32(e, at + 76)}),
             (QList<quint32>{0, 0, 793, 553}));
    // Placeable: box 0, 0, 793, 553 at 96 per inch with its checksum; window
    // origin and extent, one bitmap, the end.
    const QByteArray w = readAll(m_dir.filePath("r.wmf"));
    QCOMPARE((QList<quint16>{u16(w, 6), u16(w, 8), u16(w, 10), u16(w, 12), u16(w, 14)}),
             (QList<quint16>{0, 0, 793, 553, 96}));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= u16(w, 2 * i);
    QCOMPARE(u16(w, 20), checksum);
    QList<quint16> functions;
    for (int at = 40; at + 6 <= w.size(); at += int(u32(w, at)) * 2)
        functions << u16(w, at + 4);
    QCOMPARE(functions, (QList<quint16>{0x020B, 0x020C, 0x0F43, 0x0000}));
}

void PictureFilesTest::otherReadersReadOurMetafiles()
{
    writeMetafile(sample(), m_dir.filePath("o.emf"));
    writeMetafile(sample(), m_dir.filePath("o.wmf"));
    const QString emf =
        run("emf2svg-conv", {"-i", m_dir.filePath("o.emf"), "-o", m_dir.filePath("e.svg")},
            m_dir.filePath("e.svg"));
    QVERIFY2(
        emf.contains("<image width=\"793.0000\" height=\"553.0000\" x=\"0.0000\" y=\"0.0000\""),
        qPrintable(emf.left(300)));
    const QString wmf = run("wmf2svg", {"-o", m_dir.filePath("w.svg"), m_dir.filePath("o.wmf")},
                            m_dir.filePath("w.svg"));
    QVERIFY2(wmf.contains("<image x=\"0.000000\" y=\"0.000000\""), qPrintable(wmf.left(300)));
}

void PictureFilesTest::damagedFilesFailCleanly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTemporaryDir dir;
    writeMetafile(sample(), dir.filePath("g.emf"));
    writeMetafile(sample(), dir.filePath("g.wmf"));
    const QByteArray emf = readAll(dir.filePath("g.emf"));
    const QByteArray wmf = readAll(dir.filePath("g.wmf"));
    const int bitmapAt = int(u32(emf, 4));
    auto patched = [](QByteArray b, int at, quint32 value) {
        qToLittleEndian<quint32>(value, b.data() + at);
        return b;
    };
    QTest::newRow("empty emf") << "a.emf" << QByteArray();
    QTest::newRow("text named wmf") << "a.wmf" << QByteArray("hello, world");
    QTest::newRow("emf cut short") << "a.emf" << emf.left(emf.size() / 2);
    QTest::newRow("wmf cut short") << "a.wmf" << wmf.left(wmf.size() / 2);
    QTest::newRow("record of size zero") << "a.emf" << patched(emf, bitmapAt + 4, 0);
    QTest::newRow("record past the end") << "a.emf" << patched(emf, bitmapAt + 4, 0x7FFFFFF0);
    QTest::newRow("bitmap outside its record") << "a.emf" << patched(emf, bitmapAt + 56, ~0u);
    QTest::newRow("huge bounds") << "a.emf" << patched(emf, 16, 0x7FFFFFFF);
    QTest::newRow("no picture inside") << "a.emf" << emf.left(bitmapAt) + emf.right(20);
    QTest::newRow("damaged jpeg") << "a.jpg" << QByteArray("\xFF\xD8\xFF\xE0garbage");
    QTest::newRow("unknown extension") << "a.tiff" << QByteArray("II*");
}

void PictureFilesTest::damagedFilesFailCleanly()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(name);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    f.close();
    try {
        loadPicture(path);
        QFAIL("loaded a damaged file");
    } catch (const PictureError &e) {
        QVERIFY2(e.text().contains(path), qPrintable(e.text()));
    }
}

void PictureFilesTest::hostilePicturesRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // "fifo", "folder", "sparse" or "bytes"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // "" = loads

    QTemporaryDir dir;
    writeMetafile(sample(), dir.filePath("g.emf"));
    const QByteArray emf = readAll(dir.filePath("g.emf"));
    const int bitmapAt = int(u32(emf, 4));
    auto patched = [](QByteArray b, int at, quint32 value) {
        qToLittleEndian<quint32>(value, b.data() + at);
        return b;
    };
    // The header alone of an enhanced metafile declaring 20000 x 20000.
    const QByteArray header = patched(patched(emf.left(bitmapAt), 16, 19999), 20, 19999);
    auto png = [](int w, int h) {
        QImage image(w, h, QImage::Format_Mono);
        image.fill(0);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "png");
        return buffer.data();
    };
    QTest::newRow("pipe") << "p.bmp"
                          << "fifo" << QByteArray() << "канал";
    QTest::newRow("folder") << "d.png"
                            << "folder" << QByteArray() << "папка";
    QTest::newRow("over 64 MB") << "s.jpg"
                                << "sparse" << QByteArray() << "64 МБ";
    QTest::newRow("missing") << "m.gif"
                             << "none" << QByteArray() << "не найден";
    QTest::newRow("emf header of 20000 x 20000") << "h.emf"
                                                 << "bytes" << header << "20000";
    QTest::newRow("emf canvas 8193 wide") << "w.emf"
                                          << "bytes" << patched(emf, 16, 8192) << "8193";
    QTest::newRow("emf canvas of 6000 x 6000 pixels")
        << "a.emf"
        << "bytes" << patched(patched(emf, 16, 5999), 20, 5999) << "млн";
    QTest::newRow("bitmap in emf claims 9000 rows")
        << "b.emf"
        << "bytes" << patched(emf, bitmapAt + 80 + 8, 9000) << "9000";
    QTest::newRow("png 8193 wide") << "w.png"
                                   << "bytes" << png(8193, 1) << "8193";
    QTest::newRow("png 8192 wide loads") << "ok.png"
                                         << "bytes" << png(8192, 1) << "";
    // Decoded whole, more than 16 million pixels would pass 150 MB at start.
    QTest::newRow("png of 4097 x 4097") << "a.png"
                                        << "bytes" << png(4097, 4097) << "млн";
    // A JPEG is decoded halved while it is read: a wide one comes in at 8192.
    QImage wide(16384, 8, QImage::Format_RGB32);
    wide.fill(Qt::white);
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    wide.save(&jpeg, "jpeg");
    QTest::newRow("jpeg 16384 wide loads halved") << "w.jpg"
                                                  << "bytes" << jpeg.data() << "";
}

void PictureFilesTest::hostilePicturesRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "folder") {
        QVERIFY(QDir(m_dir.path()).mkdir(name));
    } else if (kind != "none") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        if (kind == "sparse")
            QVERIFY(f.resize(64 * 1024 * 1024 + 1));
    }
    try {
        const QImage image = loadPicture(path);
        QVERIFY2(reason.isEmpty(), "loaded");
        QCOMPARE(image.width(), 8192);
    } catch (const PictureError &e) {
        QVERIFY2(!reason.isEmpty() && e.text().contains(reason), qPrintable(e.text()));
        QVERIFY2(e.text().contains(path), qPrintable(e.text()));
    }
}

void PictureFilesTest::saveDialogAsksBeforeReplacing()
{
    // Saving a picture over a file the user already has takes a question.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    prepareSaveDialog(dialog, QStringLiteral("bmp"));
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("bmp"));
}

QTEST_MAIN(PictureFilesTest)
#include "tst_picturefiles.moc"
