#include "AboutWindow.h"

#include "Handler.h"
#include "MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>

AboutWindow *About = nullptr;

namespace {

QLabel *navyLabel(QWidget *parent, const char *name, const QString &text, int y, int height)
{
    auto *label = place(new QLabel(text, parent), 16, y, 340, height);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFontColour(label, clNavy);
    return label;
}

} // namespace

AboutWindow::AboutWindow()
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(365, 182);
    setWindowColour(this, clWhite);

    Image1 = place(new ImageView(this), 0, 0, 369, 97);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(QImage(QStringLiteral(":/banners/about.gif")));
    Label1 = navyLabel(this, "Label1", QString(), 102, 48);
    Label2 = navyLabel(this, "Label2", QStringLiteral("E-mail:"), 150, 30);
}

void AboutWindow::FormCreate()
{
    bindHandler(Form1->N11, &QAction::triggered, Form1, &MainWindow::N11Click);
    // Qt breaks label lines at a line feed.
    Label1->setText(QStringLiteral("Программа \"Dayrail XP\"\n"
                                   "Разработчики: команда «Дневной рельс»\n"
                                   "Версия 3.1.2 build 101 "));
    Label1->setAccessibleName(Label1->text());
    Label2->setText(QStringLiteral("MailTo: team@dayrail.example\n"
                                   "http://www.dayrail.example/"));
    Label2->setAccessibleName(Label2->text());
    centreOnScreen(this);
}

void AboutWindow::FormClick() { hide(); }

void AboutWindow::Image1Click() { hide(); }

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // The picture and the labels pass their clicks on to the window.
    const bool onPicture = childAt(event->position().toPoint()) == Image1;
    runHandler([this, onPicture] { onPicture ? Image1Click() : FormClick(); });
    event->accept();
}
