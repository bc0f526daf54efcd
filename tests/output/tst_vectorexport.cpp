// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Vector saves: the PDF page is A4 landscape with the picture fitted and its
// text real text in embedded fonts; the SVG keeps text as <text>.
#include "base/Errors.h"
#include "output/VectorExport.h"
#include "tests/support/TestSupport.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <QtSvg/QSvgRenderer>
#include <QtTest>

namespace {

const QString kCaption = QStringLiteral("Январь 2026");

// Stands in for the year sheet: a black frame round the picture and a
// caption in a font sized in points, as the windows' fonts are.
class Sheet : public QWidget {
public:
    Sheet()
    {
        resize(400, 200);
        setFont(QFont(QStringLiteral("DejaVu Sans"), 18));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(4, 4, -4, -4), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, kCaption);
    }
};

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// Caption height over frame height: the same wherever text scales with the picture.
double captionShare(const QImage &image)
{
    const QRect frame = pixelsWhere(image, isDark);
    const int inset = qCeil(frame.height() * 0.05);
    const QImage inside = image.copy(frame.adjusted(inset, inset, -inset, -inset));
    return double(pixelsWhere(inside, isDark).height()) / frame.height();
}

QString toolOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class VectorExportTest : public QObject {
    Q_OBJECT
private slots:
    void pdfPage();
    void svgDocument();
    void namesAndFailures();

private:
    QString save(const QString &name)
    {
        return saveVector(
            m_dir.filePath(name), [this](QPainter &p, const QRectF &) { m_sheet.render(&p); },
            m_sheet.size());
    }
    Sheet m_sheet;
    QTemporaryDir m_dir;
};

void VectorExportTest::pdfPage()
{
    const QString path = save(QStringLiteral("год"));
    QCOMPARE(path, m_dir.filePath(QStringLiteral("год.pdf")));
    constexpr int dpi = 50;
    const QImage page = rasterisePdf(path, dpi);
    if (page.isNull())
        QSKIP("pdftoppm is not installed");
    auto dots = [](double mm) { return mm / 25.4 * dpi; };
    QVERIFY(qAbs(page.width() - dots(297)) <= 1 && qAbs(page.height() - dots(210)) <= 1);
    // 2:1 is wider than the page inside its margins: the width fills it,
    // the height follows, and the picture sits in the middle.
    const QRect frame = pixelsWhere(page, isDark);
    QVERIFY2(qAbs(frame.width() - dots(277)) <= 2, qPrintable(QString::number(frame.width())));
    QVERIFY(qAbs(frame.height() - frame.width() / 2.0) <= 2);
    QVERIFY(qAbs(frame.center().y() - page.height() / 2.0) <= 2);
    const double share = captionShare(page), onScreen = captionShare(m_sheet.grab().toImage());
    QVERIFY2(qAbs(share / onScreen - 1) < 0.2,
             qPrintable(QStringLiteral("%1 %2").arg(share).arg(onScreen)));

    QVERIFY(
        toolOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).contains(kCaption));
    // Below two heading lines, a line per font; "emb" is its first yes/no.
    const QStringList fonts = toolOutput(QStringLiteral("pdffonts"), {path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(
            font.contains(QRegularExpression(QStringLiteral("\\s+yes(\\s+(yes|no)){2}\\s+\\d"))),
            qPrintable(font));
}

void VectorExportTest::svgDocument()
{
    QFile file(save(QStringLiteral("год.SVG")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.contains("<text") && !svg.contains("<image"));
    QVERIFY(svg.contains(kCaption.toUtf8()));
    QCOMPARE(QSvgRenderer(svg).viewBoxF(), QRectF(QPointF(0, 0), m_sheet.size()));
}

void VectorExportTest::namesAndFailures()
{
    QCOMPARE(vectorFileName("/d.svg/год"), QStringLiteral("/d.svg/год.pdf"));
    QCOMPARE(vectorFileName("/d/год.png"), QStringLiteral("/d/год.png.pdf"));
    QCOMPARE(vectorFileName("/d/год.SVG"), QStringLiteral("/d/год.SVG"));
    QCOMPARE(vectorFormatFor("/d/год.SVG"), VectorFormat::Svg);

    const QString path = m_dir.filePath(QStringLiteral("нет/год.pdf"));
    QVERIFY_THROWS_EXCEPTION(FileError, save(QStringLiteral("нет/год.pdf")));
    QVERIFY(!QFile::exists(path));
    QVERIFY_THROWS_EXCEPTION(FileError, vectorData(VectorFormat::Svg, {}, QSizeF(0, 10)));
}

QTEST_MAIN(VectorExportTest)
#include "tst_vectorexport.moc"
