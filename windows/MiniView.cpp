#include "MiniView.h"

#include "Handler.h"
#include "RussianText.h"
#include "MainWindow.h"
#include "MiniViewOpacityWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

MiniView *Form3 = nullptr;

namespace {

QToolButton *toolButton(QWidget *bar, const char *name, const char *picture, const QString &hint,
                        int x)
{
    auto *button = place(new QToolButton(bar), x, 0, 25, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

} // namespace

void minimiseApplication()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
}

MiniView::MiniView()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Календарь(мин)"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/calendar32.png")));
    // A caption bar whose only box is the minimise box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(200, 90);
    setWindowColour(this, clSkyBlue);

    Label1 = place(new QLabel(QStringLiteral("Сегодня"), this), 8, 2, 100, 16);
    Label1->setObjectName(QStringLiteral("Label1"));
    DateTimePicker1 = place(new QDateEdit(this), 8, 18, 186, 21);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setAccessibleName(QStringLiteral("Сегодня"));
    DateTimePicker1->setLocale(russianLocale());
    DateTimePicker1->setDisplayFormat(QStringLiteral("d MMMM yyyy 'г.'"));
    DateTimePicker1->setCalendarPopup(true);

    LabeledEdit1Label = place(new QLabel(QStringLiteral("Время:"), this), 8, 43, 100, 16);
    LabeledEdit1Label->setObjectName(QStringLiteral("LabeledEdit1Label"));
    LabeledEdit1 = place(new QLineEdit(this), 0, 60, 121, 21);
    LabeledEdit1->setObjectName(QStringLiteral("LabeledEdit1"));
    LabeledEdit1->setAccessibleName(QStringLiteral("Время:"));
    LabeledEdit1Label->setBuddy(LabeledEdit1);
    {
        QPalette pal = LabeledEdit1->palette();
        pal.setColor(QPalette::Base, Qt::black); // the menu-text colour
        pal.setColor(QPalette::Text, toQColor(clLime));
        LabeledEdit1->setPalette(pal);
    }

    // The eight-pixel separator comes first; the row is a little wider than
    // the space right of the edit, so it tucks its gap under the edit.
    ToolBar1 = place(new QWidget(this), 117, 58, 83, 25);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolButton2 = toolButton(ToolBar1, "ToolButton2", ":/icons/exit16.png",
                             QStringLiteral("Выход из программы"), 8);
    ToolButton3 = toolButton(ToolBar1, "ToolButton3", ":/icons/restore16.png",
                             QStringLiteral("Восстановить главное окно"), 33);
    ToolButton4 = toolButton(ToolBar1, "ToolButton4", ":/icons/minimise16.png",
                             QStringLiteral("Свернуть в панель задач"), 58);
    ToolBar1->stackUnder(LabeledEdit1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Уровень прозрачности"));
    N1->setObjectName(QStringLiteral("N1"));
    // The window's own menu, on its free area and on the passive controls.
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(Label1),
                          static_cast<QWidget *>(LabeledEdit1Label), ToolBar1}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(area, &QWidget::customContextMenuRequested, this,
                         [this, area](const QPoint &at) { PopupMenu1->popup(area->mapToGlobal(at)); });
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    bindHandler(Timer1, &QTimer::timeout, this, &MiniView::Timer1Timer);
    bindHandler(ToolButton2, &QToolButton::clicked, this, &MiniView::SpeedButton3Click);
    bindHandler(ToolButton3, &QToolButton::clicked, this, &MiniView::SpeedButton1Click);
    bindHandler(ToolButton4, &QToolButton::clicked, this, &MiniView::SpeedButton2Click);
    bindHandler(N1, &QAction::triggered, this, &MiniView::N1Click);
    // The time line runs from creation on, also while the view is hidden.
    Timer1->start();
}

void MiniView::FormCreate()
{
    DateTimePicker1->setDate(QDate::currentDate());
    centreOnScreen(this);
}

void MiniView::closeEvent(QCloseEvent *event)
{
    // The view has no close box, but a window manager may offer one anyway.
    QWidget::closeEvent(event);
    if (Form1)
        Form1->keepReachable(this);
}

void MiniView::Timer1Timer()
{
    LabeledEdit1->setText(QString(11, QLatin1Char(' ')) + longTimeText(QTime::currentTime()));
}

void MiniView::SpeedButton1Click()
{
    hide();
    Form1->showMainWindow();
}

void MiniView::SpeedButton2Click() { minimiseApplication(); }

void MiniView::SpeedButton3Click() { endProgramNow(); }

void MiniView::N1Click() { Form9->show(); }
