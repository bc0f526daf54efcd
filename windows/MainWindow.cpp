// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The year view of the main window: its controls, the year choice, the time
// line, and the model drawn on them.
#include "windows/MainWindow.h"

#include "base/Colours.h"
#include "base/Convert.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "base/RussianText.h"
#include "controls/ImageButton.h"
#include "controls/MonthGrid.h"
#include "platform/Announcement.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/SpokenValue.h"
#include "windows/WindowOpacity.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Month captions stand roughly centred over their grids.
const int kMonthLabelX[12] = {72, 272, 480, 688, 80, 288, 488, 696, 88, 280, 488, 688};
const int kColumnX[4] = {8, 208, 408, 608};
const int kIconY[3] = {97, 257, 417};
const int kLabelY[3] = {113, 273, 433};
const int kGridY[3] = {129, 289, 449};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QFrame *makeBevel(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(x, y, w, h);
    return bevel;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QString &hint,
                        int x, int y)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleName(text);
    button->setGeometry(x, y, 115, 25);
    return button;
}

} // namespace

MainWindow::MainWindow(CalendarModel &model, WindowServices &services)
    : m_model(model), m_services(services)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Календарь"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/calendar32.png")));
    // A system menu and a minimise box, no maximise box; the size is fixed.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(809, 580);
    setCentralWidget(m_client);
    setWindowColour(m_client, colours::skyBlue);
    createYearView();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("clockTimer"));
    m_clockTimer->setInterval(1000);
    bindHandler(m_services.dialogs(), m_clockTimer, &QTimer::timeout, this, &MainWindow::showTime);
    bindHandler(m_services.dialogs(), m_goButton, &QPushButton::clicked, this,
                &MainWindow::goToEnteredYear);
    bindHandler(m_services.dialogs(), m_nextYearButton, &QPushButton::clicked, this,
                [this] { stepYear(+1); });
    bindHandler(m_services.dialogs(), m_previousYearButton, &QPushButton::clicked, this,
                [this] { stepYear(-1); });
    bindModel();
}

void MainWindow::createYearView()
{
    QWidget *c = m_client;
    m_backgroundImage = place(new ImageView(c), 0, 1, 809, 577);
    m_backgroundImage->setObjectName(QStringLiteral("backgroundImage"));
    m_backgroundImage->setTransparent(true);

    m_timeHeading = makeLabel(c, "timeHeading", QStringLiteral("Системное время"), 16, 9);
    m_timeLine = place(new QLabel(c), 16, 25, 113, 17);
    m_timeLine->setObjectName(QStringLiteral("timeLine"));
    // Named by the time it shows (showTime); the heading describes it.
    m_timeLine->setAccessibleDescription(m_timeHeading->text());
    m_timeLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_timeLine->setAutoFillBackground(true);
    {
        QPalette pal = m_timeLine->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
        m_timeLine->setPalette(pal);
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setStyleHint(QFont::Monospace);
        mono.setPixelSize(13);
        m_timeLine->setFont(mono);
        // The leading spaces of the time text give way first when space is short.
        m_timeLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    m_todayHeading = makeLabel(c, "todayHeading", QStringLiteral("Сегодня:"), 136, 9);
    m_todayPicker = placeTodayPicker(c, m_todayHeading, 136, 25, m_model.startDay());

    createYearChoice();
    createMonths();
}

void MainWindow::createYearChoice()
{
    QWidget *c = m_client;
    m_yearChoiceFrame = makeBevel(c, "yearChoiceFrame", 360, 9, 273, 81);
    m_yearChoiceHeading = makeLabel(c, "yearChoiceHeading", QStringLiteral("Выбор года"), 376, 0);
    QFont bold = m_yearChoiceHeading->font();
    bold.setBold(true);
    m_yearChoiceHeading->setFont(bold);
    m_yearChoiceHeading->adjustSize();
    m_yearEdit = place(new QLineEdit(c), 376, 17, 121, 21);
    m_yearEdit->setObjectName(QStringLiteral("yearEdit"));
    m_yearEdit->setAccessibleName(QStringLiteral("Выбор года"));
    m_yearEdit->setMaxLength(4);
    m_yearEdit->setToolTip(QStringLiteral("Введите год сюда"));
    installCharFilter(m_yearEdit, isDigitChar);
    m_goButton = makeButton(c, "goButton", QStringLiteral("Перейти"),
                            QStringLiteral("Прейти  к выбранному году"), 512, 17);
    m_goButton->setDefault(true);
    m_nextYearButton = makeButton(c, "nextYearButton", QStringLiteral("Следующий"),
                                  QStringLiteral("Перейти к следующему году"), 376, 57);
    m_previousYearButton = makeButton(c, "previousYearButton", QStringLiteral("Предыдущий"),
                                      QStringLiteral("Перейти к предыдущему году"), 512, 57);
    // A focused button takes Enter itself; elsewhere Enter goes to "Перейти".
    m_nextYearButton->setAutoDefault(true);
    m_previousYearButton->setAutoDefault(true);

    m_yearFrame = makeBevel(c, "yearFrame", 680, 1, 121, 50);
    m_yearFrame->setToolTip(QStringLiteral("Текущий год"));
    m_yearLabel = makeLabel(c, "yearLabel", QString(), 696, 9);
    m_yearLabel->setFont(m_model.yearFont());
    setFontColour(m_yearLabel, kYearColour);
    // Named by the year it shows (showYear), described as the frame's hint.
    m_yearLabel->setAccessibleDescription(m_yearFrame->toolTip());
}

void MainWindow::createMonths()
{
    QWidget *c = m_client;
    const QImage iconImage =
        shippedPicture(QStringLiteral(":/icons/calendar32.png"), devicePixelRatioF());
    for (int k = 0; k < 12; ++k) {
        const int row = k / 4, column = k % 4;
        ImageView *icon = place(new ImageView(c), kColumnX[column], kIconY[row], 33, 33);
        icon->setObjectName(QStringLiteral("monthIcon%1").arg(k + 1));
        icon->setPicture(iconImage);
        icon->setStretch(false);
        m_monthIcons[k] = icon;

        QLabel *label = makeLabel(c, "", monthName(k + 1), kMonthLabelX[k], kLabelY[row]);
        label->setObjectName(QStringLiteral("monthLabel%1").arg(k + 1));
        m_monthLabels[k] = label;

        auto *grid =
            place(new MonthGrid(c), kColumnX[column], kGridY[row], 193, k == 0 ? 121 : 120);
        grid->setObjectName(QStringLiteral("grid%1").arg(k + 1));
        grid->setAccessibleName(monthName(k + 1));
        grid->setCursor(Qt::PointingHandCursor);
        grid->setStartOfWeek(Qt::Monday);
        m_grids[k] = grid;
    }
    m_monthIcons[12] = place(new ImageView(c), 768, 417, 33, 33);
    m_monthIcons[13] = place(new ImageView(c), 168, 97, 33, 33);
    for (int i = 12; i < 14; ++i) {
        m_monthIcons[i]->setObjectName(QStringLiteral("monthIcon%1").arg(i + 1));
        m_monthIcons[i]->setPicture(iconImage);
        m_monthIcons[i]->setStretch(false);
    }
    m_grids[m_model.startDay().month() - 1]->setFontColor(colours::red);
    // The keyboard starts on this month's grid, ready for the arrows and read
    // as a table, and no text caret blinks while the window sits idle.
    m_grids[m_model.startDay().month() - 1]->setFocus(Qt::OtherFocusReason);
    m_backgroundImage->lower();
}

void MainWindow::bindModel()
{
    connect(&m_model, &CalendarModel::yearChanged, this, &MainWindow::showYear);
    connect(&m_model, &CalendarModel::dayChanged, this, &MainWindow::showDay);
    connect(&m_model, &CalendarModel::weekStartChanged, this, &MainWindow::showWeekStart);
    connect(&m_model, &CalendarModel::backgroundChanged, this, &MainWindow::showBackground);
    connect(&m_model, &CalendarModel::profilePathChanged, this, &MainWindow::showProfileCaption);
    connect(&m_model, &CalendarModel::yearFontChanged, this, [this] {
        m_yearLabel->setFont(m_model.yearFont());
        m_yearLabel->adjustSize();
    });
    for (int k = 0; k < 12; ++k) {
        connect(m_grids[k], &MonthGrid::dateChanged, this, [this, k] {
            runHandler(m_services.dialogs(),
                       [&] { m_model.setDay(k + 1, m_grids[k]->date().day()); });
        });
        connect(m_grids[k], &MonthGrid::pageRequested, this,
                [this, k](int delta) { turnMonth(k + 1, delta); });
    }
    showYear();
    showYearInChoice();
    showWeekStart(m_model.startOfWeek());
    showBackground();
    connect(&m_model, &CalendarModel::marksChanged, this, &MainWindow::showMarks);
    showMarks();
    followOpacity(m_model, OpacityWindow::Main, this, m_blending);
}

void MainWindow::showMarks()
{
    for (MonthGrid *grid : m_grids) {
        grid->setToday(m_model.markedToday());
        grid->setHolidays(m_model.markedHolidays());
        grid->setWorkDays(m_model.markedWorkDays());
        grid->setSubscribedDays(m_model.markedSubscriptions());
        grid->setWeekNumbersShown(m_model.weekNumbersShown());
    }
    showTrayDay();
}

void MainWindow::startClock()
{
    m_clockTimer->start();
}

void MainWindow::showYear()
{
    for (int k = 0; k < 12; ++k)
        m_grids[k]->setDate(m_model.chosenDate(k + 1));
    m_yearLabel->setText(QString::number(m_model.year()));
    m_yearLabel->adjustSize();
    speakValue(m_yearLabel, m_yearLabel->text());
}

void MainWindow::showYearInChoice()
{
    m_yearEdit->setText(m_yearLabel->text());
}

void MainWindow::showDay(int month, int)
{
    m_grids[month - 1]->setDate(m_model.chosenDate(month));
}

void MainWindow::showWeekStart(Qt::DayOfWeek day)
{
    for (MonthGrid *grid : m_grids)
        grid->setStartOfWeek(day);
}

void MainWindow::showBackground()
{
    const Background &background = m_model.background();
    // Under a picture too, for its transparent parts.
    setWindowColour(m_client, m_model.windowColour());
    if (background.colourMode) {
        m_backgroundImage->hide();
    } else {
        m_backgroundImage->setPicture(background.picture);
        m_backgroundImage->show();
    }
    for (QLabel *label : m_monthLabels)
        setFontColour(label, background.captionColour);
    for (QLabel *label : {m_yearChoiceHeading, m_todayHeading, m_timeHeading})
        setFontColour(label, background.captionColour);
}

void MainWindow::showProfileCaption()
{
    setWindowTitle(QStringLiteral("Календарь < ") + fileNameOf(m_model.profilePath()) +
                   QStringLiteral(" >"));
}

void MainWindow::showTime()
{
    const QString time = longTimeText(m_services.now().time());
    m_timeLine->setText(QStringLiteral("         ") + time);
    speakValue(m_timeLine, time);
}

void MainWindow::turnMonth(int month, int delta) const
{
    // PageUp and PageDown stop at the ends of the year. Only the keyboard
    // moves: each month keeps the day the user chose there.
    const int target = month + delta;
    if (target < 1 || target > 12)
        return;
    m_grids[target - 1]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::goToEnteredYear()
{
    if (m_yearEdit->text().isEmpty()) {
        m_services.dialogs().message(QStringLiteral("Введите число от 1 до 9999"));
        return;
    }
    m_model.setYear(wholeNumber(m_yearEdit->text()));
    announceYear();
}

void MainWindow::stepYear(int delta)
{
    m_model.setYear(m_model.year() + delta);
    showYearInChoice();
    announceYear();
}

void MainWindow::announceYear()
{
    // The buttons keep the keyboard; the year they showed is the news.
    announce(this, QString::number(m_model.year()) + QStringLiteral(" год"));
}

void MainWindow::announceSaved(const QString &path)
{
    announce(this, QStringLiteral("Календарь сохранён в файл \"%1\"").arg(fileNameOf(path)));
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window presses the default button; the year
    // field passes Enter on to here, so it must not press the button itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_goButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The program saves and decides; a failed save may keep it open.
    event->setAccepted(m_services.saveAndQuit(true));
}
