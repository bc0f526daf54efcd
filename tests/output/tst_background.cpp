// The background window: picture or colour mode at start, "Обзор",
// "Применить", "OK" and "Отмена", the caption colour and the carrying over
// to the print copies.
#include "TestSupport.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"
#include "PrintSheet.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Settings with the given picture path, background, mode and caption colour.
void writeSettings(const ProgramFolder &folder, const QString &picture, StoredColour background,
                   bool colourMode, StoredColour caption)
{
    folder.write("p.cpr", QStringList(12, "1") + QStringList{"0"});
    folder.write("cnfg.cal",
                 QStringList(12, "1") +
                     QStringList{"2026", "0", "0", picture, QString::number(background),
                                 colourMode ? "True" : "", colourMode ? "TRUE" : "FALSE",
                                 QString::number(caption), folder.path("p.cpr")});
}

QString pictureFile(const ProgramFolder &folder, const QString &name, Qt::GlobalColor colour)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    image.save(folder.path(name)); // format by extension
    return folder.path(name);
}

QColor colourOf(const ImageView *image) { return image->picture().pixelColor(0, 0); }

void start(const ProgramFolder &folder, bool printBackground)
{
    folder.write("regional.cal", {"TRUE", "FALSE", printBackground ? "TRUE" : "FALSE",
                                  printBackground ? "FALSE" : "TRUE"});
    startProgram(folder);
}

} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void creation_data();
    void creation();
    void applyThenOkLoadsOnce();
    void colourAndPictureModes();
    void captionColourAndCarryingOver_data();
    void captionColourAndCarryingOver();
    void failingPicturesAndBrowsing();
};

void BackgroundTest::cleanup() { stopProgram(); }

void BackgroundTest::creation_data()
{
    QTest::addColumn<bool>("colourMode");
    QTest::addColumn<QString>("picture"); // "red" makes a red picture file
    QTest::addColumn<int>("errors");
    QTest::newRow("colour mode") << true << "red" << 0;
    QTest::newRow("picture mode") << false << "red" << 0;
    QTest::newRow("picture mode, no path yet") << false << "" << 0;
    // Reported by the main window and by the preview; the captions stay black.
    QTest::newRow("picture mode, lost file") << false << "lost.bmp" << 2;
}

void BackgroundTest::creation()
{
    QFETCH(bool, colourMode);
    QFETCH(QString, picture);
    QFETCH(int, errors);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    const QString path = picture == "red"    ? pictureFile(folder, "red.bmp", Qt::red)
                         : picture.isEmpty() ? QString()
                                             : folder.path(picture);
    writeSettings(folder, path, clYellow, colourMode, clMaroon);
    start(folder, false);
    QCOMPARE(dialogs.errors.size(), errors);
    if (errors)
        QVERIFY(dialogs.errors.at(1).contains(path));
    QVERIFY(Form15->RadioButton2->isChecked() == colourMode &&
            Form15->RadioButton1->isChecked() != colourMode);
    QCOMPARE(Form15->Edit1->text(), path);
    QCOMPARE(Form15->ColorBox1->Selected(), clYellow);
    QCOMPARE(windowColour(Form1->Client), colourMode ? clYellow : clSkyBlue);
    QVERIFY(Form1->Image16->isHidden() == colourMode && Form15->Image1->isHidden() == colourMode);
    if (!colourMode && !path.isEmpty() && !errors)
        QCOMPARE(colourOf(Form15->Image1), QColor(Qt::red));
    QCOMPARE(fontColour(Form1->Label13), errors ? clBlack : clMaroon);
}

void BackgroundTest::applyThenOkLoadsOnce()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    writeSettings(folder, "", clWhite, false, clBlack);
    start(folder, true);
    Form1->N18->trigger();
    QVERIFY(Form15->isVisible());
    Form15->Edit1->setText(pictureFile(folder, "a.png", Qt::red));
    Form15->Button4->click(); // "Применить"
    QCOMPARE(BackgroundApplied, 1);
    QVERIFY(Form15->isVisible());
    for (const ImageView *image : {Form1->Image16, Form15->Image1, Form7->Image15, Form11->Image13})
        QCOMPARE(colourOf(image), QColor(Qt::red));
    QVERIFY(!Form7->Image15->isHidden()); // printing takes the background

    pictureFile(folder, "a.png", Qt::blue); // the file changes on disk
    Form15->Button2->click();               // "OK": not loaded again
    QVERIFY(Form15->isHidden());
    QCOMPARE(BackgroundApplied, 0);
    QCOMPARE(colourOf(Form1->Image16), QColor(Qt::red));
    Form15->Button2->click(); // a later "OK" loads it, into the main window and preview only
    QCOMPARE(colourOf(Form1->Image16), QColor(Qt::blue));
    QCOMPARE(colourOf(Form11->Image13), QColor(Qt::red));

    // "Применить" then "Отмена": a new path is still loaded by the next "OK".
    Form15->Button4->click();
    Form15->Button3->click();
    QVERIFY(Form15->isHidden());
    Form15->Edit1->setText(pictureFile(folder, "b.png", Qt::green));
    Form15->Button2->click();
    QCOMPARE(colourOf(Form1->Image16), QColor(Qt::green));
    QVERIFY(dialogs.all().isEmpty());
}

void BackgroundTest::colourAndPictureModes()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    writeSettings(folder, pictureFile(folder, "r.ico", Qt::red), clWhite, false, clBlack);
    start(folder, false);
    Form15->show();
    Form15->RadioButton2->setChecked(true);
    Form15->ColorBox1->setSelected(clAqua);
    Form15->Button2->click();
    QVERIFY(Form1->Image16->isHidden() && Form15->Image1->isHidden());
    QCOMPARE(windowColour(Form1->Client), clAqua);
    QCOMPARE(windowColour(Form15), clAqua);

    // Back to the picture: shown again on the main window and in the preview.
    Form15->RadioButton1->setChecked(true);
    Form15->Button2->click();
    QVERIFY(!Form1->Image16->isHidden() && !Form15->Image1->isHidden());
    QCOMPARE(colourOf(Form1->Image16), QColor(Qt::red));
    // Applying colour mode and then switching to the picture still shows it.
    Form15->RadioButton2->setChecked(true);
    Form15->Button4->click();
    Form15->RadioButton1->setChecked(true);
    Form15->Button2->click();
    QVERIFY(!Form1->Image16->isHidden());
}

void BackgroundTest::captionColourAndCarryingOver_data()
{
    QTest::addColumn<bool>("printBackground");
    QTest::newRow("printed with background") << true;
    QTest::newRow("printed without") << false;
}

void BackgroundTest::captionColourAndCarryingOver()
{
    QFETCH(bool, printBackground);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    writeSettings(folder, "", clWhite, true, clBlack);
    start(folder, printBackground);
    const StoredColour yearColour = fontColour(Form1->Labe), timeColour = fontColour(Form1->St);
    Form15->ColorBox1->setSelected(clLime);
    Form15->ColorBox2->setSelected(clRed);
    Form15->Button2->click();
    QList<QLabel *> captions(Form1->monthLabels().begin(), Form1->monthLabels().end());
    captions << Form1->Label14 << Form1->Lab << Form1->Label13;
    for (QLabel *caption : captions)
        QCOMPARE(fontColour(caption), clRed);
    QCOMPARE(fontColour(Form1->Labe), yearColour);
    QCOMPARE(fontColour(Form1->St), timeColour);

    QCOMPARE(windowColour(Form7), printBackground ? clLime : clWhite);
    QCOMPARE(fontColour(Form7->monthLabels()[7]), printBackground ? clRed : clBlack);
    QCOMPARE(fontColour(Form11->labels()[0]), printBackground ? clRed : clBlack);
}

void BackgroundTest::failingPicturesAndBrowsing()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    writeSettings(folder, pictureFile(folder, "r.bmp", Qt::red), clWhite, false, clBlack);
    start(folder, false);
    Form14->Button1->click(); // the settings page opens the window
    QVERIFY(Form15->isVisible());
    const QString lost = folder.path("lost.jpg");
    Form15->Edit1->setText(lost);
    Form15->Button2->click(); // "OK" fails: the dialog stays open
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.at(0).contains(lost));
    QVERIFY(Form15->isVisible());
    Form15->ColorBox2->setSelected(clBlue);
    Form15->Button4->click(); // "Применить" fails after the captions
    QCOMPARE(dialogs.errors.size(), 2);
    QCOMPARE(fontColour(Form1->Label1), clBlue);
    QVERIFY(!Form1->Image16->isHidden());
    QCOMPARE(colourOf(Form1->Image16), QColor(Qt::red)); // the previous picture

    // "Обзор" only fills in the path; cancelled, it keeps it.
    dialogs.fileAnswers = {folder.path("chosen.emf"), ""};
    Form15->Button1->click();
    Form15->Button1->click();
    QCOMPARE(Form15->Edit1->text(), folder.path("chosen.emf"));
    // Enter in the path field presses no button.
    QTest::keyClick(Form15->Edit1, Qt::Key_Return);
    QCOMPARE(dialogs.titles.size(), 2);
    QVERIFY(Form15->isVisible());
    QVERIFY(dialogs.filters.at(0).contains("*.wmf") && dialogs.filters.at(0).contains("*.jpeg"));
}

QTEST_MAIN(BackgroundTest)
#include "tst_background.moc"
