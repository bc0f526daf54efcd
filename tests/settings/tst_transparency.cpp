// Window transparency: "transp.cal", the page's switches and levels, and the
// four windows they govern.
#include "OptionFiles.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "MainWindow.h"
#include "FloatingClockWindow.h"
#include "SettingsWindow.h"
#include "OneMonthWindow.h"
#include "MiniView.h"
#include "MiniViewOpacityWindow.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSlider>
#include <QStatusBar>
#include <QtTest>

namespace {

const QStringList kRegional = {"TRUE", "FALSE", "FALSE", "TRUE"};

void start(const ProgramFolder &folder, const QStringList &transp)
{
    folder.write("regional.cal", kRegional);
    if (!transp.isEmpty())
        folder.write("transp.cal", transp);
    startProgram(folder);
}

} // namespace

class TransparencyTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void percent_data();
    void percent();
    void fileReading_data();
    void fileReading();
    void loadingAppliesInOrder();
    void clockKeepsItsOwnOpacityAtFullLevel();
    void switchOffAndOnRestores();
    void minimisedViewSliderFollows();
    void damagedFileKeepsTheRestOfCreation();
    void writtenAtClose();
};

void TransparencyTest::cleanup() { stopProgram(); }

void TransparencyTest::percent_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("percent");
    QTest::newRow("128") << 128 << 50;
    QTest::newRow("200") << 200 << 22;
    QTest::newRow("1") << 1 << 100;
    QTest::newRow("254") << 254 << 0;
    QTest::newRow("255") << 255 << 0;
    QTest::newRow("0") << 0 << 100;
    QTest::newRow("64") << 64 << 75;
}

void TransparencyTest::percent()
{
    QFETCH(int, level);
    QFETCH(int, percent);
    QCOMPARE(transparencyPercent(level), percent);
}

void TransparencyTest::fileReading_data()
{
    QTest::addColumn<QStringList>("lines"); // empty list: no file
    QTest::addColumn<QString>("switches");  // "1010"
    QTest::addColumn<QList<int>>("levels"); // -1: no level
    QTest::newRow("no file") << QStringList{} << "0000" << QList<int>{-1, -1, -1, -1};
    QTest::newRow("only FALSE is off")
        << QStringList{"TRUE", "false", "FALSE", "yes", "128", "0", "255", "7"} << "1101"
        << QList<int>{128, 0, 255, 7};
    QTest::newRow("short file") << QStringList{"TRUE", "TRUE", "TRUE"} << "1110"
                                << QList<int>{-1, -1, -1, -1};
    QTest::newRow("bad and out-of-range levels")
        << QStringList{"FALSE", "FALSE", "FALSE", "FALSE", "abc", "300", "-5", ""} << "0000"
        << QList<int>{-1, 255, 0, -1};
}

void TransparencyTest::fileReading()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, switches);
    QFETCH(QList<int>, levels);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("transp.cal"));
    if (!lines.isEmpty())
        writeTextFile(path, lines);
    const TransparencyOptions options = readTransparency(path);
    for (int n = 0; n < 4; ++n) {
        QCOMPARE(options.switches[n], switches.at(n) == QLatin1Char('1'));
        QCOMPARE(options.levels[n].value_or(-1), levels.at(n));
    }
}

void TransparencyTest::loadingAppliesInOrder()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, {"TRUE", "FALSE", "FALSE", "FALSE", "128", "255", "255", "255"});
    QVERIFY(Form1->Blending.enabled());
    QCOMPARE(Form1->Blending.value(), 128);
    QCOMPARE(Form14->StatusBar2->currentMessage(), QStringLiteral("Прозрачность 50 %"));
    QVERIFY(Form14->TrackBar1->isEnabled());
    for (QSlider *slider : {Form14->TrackBar2, Form14->TrackBar3, Form14->TrackBar4})
        QVERIFY(!slider->isEnabled());
    QVERIFY(!Form3->Blending.enabled());
    QVERIFY(!Form10->Blending.enabled());
    QVERIFY(!Form16->Blending.enabled());

    // Level 0 makes the window fully transparent.
    Form14->TrackBar1->setValue(0);
    QCOMPARE(Form1->Blending.value(), 0);
    QCOMPARE(Form14->StatusBar2->currentMessage(), QStringLiteral("Прозрачность 100 %"));
}

void TransparencyTest::clockKeepsItsOwnOpacityAtFullLevel()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, {"FALSE", "FALSE", "TRUE", "FALSE", "255", "255", "255", "255"});
    QVERIFY(Form10->Blending.enabled());
    QCOMPARE(Form10->Blending.value(), 225);
    QCOMPARE(Form14->TrackBar3->value(), 255);
    QVERIFY(Form14->StatusBar2->currentMessage().isEmpty());
}

void TransparencyTest::switchOffAndOnRestores()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, {"FALSE", "FALSE", "FALSE", "TRUE", "255", "255", "255", "100"});
    QCOMPARE(Form16->Blending.value(), 100);
    Form14->CheckBox4->click(); // off
    QVERIFY(!Form16->Blending.enabled());
    QVERIFY(!Form14->TrackBar4->isEnabled());
    QCOMPARE(Form16->windowOpacity(), 1.0);
    Form14->CheckBox4->click(); // on again: the previous opacity, slider unmoved
    QVERIFY(Form16->Blending.enabled());
    QCOMPARE(Form16->Blending.value(), 100);
    QCOMPARE(Form14->TrackBar4->value(), 100);

    // A switch turned on leaves the window at its last opacity until the level moves.
    Form14->CheckBox1->click();
    QVERIFY(Form1->Blending.enabled());
    QCOMPARE(Form1->Blending.value(), 255);
    // While a switch is off its level is kept but not applied.
    Form14->CheckBox1->click();
    Form14->TrackBar1->setValue(50);
    QVERIFY(!Form1->Blending.enabled());
    QCOMPARE(Form1->Blending.value(), 255);
}

void TransparencyTest::minimisedViewSliderFollows()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, {});
    Form14->CheckBox2->click();
    QVERIFY(Form9->TrackBar1->isEnabled());
    Form14->TrackBar2->setValue(128);
    QCOMPARE(Form9->TrackBar1->value(), 128);
    QVERIFY(Form3->Blending.enabled());
    QCOMPARE(Form3->Blending.value(), 128);
    Form14->CheckBox2->click();
    QVERIFY(!Form9->TrackBar1->isEnabled());
    QVERIFY(!Form3->Blending.enabled());
}

void TransparencyTest::damagedFileKeepsTheRestOfCreation()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("p.cpr", QStringList(12, "1") + QStringList{"1", "entry"});
    folder.write("cnfg.cal", QStringList(15, "1") + QStringList{"", "0", "True", "TRUE", "0",
                                                                folder.path("p.cpr")});
    folder.write("regional.cal", {"FALSE", "TRUE", "FALSE", "TRUE"});
    folder.write("transp.cal", {"TRUE", "x"});
    startProgram(folder);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QVERIFY(Form1->Blending.enabled());
    QCOMPARE(Form14->TrackBar1->value(), 255);
    QCOMPARE(Form14->ListBox1->count(), 1);
    QCOMPARE(Form1->Calendar1->startOfWeek(), 0);
}

void TransparencyTest::writtenAtClose()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, {"TRUE", "FALSE", "FALSE", "FALSE", "128", "255", "255", "255"});
    Form14->CheckBox3->click();
    Form14->TrackBar3->setValue(77);
    Form1->FormClose();
    QCOMPARE(folder.read("transp.cal"),
             (QStringList{"TRUE", "FALSE", "TRUE", "FALSE", "128", "255", "77", "255"}));
    QCOMPARE(folder.bytes("transp.cal").count("\r\n"), 8);
}

QTEST_MAIN(TransparencyTest)
#include "tst_transparency.moc"
