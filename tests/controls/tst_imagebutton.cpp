// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The image button: where bitmap and caption go, how it draws enabled and
// disabled, its accelerator letter and its mouse events.
#include "controls/ImageButton.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(CaptionBox)

namespace {

// A 12 x 12 bitmap: magenta background (its top-left pixel) with a red
// square at (3, 3) .. (8, 8).
QImage squareBitmap()
{
    QImage bitmap(12, 12, QImage::Format_RGB32);
    bitmap.fill(Qt::magenta);
    QPainter p(&bitmap);
    p.fillRect(3, 3, 6, 6, Qt::red);
    return bitmap;
}

QFont crispFont()
{
    QFont f(QStringLiteral("DejaVu Sans"), 9);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int countColour(const QImage &image, const QRect &area, QColor colour)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y).rgb() == colour.rgb();
    return n;
}

QImage picture(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ImageButtonTest : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void longCaptionWrapsCentred();
    void drawsLikeAPlainButtonWithoutCaptionOrBitmap();
    void enabledAndDisabledDrawing();
    void acceleratorClicks();
    void captionSetterAndMouseEvents();
};

void ImageButtonTest::layout_data()
{
    QTest::addColumn<QSize>("button");
    QTest::addColumn<QSize>("bitmap");
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("showCaption");
    QTest::addColumn<QPoint>("bitmapAt");
    QTest::addColumn<CaptionBox>("caption"); // for a text of 30 x 14
    const QSize b(120, 60), bm(16, 10);
    QTest::newRow("top") << b << bm << int(ImageLayout::BitmapTop) << true << QPoint(52, 6)
                         << CaptionBox{45, 29, 75, 43};
    QTest::newRow("bottom") << b << bm << int(ImageLayout::BitmapBottom) << true << QPoint(52, 44)
                            << CaptionBox{45, 18, 75, 32};
    QTest::newRow("left") << b << bm << int(ImageLayout::BitmapLeft) << true << QPoint(6, 25)
                          << CaptionBox{53, 23, 83, 37};
    QTest::newRow("right") << b << bm << int(ImageLayout::BitmapRight) << true << QPoint(98, 25)
                           << CaptionBox{37, 23, 67, 37};
    QTest::newRow("no caption: centred") << b << bm << int(ImageLayout::BitmapRight) << false
                                         << QPoint(52, 25) << CaptionBox{37, 23, 67, 37};
    QTest::newRow("no bitmap") << QSize(75, 25) << QSize(0, 0) << int(ImageLayout::BitmapLeft)
                               << true << QPoint(6, 12) << CaptionBox{22, 5, 52, 19};
    // Narrower than its bitmap: halves of negative values go toward zero.
    QTest::newRow("narrow") << QSize(21, 25) << QSize(30, 10) << int(ImageLayout::BitmapLeft)
                            << true << QPoint(6, 7) << CaptionBox{11, 5, 41, 19};
}

void ImageButtonTest::layout()
{
    QFETCH(QSize, button);
    QFETCH(QSize, bitmap);
    QFETCH(int, layout);
    QFETCH(bool, showCaption);
    QFETCH(QPoint, bitmapAt);
    QFETCH(CaptionBox, caption);
    const auto side = ImageLayout(layout);
    QCOMPARE(imageButtonBitmapPos(button, bitmap, side, showCaption), bitmapAt);
    const CaptionBox box = imageButtonCaptionBox(button, bitmap, side, QSize(30, 14));
    QVERIFY2(box == caption, qPrintable(QStringLiteral("%1 %2 %3 %4")
                                            .arg(box.left)
                                            .arg(box.top)
                                            .arg(box.right)
                                            .arg(box.bottom)));
}

void ImageButtonTest::longCaptionWrapsCentred()
{
    ImageButton button;
    button.setFont(crispFont());
    button.resize(110, 70);
    button.setBitmap(squareBitmap());
    const int lineHeight = QFontMetrics(button.font()).height();

    button.setCaption(QStringLiteral("Показать главное окно"));
    const CaptionBox box = button.captionBox();
    QVERIFY(box.height() >= 2 * lineHeight);
    // Centred in the part right of the bitmap: around (W + bw) / 2.
    QVERIFY(qAbs((box.left + box.right) / 2 - (110 + 12) / 2) <= 1);
    QVERIFY(qAbs((box.top + box.bottom) / 2 - 35) <= 1);
}

void ImageButtonTest::drawsLikeAPlainButtonWithoutCaptionOrBitmap()
{
    QPushButton plain;
    plain.setFont(crispFont());
    plain.resize(90, 25);
    ImageButton button;
    button.setFont(crispFont());
    button.resize(90, 25);
    QCOMPARE(picture(button), picture(plain));

    // A hidden caption draws nothing either, whatever the layout.
    button.setCaption(QStringLiteral("Выход"));
    QVERIFY(picture(button) != picture(plain));
    button.setCaptionShown(false);
    button.setBitmapLayout(ImageLayout::BitmapRight);
    QCOMPARE(picture(button), picture(plain));
    QCOMPARE(button.text(), QString());
}

void ImageButtonTest::enabledAndDisabledDrawing()
{
    ImageButton button;
    button.setFont(crispFont());
    button.resize(100, 40);
    button.setBitmap(squareBitmap());
    button.setCaption(QStringLiteral("Применить"));
    const QPalette pal = button.palette();
    const QColor text = pal.color(QPalette::Active, QPalette::ButtonText);
    const QColor grey = pal.color(QPalette::Disabled, QPalette::ButtonText);
    const QColor light = pal.color(QPalette::Active, QPalette::Light);
    const QColor dark = pal.color(QPalette::Active, QPalette::Dark);
    QVERIFY(text != grey && light != dark);

    const QPoint at = button.bitmapPos();
    QCOMPARE(at, QPoint(6, 14));
    const QRect square(at + QPoint(3, 3), QSize(6, 6));
    const QRect caption = button.captionBox().toRect();

    QImage shot = picture(button);
    QCOMPARE(countColour(shot, shot.rect(), Qt::magenta), 0);
    QCOMPARE(countColour(shot, square, Qt::red), 36);
    QVERIFY(countColour(shot, caption, text) > 20);
    QCOMPARE(countColour(shot, caption, grey), 0);

    button.setEnabled(false);
    shot = picture(button);
    QCOMPARE(countColour(shot, shot.rect(), Qt::magenta), 0);
    QCOMPARE(countColour(shot, shot.rect(), Qt::red), 0);
    QCOMPARE(countColour(shot, square, dark), 36);
    // The highlight copy shows one pixel right of and below the shape.
    QCOMPARE(shot.pixelColor(square.right() + 1, square.bottom() + 1).rgb(), light.rgb());
    QCOMPARE(shot.pixelColor(square.left() + 1, square.bottom() + 1).rgb(), light.rgb());
    QVERIFY(countColour(shot, caption, grey) > 20);
    QCOMPARE(countColour(shot, caption, text), 0);
}

void ImageButtonTest::acceleratorClicks()
{
    QWidget window;
    auto *page = new QWidget(&window);
    auto *button = new ImageButton(page);
    auto *other = new ImageButton(&window);
    other->move(0, 40);
    other->setCaption(QStringLiteral("Отмена"));
    button->setCaption(QStringLiteral("&Добавить"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);
    QSignalSpy otherClicks(other, &QPushButton::clicked);
    const auto alt = [&](int key) {
        const QString letter = QString(QChar(key)).toLower();
        for (auto action : {QTest::Press, QTest::Release})
            QTest::sendKeyEvent(action, &window, Qt::Key(key), letter, Qt::AltModifier);
    };

    alt(0x0414); // Д
    QCOMPARE(clicks.count(), 1);
    alt(0x041E); // О: the other button has no "&"
    QCOMPARE(otherClicks.count(), 0);
    QCOMPARE(clicks.count(), 1);

    // Only a button that can take the focus answers its letter.
    button->setEnabled(false);
    alt(0x0414);
    button->setEnabled(true);
    page->hide();
    alt(0x0414);
    page->show();
    QCOMPARE(clicks.count(), 1);

    // A new caption brings its own letter and drops the old one.
    button->setCaption(QStringLiteral("При&менить"));
    alt(0x0414);
    QCOMPARE(clicks.count(), 1);
    alt(0x041C); // М
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(button->accessibleName(), QStringLiteral("Применить"));
}

void ImageButtonTest::captionSetterAndMouseEvents()
{
    ImageButton button;
    QSignalSpy changed(&button, &ImageButton::captionChanged);
    button.setCaption(QStringLiteral("Выход"));
    button.setCaption(QStringLiteral("Выход"));
    QCOMPARE(changed.count(), 1);

    QSignalSpy entered(&button, &ImageButton::mouseEntered);
    QSignalSpy left(&button, &ImageButton::mouseLeft);
    for (bool enabled : {true, false}) {
        button.setEnabled(enabled);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &enter);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
    }
    QCOMPARE(entered.count(), 2);
    QCOMPARE(left.count(), 2);
}

QTEST_MAIN(ImageButtonTest)
#include "tst_imagebutton.moc"
