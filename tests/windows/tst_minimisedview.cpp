// The minimised view and its opacity slider.
#include "QuietProgram.h"
#include "MainWindow.h"
#include "ExitBar.h"
#include "MiniView.h"
#include "MiniViewOpacityWindow.h"

#include <QAction>
#include <QDateEdit>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestMinimisedView : public QObject {
    Q_OBJECT
    QuietProgram m_program;

private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }

    void sliderSetsOpacityAndTruncatedPercent_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("percent");
        QTest::newRow("opaque") << 255 << "100 %";
        QTest::newRow("one below opaque") << 254 << "99 %";
        QTest::newRow("two below opaque") << 253 << "99 %";
        QTest::newRow("half") << 128 << "50 %";
        QTest::newRow("low") << 25 << "9 %";
        QTest::newRow("clear") << 0 << "0 %";
    }
    void sliderSetsOpacityAndTruncatedPercent()
    {
        QFETCH(int, position);
        QFETCH(QString, percent);
        Form9->TrackBar1->setValue(100);
        // Blending switched off elsewhere is switched back on by the slider.
        Form3->Blending.setEnabled(false);
        Form9->TrackBar1->setValue(position);
        QCOMPARE(Form9->Label4->text(), percent);
        QVERIFY(Form3->Blending.enabled());
        QCOMPARE(qRound(Form3->windowOpacity() * 255), position);
    }

    void timeLineRunsWhileHidden()
    {
        Form3->hide();
        Form3->LabeledEdit1->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!Form3->LabeledEdit1->text().isEmpty(), 3000);
        const QString text = Form3->LabeledEdit1->text();
        QCOMPARE(text.left(12).trimmed().size(), 1); // eleven spaces, then the time
        QVERIFY(QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss")).isValid());
        QCOMPARE(Form3->DateTimePicker1->date(), QDate::currentDate());
    }

    void buttonsAndPopup()
    {
        Form1->hide();
        Form3->show();
        QTest::mouseClick(Form3->ToolButton4, Qt::LeftButton);
        QVERIFY(Form3->isMinimized());
        QVERIFY(!Form1->isVisible()); // a hidden main window stays hidden
        Form3->showNormal();
        QTest::mouseClick(Form3->ToolButton3, Qt::LeftButton);
        QVERIFY(!Form3->isVisible());
        QVERIFY(Form1->isVisible());
        Form3->N1->trigger();
        QVERIFY(Form9->isVisible());
    }

    void exitButtonEndsWithoutSaving()
    {
        Form3->show();
        QEventLoop loop;
        QTimer::singleShot(0, Form3, [] { QTest::mouseClick(Form3->ToolButton2, Qt::LeftButton); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!QFile::exists(m_program.folder->path(QStringLiteral("cnfg.cal"))));
        QVERIFY(!Form19->isVisible()); // no confirmation asked
    }
};

QTEST_MAIN(TestMinimisedView)
#include "tst_minimisedview.moc"
