#include "Unit19.h"

#include "Handler.h"
#include "Unit1.h"
#include "Unit16.h"
#include "WinButton.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>

TForm19 *Form19 = nullptr;

namespace {

TWinButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                       const char *bitmap, int left, int width)
{
    auto *button = place(new TWinButton(parent), left, 40, width, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    button->setAccessibleName(caption);
    button->setBitmap(QImage(QString::fromLatin1(bitmap)));
    // Enter clicks the button that has the focus, as on any button bar.
    button->setAutoDefault(true);
    return button;
}

} // namespace

TForm19::TForm19()
{
    setObjectName(QStringLiteral("Form19"));
    // No frame, so this caption is never drawn; it still names the window.
    setWindowTitle(QStringLiteral("Действительно хотите выйти?"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(628, 67);
    // A narrower face keeps "Показать главное окно" on one line beside its bitmap.
    QFont narrow = font();
    narrow.setStretch(QFont::SemiCondensed);
    setFont(narrow);

    Image1 = place(new TImage(this), 0, 0, 41, 33);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(false);
    Image1->setPicture(QImage(QStringLiteral(":/icons/calendar32.png")));
    // The banner is wider than the room left for it; its right edge is cut.
    Image2 = place(new TImage(this), 496, 0, 137, 41);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setStretch(false);
    Image2->setPicture(QImage(QStringLiteral(":/exit/banner.gif")));

    WinButton3 = makeButton(this, "WinButton3", QStringLiteral("Закрыть окно"),
                            ":/exit/close.png", 8, 145);
    WinButton3->setDefault(true);
    WinButton2 = makeButton(this, "WinButton2", QStringLiteral("Показать главное окно"),
                            ":/exit/main.png", 160, 153);
    WinButton1 = makeButton(this, "WinButton1", QStringLiteral("Выход"), ":/exit/exit.png", 320,
                            161);
    WinButton4 = makeButton(this, "WinButton4", QStringLiteral("Отмена"), ":/exit/cancel.png",
                            496, 129);

    bindHandler(WinButton1, &TWinButton::clicked, this, &TForm19::WinButton1Click);
    bindHandler(WinButton2, &TWinButton::clicked, this, &TForm19::WinButton2Click);
    bindHandler(WinButton3, &TWinButton::clicked, this, &TForm19::WinButton3Click);
    bindHandler(WinButton4, &TWinButton::clicked, this, &TForm19::WinButton4Click);
}

void TForm19::FormCreate() {}

void TForm19::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    WinButton3->setFocus();
    QWidget::showEvent(event);
}

void TForm19::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Also when the window manager closes the bar: the program stays reachable.
    Form1->keepReachable(this);
}

void TForm19::keyPressEvent(QKeyEvent *event)
{
    // Enter with no button focused reaches the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        WinButton3->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm19::WinButton1Click() { endProgramNow(); }

void TForm19::WinButton2Click()
{
    Form1->showMainWindow();
    close();
}

void TForm19::WinButton3Click()
{
    Form16->hide();
    close();
}

void TForm19::WinButton4Click()
{
    Form16->show();
    close();
}
