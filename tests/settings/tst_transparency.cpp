// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Window transparency: "transp.cal" and the page's switches and levels as a
// view of the model's four opacity settings.
#include "base/TextFile.h"
#include "core/CalendarModel.h"
#include "core/OptionFiles.h"
#include "settings/SettingsWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QSlider>
#include <QStatusBar>
#include <QtTest>
#include <memory>

namespace {

const char *const kSections[4] = {"mainWindow", "miniView", "floatingClock", "oneMonth"};

} // namespace

class TransparencyTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_model = std::make_unique<CalendarModel>(); }
    void cleanup() { m_window.reset(); }
    void percent_data();
    void percent();
    void fileReading_data();
    void fileReading();
    void shownFromTheModel();
    void clockAtFullLevel();
    void switchOffAndOnRestores();
    void pageFollowsTheModel();
    void writtenAtClose();

private:
    // The model read from transp.cal lines, then the window on it.
    void open(const QStringList &transp);
    QCheckBox *switchOf(OpacityWindow w) const;
    QSlider *levelOf(OpacityWindow w) const;
    QString status() const;

    std::unique_ptr<CalendarModel> m_model;
    FakeServices m_services;
    std::unique_ptr<SettingsWindow> m_window;
};

void TransparencyTest::open(const QStringList &transp)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("transp.cal"));
    writeTextFile(path, transp);
    const TransparencyOptions options = readTransparency(path);
    for (int n = 0; n < 4; ++n)
        m_model->setOpacity(OpacityWindow(n),
                            {options.switches[n], options.levels[n].value_or(255)});
    m_window = std::make_unique<SettingsWindow>(*m_model, m_services);
}

QCheckBox *TransparencyTest::switchOf(OpacityWindow w) const
{
    return m_window->findChild<QCheckBox *>(QString::fromLatin1(kSections[int(w)]) + "Switch");
}

QSlider *TransparencyTest::levelOf(OpacityWindow w) const
{
    return m_window->findChild<QSlider *>(QString::fromLatin1(kSections[int(w)]) + "Level");
}

QString TransparencyTest::status() const
{
    return m_window->findChild<QStatusBar *>(QStringLiteral("opacityStatus"))->currentMessage();
}

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
    QTest::newRow("damaged short file")
        << QStringList{"TRUE", "x"} << "1100" << QList<int>{-1, -1, -1, -1};
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

void TransparencyTest::shownFromTheModel()
{
    open({"TRUE", "FALSE", "FALSE", "FALSE", "128", "255", "255", "255"});
    QVERIFY(switchOf(OpacityWindow::Main)->isChecked());
    QCOMPARE(levelOf(OpacityWindow::Main)->value(), 128);
    QCOMPARE(status(), QStringLiteral("Прозрачность 50 %"));
    QVERIFY(levelOf(OpacityWindow::Main)->isEnabled());
    for (OpacityWindow w :
         {OpacityWindow::MiniView, OpacityWindow::FloatingClock, OpacityWindow::OneMonth}) {
        QVERIFY(!switchOf(w)->isChecked());
        QVERIFY(!levelOf(w)->isEnabled());
    }

    // Level 0 makes the window fully transparent.
    levelOf(OpacityWindow::Main)->setValue(0);
    QCOMPARE(m_model->opacity(OpacityWindow::Main), (OpacitySetting{true, 0}));
    QCOMPARE(status(), QStringLiteral("Прозрачность 100 %"));
}

void TransparencyTest::clockAtFullLevel()
{
    // The clock's own opacity at full level is the clock's business; the
    // page shows the level and says nothing.
    open({"FALSE", "FALSE", "TRUE", "FALSE", "255", "255", "255", "255"});
    QVERIFY(switchOf(OpacityWindow::FloatingClock)->isChecked());
    QCOMPARE(levelOf(OpacityWindow::FloatingClock)->value(), 255);
    QVERIFY(status().isEmpty());
}

void TransparencyTest::switchOffAndOnRestores()
{
    open({"FALSE", "FALSE", "FALSE", "TRUE", "255", "255", "255", "100"});
    switchOf(OpacityWindow::OneMonth)->click(); // off
    QCOMPARE(m_model->opacity(OpacityWindow::OneMonth), (OpacitySetting{false, 100}));
    QVERIFY(!levelOf(OpacityWindow::OneMonth)->isEnabled());
    switchOf(OpacityWindow::OneMonth)->click(); // on again: the same level, slider unmoved
    QCOMPARE(m_model->opacity(OpacityWindow::OneMonth), (OpacitySetting{true, 100}));
    QCOMPARE(levelOf(OpacityWindow::OneMonth)->value(), 100);
    QVERIFY(levelOf(OpacityWindow::OneMonth)->isEnabled());

    // While a switch is off its level is kept but not in force, and the
    // line is left alone.
    const QString said = status();
    levelOf(OpacityWindow::Main)->setValue(50);
    QCOMPARE(m_model->opacity(OpacityWindow::Main), (OpacitySetting{false, 50}));
    QCOMPARE(status(), said);
}

void TransparencyTest::pageFollowsTheModel()
{
    // Another window (the minimised view's own slider) may change a setting.
    open({});
    switchOf(OpacityWindow::MiniView)->click();
    QCOMPARE(m_model->opacity(OpacityWindow::MiniView), (OpacitySetting{true, 255}));
    m_model->setOpacity(OpacityWindow::MiniView, {true, 128});
    QCOMPARE(levelOf(OpacityWindow::MiniView)->value(), 128);
    m_model->setOpacity(OpacityWindow::MiniView, {false, 128});
    QVERIFY(!switchOf(OpacityWindow::MiniView)->isChecked());
    QVERIFY(!levelOf(OpacityWindow::MiniView)->isEnabled());
    QCOMPARE(m_model->opacity(OpacityWindow::MiniView), (OpacitySetting{false, 128}));
}

void TransparencyTest::writtenAtClose()
{
    ProgramFolder folder;
    m_model->setFolder(folder.path());
    m_model->setProfilePath(folder.path("p.cpr"));
    open({"TRUE", "FALSE", "FALSE", "FALSE", "128", "255", "255", "255"});
    switchOf(OpacityWindow::FloatingClock)->click();
    levelOf(OpacityWindow::FloatingClock)->setValue(77);
    m_model->save();
    QCOMPARE(folder.read("transp.cal"),
             (QStringList{"TRUE", "FALSE", "TRUE", "FALSE", "128", "255", "77", "255"}));
    QCOMPARE(folder.bytes("transp.cal").count("\r\n"), 8);
}

QTEST_MAIN(TransparencyTest)
#include "tst_transparency.moc"
