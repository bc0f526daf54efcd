// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Tips of the day: where "tips.cal" is read from, the first tip, stepping,
// and the file that ships with the program.
#include "base/TextFile.h"
#include "core/CalendarModel.h"
#include "tests/support/TestSupport.h"
#include "windows/TipsWindow.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Полезный совет");

QStringList tips(int count, const QString &word = QStringLiteral("Совет"))
{
    QStringList lines;
    for (int k = 1; k <= count; ++k)
        lines << QStringLiteral("%1 %2").arg(word).arg(k);
    return lines;
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT
    RecordingDialogs m_dialogs;
    ProgramFolder m_folder;
    CalendarModel m_model;
    std::unique_ptr<TipsWindow> m_tips;
    QTemporaryDir m_current; // the process's current folder
    const QString m_startFolder = QDir::currentPath();

    QString here() const { return m_current.filePath(QStringLiteral("tips.cal")); }
    QString beside() const { return m_folder.path(QStringLiteral("tips.cal")); }
    QString tipText() const { return m_tips->findChild<QPlainTextEdit *>()->toPlainText(); }
    QPushButton *button(const char *name) const
    {
        return m_tips->findChild<QPushButton *>(QLatin1String(name));
    }
    // As the application does it: the plain caption first.
    void showTips()
    {
        m_tips->hide();
        m_tips->setWindowTitle(kCaption);
        m_tips->show();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_current.path()));
        m_model.setFolder(m_folder.path());
        m_tips = std::make_unique<TipsWindow>(m_model, m_dialogs);
    }
    void cleanupTestCase()
    {
        m_tips.reset();
        QDir::setCurrent(m_startFolder);
    }
    void init()
    {
        QFile::remove(here());
        QFile::remove(beside());
        m_dialogs.clear();
    }

    void stepping_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("presses"); // N = "Следующий", P = "Предыдущий"
        QTest::addColumn<QList<int>>("shown");
        QStringList gap = tips(15);
        gap[5].clear();
        QTest::newRow("15 tips, forward wraps") << tips(15) << 13 << "NNN" << QList<int>{14, 15, 1};
        QTest::newRow("15 tips, backward wraps") << tips(15) << 2 << "PPP" << QList<int>{1, 15, 14};
        QTest::newRow("empty 6th ends the forward cycle") << gap << 5 << "N" << QList<int>{1};
        QTest::newRow("empty 6th is visited backward") << gap << 7 << "PP" << QList<int>{6, 5};
        QTest::newRow("3 lines, after the last") << tips(3) << 3 << "N" << QList<int>{1};
        QTest::newRow("3 lines, back from the first") << tips(3) << 1 << "PN" << QList<int>{15, 1};
        QTest::newRow("3 lines, empty first tip") << tips(3) << 9 << "NN" << QList<int>{1, 2};
        QTest::newRow("20 lines, the rest unread") << tips(20) << 15 << "NP" << QList<int>{1, 15};
    }
    void stepping()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, start);
        QFETCH(QString, presses);
        QFETCH(QList<int>, shown);
        writeTextFile(here(), lines);
        showTips();
        m_tips->showTip(start);
        for (int i = 0; i < presses.size(); ++i) {
            QTest::mouseClick(
                button(presses.at(i) == QLatin1Char('N') ? "nextButton" : "previousButton"),
                Qt::LeftButton);
            const int k = shown.at(i);
            QCOMPARE(m_tips->windowTitle(), kCaption + QStringLiteral(" %1/15").arg(k));
            QCOMPARE(tipText(), k <= lines.size() ? lines.at(k - 1) : QString());
        }
    }

    void plainCaptionTakesOneCounter()
    {
        writeTextFile(here(), tips(15));
        m_tips->show();
        m_tips->hide();
        QCOMPARE(m_tips->windowTitle().count(QLatin1Char('/')), 1);
        showTips();
        QVERIFY(m_tips->isVisible());
        QCOMPARE(m_tips->windowTitle().count(QLatin1Char('/')), 1);
        // Already shown: the caption loses its counter until the next press.
        m_tips->setWindowTitle(kCaption);
        m_tips->show();
        QCOMPARE(m_tips->windowTitle(), kCaption);
        QTest::mouseClick(button("nextButton"), Qt::LeftButton);
        QVERIFY(m_tips->windowTitle().startsWith(kCaption + QLatin1Char(' ')));
        QCOMPARE(m_tips->windowTitle().count(QLatin1Char('/')), 1);
    }

    void firstTipIsOneOfThirteen()
    {
        writeTextFile(here(), tips(15));
        const QRegularExpression counter(QStringLiteral("^Полезный совет (\\d+)/15$"));
        QSet<int> seen;
        for (int run = 0; run < 300; ++run) {
            showTips();
            const int k = counter.match(m_tips->windowTitle()).captured(1).toInt();
            QVERIFY2(k >= 1 && k <= 13, qPrintable(m_tips->windowTitle()));
            QCOMPARE(tipText(), QStringLiteral("Совет %1").arg(k));
            seen << k;
        }
        QCOMPARE(seen.size(), 13);
    }

    void fileIsLookedForHereThenBesideTheProgram_data()
    {
        QTest::addColumn<bool>("inCurrent");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("word"); // empty: nothing found
        QTest::newRow("both") << true << true << "Здесь";
        QTest::newRow("program folder only") << false << true << "Рядом";
        QTest::newRow("neither") << false << false << "";
    }
    void fileIsLookedForHereThenBesideTheProgram()
    {
        QFETCH(bool, inCurrent);
        QFETCH(bool, besideProgram);
        QFETCH(QString, word);
        if (inCurrent)
            writeTextFile(here(), tips(15, QStringLiteral("Здесь")));
        if (besideProgram)
            writeTextFile(beside(), tips(15, QStringLiteral("Рядом")));
        showTips();
        QCOMPARE(m_dialogs.errors.size(), word.isEmpty() ? 1 : 0);
        if (word.isEmpty())
            QVERIFY(m_dialogs.errors.first().contains(QStringLiteral("tips.cal")));
        QCOMPARE(tipText().section(QLatin1Char(' '), 0, 0), word);
    }

    void shippedTipsFile()
    {
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/tips.cal"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 15);
        QCOMPARE(bytes.count('\n'), 15);
        const QStringList lines = decode1251(bytes).split(QStringLiteral("\r\n")).mid(0, 15);
        for (const QString &line : lines)
            QVERIFY2(line.contains(QRegularExpression(QStringLiteral("[а-яё]{4} [а-яё]{4}"))),
                     qPrintable(line));
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), 15);
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
