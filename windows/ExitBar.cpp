#include "ExitBar.h"

#include "Handler.h"
#include "MainWindow.h"
#include "OneMonthWindow.h"
#include "ImageButton.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>

ExitBar *Form19 = nullptr;

namespace {

ImageButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                       const char *bitmap, int left, int width)
{
    auto *button = place(new ImageButton(parent), left, 40, width, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(caption);
    button->setAccessibleName(caption);
    button->setBitmap(QImage(QString::fromLatin1(bitmap)));
    // Enter clicks the button that has the focus, as on any button bar.
    button->setAutoDefault(true);
    return button;
}

} // namespace

ExitBar::ExitBar()
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

    Image1 = place(new ImageView(this), 0, 0, 41, 33);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(false);
    Image1->setPicture(QImage(QStringLiteral(":/icons/calendar32.png")));
    // The banner is wider than the room left for it; its right edge is cut.
    Image2 = place(new ImageView(this), 496, 0, 137, 41);
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

    bindHandler(WinButton1, &ImageButton::clicked, this, &ExitBar::WinButton1Click);
    bindHandler(WinButton2, &ImageButton::clicked, this, &ExitBar::WinButton2Click);
    bindHandler(WinButton3, &ImageButton::clicked, this, &ExitBar::WinButton3Click);
    bindHandler(WinButton4, &ImageButton::clicked, this, &ExitBar::WinButton4Click);
}

void ExitBar::FormCreate() {}

void ExitBar::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    WinButton3->setFocus();
    QWidget::showEvent(event);
}

void ExitBar::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Also when the window manager closes the bar: the program stays reachable.
    Form1->keepReachable(this);
}

void ExitBar::keyPressEvent(QKeyEvent *event)
{
    // Enter with no button focused reaches the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        WinButton3->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ExitBar::WinButton1Click() { endProgramNow(); }

void ExitBar::WinButton2Click()
{
    Form1->showMainWindow();
    close();
}

void ExitBar::WinButton3Click()
{
    Form16->hide();
    close();
}

void ExitBar::WinButton4Click()
{
    Form16->show();
    close();
}
