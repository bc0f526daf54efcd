// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The background window: its state taken from the model, "Обзор",
// "Применить", "OK", "Отмена" and the close box, and failing pictures.
#include "base/Pictures.h"
#include "platform/ColorBox.h"
#include "platform/Widgets.h"
#include "settings/BackgroundWindow.h"
#include "tests/support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QString pictureFile(const ProgramFolder &folder, const QString &name, Qt::GlobalColor colour)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    image.save(folder.path(name)); // format by extension
    return folder.path(name);
}

// The background as the start-up leaves it in the model: the picture loaded
// when its file could be read.
void startWith(CalendarModel &model, const QString &picture, bool colourMode,
               const QColor &colour = colours::yellow, const QColor &caption = colours::maroon)
{
    Background background;
    background.picturePath = picture;
    if (!colourMode && QFile::exists(picture))
        background.picture = loadPicture(picture);
    background.colourMode = colourMode;
    background.colour = colour;
    background.captionColour = caption;
    model.setBackground(background);
}

QColor colourOf(const QImage &picture)
{
    return picture.pixelColor(0, 0);
}

// The window's controls by their names.
struct Controls {
    explicit Controls(const BackgroundWindow &w)
        : preview(w.findChild<ImageView *>("preview")),
          pictureOption(w.findChild<QRadioButton *>("pictureOption")),
          colourOption(w.findChild<QRadioButton *>("colourOption")),
          path(w.findChild<QLineEdit *>("pathEdit")), colour(w.findChild<ColorBox *>("colourBox")),
          caption(w.findChild<ColorBox *>("captionColourBox")),
          browse(w.findChild<QPushButton *>("browseButton")),
          ok(w.findChild<QPushButton *>("okButton")),
          apply(w.findChild<QPushButton *>("applyButton")),
          cancel(w.findChild<QPushButton *>("cancelButton"))
    {}
    ImageView *preview;
    QRadioButton *pictureOption, *colourOption;
    QLineEdit *path;
    ColorBox *colour, *caption;
    QPushButton *browse, *ok, *apply, *cancel;
};

} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void takenFromTheModel_data();
    void takenFromTheModel();
    void applyThenOkLoadsOnce();
    void colourAndPictureModes();
    void failingPicturesAndBrowsing();
};

void BackgroundTest::takenFromTheModel_data()
{
    QTest::addColumn<bool>("colourMode");
    QTest::addColumn<QString>("picture"); // "red" makes a red picture file
    QTest::newRow("colour mode") << true << "red";
    QTest::newRow("picture mode") << false << "red";
    QTest::newRow("picture mode, no path yet") << false << "";
    // The start-up reported it already; the window says nothing more.
    QTest::newRow("picture mode, lost file") << false << "lost.bmp";
}

void BackgroundTest::takenFromTheModel()
{
    QFETCH(bool, colourMode);
    QFETCH(QString, picture);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    const QString path = picture == "red"    ? pictureFile(folder, "red.bmp", Qt::red)
                         : picture.isEmpty() ? QString()
                                             : folder.path(picture);
    CalendarModel model;
    startWith(model, path, colourMode);
    BackgroundWindow w(model, dialogs);
    Controls c(w);
    QVERIFY(dialogs.all().isEmpty());
    QVERIFY(c.colourOption->isChecked() == colourMode &&
            c.pictureOption->isChecked() != colourMode);
    QCOMPARE(c.path->text(), path);
    QCOMPARE(c.colour->Selected(), colours::yellow);
    QCOMPARE(c.caption->Selected(), colours::maroon);
    QCOMPARE(c.preview->isHidden(), colourMode);
    QCOMPARE(c.preview->hasPicture(), picture == "red" && !colourMode);
    if (colourMode)
        QCOMPARE(windowColour(&w), colours::yellow);
    else if (c.preview->hasPicture())
        QCOMPARE(colourOf(c.preview->picture()), QColor(Qt::red));
}

void BackgroundTest::applyThenOkLoadsOnce()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    startWith(model, QString(), false);
    BackgroundWindow w(model, dialogs);
    Controls c(w);
    w.show();
    c.path->setText(pictureFile(folder, "a.png", Qt::red));
    c.apply->click();
    QVERIFY(model.backgroundApplied());
    QVERIFY(w.isVisible());
    QCOMPARE(model.background().picturePath, c.path->text());
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::red));
    QCOMPARE(colourOf(c.preview->picture()), QColor(Qt::red));

    pictureFile(folder, "a.png", Qt::blue); // the file changes on disk
    c.ok->click();                          // not loaded again
    QVERIFY(w.isHidden());
    QVERIFY(!model.backgroundApplied());
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::red));
    c.ok->click(); // a later "OK" loads it
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::blue));

    // "Применить" then "Отмена" or the close box: a new path is still
    // loaded by the next "OK".
    for (bool closeBox : {false, true}) {
        w.show();
        c.apply->click();
        closeBox ? void(w.close()) : c.cancel->click();
        QVERIFY(w.isHidden());
        QVERIFY(!model.backgroundApplied());
    }
    c.path->setText(pictureFile(folder, "b.png", Qt::green));
    c.ok->click();
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::green));
    QVERIFY(dialogs.all().isEmpty());
}

void BackgroundTest::colourAndPictureModes()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    startWith(model, pictureFile(folder, "r.ico", Qt::red), false, colours::white, colours::black);
    BackgroundWindow w(model, dialogs);
    Controls c(w);
    w.show();
    c.colourOption->setChecked(true);
    c.colour->setSelected(colours::aqua);
    c.caption->setSelected(colours::red);
    c.ok->click();
    QVERIFY(model.background().colourMode);
    QCOMPARE(model.background().colour, colours::aqua);
    QCOMPARE(model.background().captionColour, colours::red);
    QVERIFY(c.preview->isHidden());
    QCOMPARE(windowColour(&w), colours::aqua);

    // Back to the picture: shown again in the preview.
    c.pictureOption->setChecked(true);
    c.ok->click();
    QVERIFY(!model.background().colourMode);
    QVERIFY(!c.preview->isHidden());
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::red));
    // Colour mode applied, then the picture by "OK": the picture is there.
    c.colourOption->setChecked(true);
    c.apply->click();
    c.pictureOption->setChecked(true);
    c.ok->click();
    QVERIFY(!model.background().colourMode && !model.background().picture.isNull());
    QVERIFY(dialogs.all().isEmpty());
}

void BackgroundTest::failingPicturesAndBrowsing()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    const QString red = pictureFile(folder, "r.bmp", Qt::red);
    startWith(model, red, false, colours::white, colours::black);
    BackgroundWindow w(model, dialogs);
    Controls c(w);
    w.show();
    const QString lost = folder.path("lost.jpg");
    c.path->setText(lost);
    c.caption->setSelected(colours::blue);
    c.ok->click(); // fails: the window stays open, the background as it was
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.at(0).contains(lost));
    QVERIFY(w.isVisible());
    QCOMPARE(model.background().captionColour, colours::black);
    c.apply->click(); // fails after the captions
    QCOMPARE(dialogs.errors.size(), 2);
    QCOMPARE(model.background().captionColour, colours::blue);
    QCOMPARE(model.background().picturePath, red);
    QCOMPARE(colourOf(model.background().picture), QColor(Qt::red));
    QVERIFY(!c.preview->isHidden());

    // "Обзор" only fills in the path; cancelled, it keeps it.
    dialogs.fileAnswers = {folder.path("chosen.emf"), ""};
    c.browse->click();
    c.browse->click();
    QCOMPARE(c.path->text(), folder.path("chosen.emf"));
    // Enter in the path field presses no button.
    QTest::keyClick(c.path, Qt::Key_Return);
    QCOMPARE(dialogs.titles.size(), 2);
    QVERIFY(w.isVisible());
    QVERIFY(dialogs.filters.at(0).contains("*.wmf") && dialogs.filters.at(0).contains("*.jpeg"));
}

QTEST_MAIN(BackgroundTest)
#include "tst_background.moc"
