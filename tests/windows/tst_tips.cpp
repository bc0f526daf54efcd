// Tips of the day: reading "tips.cal", the first tip, stepping, the shipped file.
#include "TestSupport.h"
#include "TextFile.h"
#include "Unit12.h"
#include "Unit13.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Полезный совет");

QStringList numberedTips(int count)
{
    QStringList lines;
    for (int k = 1; k <= count; ++k)
        lines << QStringLiteral("Совет номер %1").arg(k);
    return lines;
}

void showTips()
{
    Form13->hide();
    Form13->setWindowTitle(kCaption);
    Form13->show();
}

int counterOf(const QString &caption)
{
    const auto match = QRegularExpression(QStringLiteral("^Полезный совет (\\d+)/15$")).match(caption);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT
    RecordingDialogs m_dialogs;
    std::unique_ptr<ProgramFolder> m_folder;
    QTemporaryDir m_current; // the process's current folder
    QString m_startFolder;

    void writeTips(const QString &folder, const QStringList &lines)
    {
        writeTextFile(folder + QStringLiteral("/tips.cal"), lines);
    }
    void removeTips()
    {
        QFile::remove(m_current.filePath(QStringLiteral("tips.cal")));
        QFile::remove(m_folder->path(QStringLiteral("tips.cal")));
    }

private slots:
    void initTestCase()
    {
        m_startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_current.path()));
        m_folder = std::make_unique<ProgramFolder>();
        startProgram(*m_folder);
        Form12->Timer1->stop();
    }
    void cleanupTestCase()
    {
        stopProgram();
        QDir::setCurrent(m_startFolder);
    }
    void init()
    {
        removeTips();
        m_dialogs.clear();
    }

    void stepping_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("presses"); // N = "Следующий", P = "Предыдущий"
        QTest::addColumn<QList<int>>("shown");
        QStringList gap = numberedTips(15);
        gap[5].clear();
        QTest::newRow("15 tips, forward wraps") << numberedTips(15) << 13 << "NNN" << QList<int>{14, 15, 1};
        QTest::newRow("15 tips, backward wraps") << numberedTips(15) << 2 << "PPP" << QList<int>{1, 15, 14};
        QTest::newRow("empty 6th ends the forward cycle") << gap << 5 << "N" << QList<int>{1};
        QTest::newRow("empty 6th is visited backward") << gap << 7 << "PP" << QList<int>{6, 5};
        QTest::newRow("3 lines, after the last") << numberedTips(3) << 3 << "N" << QList<int>{1};
        QTest::newRow("3 lines, back from the first") << numberedTips(3) << 1 << "PN" << QList<int>{15, 1};
        QTest::newRow("3 lines, empty first tip") << numberedTips(3) << 9 << "NN" << QList<int>{1, 2};
        QTest::newRow("20 lines, the rest unread") << numberedTips(20) << 15 << "NP" << QList<int>{1, 15};
    }
    void stepping()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, start);
        QFETCH(QString, presses);
        QFETCH(QList<int>, shown);
        writeTips(m_current.path(), lines);
        showTips();
        Form13->TipIndex = start;
        for (int i = 0; i < presses.size(); ++i) {
            QTest::mouseClick(presses.at(i) == QLatin1Char('N') ? Form13->Button2 : Form13->Button1,
                              Qt::LeftButton);
            const int k = shown.at(i);
            QCOMPARE(Form13->windowTitle(), kCaption + QStringLiteral(" %1/15").arg(k));
            QCOMPARE(Form13->Memo1->toPlainText(), k <= lines.size() ? lines.at(k - 1) : QString());
        }
        QVERIFY(m_dialogs.all().isEmpty());
    }

    void firstTipIsOneOfThirteen()
    {
        writeTips(m_current.path(), numberedTips(15));
        QSet<int> seen;
        for (int run = 0; run < 300; ++run) {
            showTips();
            const int k = counterOf(Form13->windowTitle());
            QVERIFY2(k >= 1 && k <= 13, qPrintable(Form13->windowTitle()));
            QCOMPARE(Form13->Memo1->toPlainText(), QStringLiteral("Совет номер %1").arg(k));
            seen << k;
        }
        QCOMPARE(seen.size(), 13);
    }

    void fileIsLookedForHereThenBesideTheProgram_data()
    {
        QTest::addColumn<bool>("inCurrent");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<QString>("tipPrefix"); // empty: nothing found
        QTest::newRow("both") << true << true << "Здесь";
        QTest::newRow("current folder only") << true << false << "Здесь";
        QTest::newRow("program folder only") << false << true << "Рядом";
        QTest::newRow("neither") << false << false << "";
    }
    void fileIsLookedForHereThenBesideTheProgram()
    {
        QFETCH(bool, inCurrent);
        QFETCH(bool, besideProgram);
        QFETCH(QString, tipPrefix);
        QStringList here, beside;
        for (int k = 1; k <= 15; ++k) {
            here << QStringLiteral("Здесь %1").arg(k);
            beside << QStringLiteral("Рядом %1").arg(k);
        }
        if (inCurrent)
            writeTips(m_current.path(), here);
        if (besideProgram)
            writeTips(m_folder->path(), beside);
        Form13->Memo1->setPlainText(QStringLiteral("Memo1"));
        showTips();
        if (tipPrefix.isEmpty()) {
            QCOMPARE(m_dialogs.errors.size(), 1);
            QVERIFY(m_dialogs.errors.first().contains(QStringLiteral("tips.cal")));
            QVERIFY(Form13->Memo1->toPlainText().isEmpty());
        } else {
            QVERIFY(m_dialogs.all().isEmpty());
            QVERIFY(Form13->Memo1->toPlainText().startsWith(tipPrefix));
        }
    }

    void shippedTipsFile()
    {
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/tips.cal"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 15);
        QCOMPARE(bytes.count('\n'), 15);
        const QStringList lines = decode1251(bytes).split(QStringLiteral("\r\n"));
        for (int k = 0; k < 15; ++k) {
            QVERIFY2(lines.at(k).size() > 20, qPrintable(QString::number(k + 1)));
            QVERIFY(lines.at(k).contains(QRegularExpression(QStringLiteral("[а-яА-ЯёЁ]{4}"))));
        }
        QCOMPARE(QSet<QString>(lines.begin(), lines.begin() + 15).size(), 15);
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
