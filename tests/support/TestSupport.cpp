// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestSupport.h"

#include "base/Paths.h"
#include "base/TextFile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

QString RecordingDialogs::openFileName(QWidget *, const QString &title, const QString &filter)
{
    titles << title;
    filters << filter;
    if (fileAnswers.empty())
        return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString RecordingDialogs::saveFileName(QWidget *w, const QString &title, const QString &f,
                                       const QString &suffix)
{
    suffixes << suffix;
    return openFileName(w, title, f);
}

bool RecordingDialogs::printDialog(QWidget *, QPrinter *printer)
{
    ++printDialogs;
    printers << printer;
    return printAnswer;
}

bool RecordingDialogs::printerSetup(QWidget *, QPrinter *printer)
{
    ++printDialogs;
    printers << printer;
    return printAnswer;
}

std::optional<QColor> RecordingDialogs::chooseColour(QWidget *, const QColor &)
{
    return colourAnswer;
}

ProgramFolder::ProgramFolder() = default;

ProgramFolder::~ProgramFolder() = default;

QString ProgramFolder::path(const QString &name) const
{
    return m_dir.path() + QLatin1Char('/') + name;
}

void ProgramFolder::write(const QString &name, const QStringList &lines) const
{
    writeTextFile(path(name), lines);
}

QStringList ProgramFolder::read(const QString &name) const
{
    return readTextFile(path(name));
}

QByteArray ProgramFolder::bytes(const QString &name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        // Qt's key codes of ASCII characters are their upper-case codes.
        const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

QImage rasterisePdf(const QString &pdfPath, int dpi)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    QTemporaryDir dir;
    if (tool.isEmpty() || !dir.isValid())
        return {};
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdfPath, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &match)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}
