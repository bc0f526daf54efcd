#include "MainWindow.h"

#include "Convert.h"
#include "Dialogs.h"
#include "Handler.h"
#include "Paths.h"
#include "RussianText.h"
#include "PrintSheet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

MainWindow *Form1 = nullptr;
QString ExePath;
QString ProgramDir;
QStringList SettingsLines;
QStringList HolidayLines;
int ShowTipsFlag = 0;
int ShowSplashFlag = 0;
int ProfileResaveFlag = 0;
StoredColour BackgroundColor = clBlack;
StoredColour CaptionColor = clBlack;

QString SettingsLine(int i)
{
    return i >= 1 && i <= SettingsLines.size() ? SettingsLines.at(i - 1) : QString();
}

namespace {

const char *const kMonthNames[12] = {"Январь", "Февраль", "Март",     "Апрель",
                                     "Май",    "Июнь",    "Июль",     "Август",
                                     "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
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

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text,
                        const QString &hint, int x, int y)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleName(text);
    button->setGeometry(x, y, 115, 25);
    return button;
}

} // namespace

MainWindow::MainWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Календарь"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/calendar32.png")));
    // A system menu and a minimise box, no maximise box; the size is fixed.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFixedSize(809, 580);
    setCentralWidget(Client);
    setWindowColour(Client, clSkyBlue);
    createYearView();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    bindHandler(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    bindHandler(Button1, &QPushButton::clicked, this, &MainWindow::Button1Click);
    bindHandler(Bitbtn1, &QPushButton::clicked, this, &MainWindow::BitBtn1Click);
    bindHandler(Bitbtn2, &QPushButton::clicked, this, &MainWindow::BitBtn2Click);
}

void MainWindow::createYearView()
{
    QWidget *c = Client;
    Image16 = place(new ImageView(c), 0, 1, 809, 577);
    Image16->setObjectName(QStringLiteral("Image16"));
    Image16->setTransparent(true);

    Label13 = makeLabel(c, "Label13", QStringLiteral("Системное время"), 16, 9);
    St = place(new QLabel(c), 16, 25, 113, 17);
    St->setObjectName(QStringLiteral("St"));
    St->setAccessibleName(QStringLiteral("Системное время"));
    St->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    St->setAutoFillBackground(true);
    {
        QPalette pal = St->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
        St->setPalette(pal);
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setStyleHint(QFont::Monospace);
        mono.setPixelSize(13);
        St->setFont(mono);
        // The leading spaces of the time text give way first when space is short.
        St->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    Lab = makeLabel(c, "Lab", QStringLiteral("Сегодня:"), 136, 9);
    DateTimePicker1 = place(new QDateEdit(c), 136, 25, 186, 21);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setAccessibleName(QStringLiteral("Сегодня:"));
    DateTimePicker1->setLocale(russianLocale());
    DateTimePicker1->setDisplayFormat(QStringLiteral("d MMMM yyyy 'г.'"));
    DateTimePicker1->setCalendarPopup(true);

    Bevel2 = makeBevel(c, "Bevel2", 360, 9, 273, 81);
    Label14 = makeLabel(c, "Label14", QStringLiteral("Выбор года"), 376, 0);
    QFont bold = Label14->font();
    bold.setBold(true);
    Label14->setFont(bold);
    Label14->adjustSize();
    Edit1 = place(new QLineEdit(c), 376, 17, 121, 21);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Выбор года"));
    Edit1->setMaxLength(4);
    Edit1->setToolTip(QStringLiteral("Введите год сюда"));
    installCharFilter(Edit1, isDigitChar);
    Button1 = makeButton(c, "Button1", QStringLiteral("Перейти"),
                         QStringLiteral("Прейти  к выбранному году"), 512, 17);
    Button1->setDefault(true);
    Bitbtn1 = makeButton(c, "Bitbtn1", QStringLiteral("Следующий"),
                         QStringLiteral("Перейти к следующему году"), 376, 57);
    Bitbtn2 = makeButton(c, "Bitbtn2", QStringLiteral("Предыдущий"),
                         QStringLiteral("Перейти к предыдущему году"), 512, 57);
    // A focused button takes Enter itself; elsewhere Enter goes to "Перейти".
    Bitbtn1->setAutoDefault(true);
    Bitbtn2->setAutoDefault(true);

    Bevel1 = makeBevel(c, "Bevel1", 680, 1, 121, 50);
    Bevel1->setToolTip(QStringLiteral("Текущий год"));
    Labe = makeLabel(c, "Labe", QString(), 696, 9);
    {
        QFont big = Labe->font();
        big.setPixelSize(32);
        big.setBold(true);
        big.setItalic(true);
        Labe->setFont(big);
        setFontColour(Labe, 0x6A240A); // the active caption colour
        Labe->setAccessibleName(QStringLiteral("Текущий год"));
    }

    const QIcon icon(QStringLiteral(":/icons/calendar32.png"));
    const QImage iconImage(QStringLiteral(":/icons/calendar32.png"));
    MonthGrid **grids[12] = {&Calendar1, &Calendar2, &Calendar3, &Calendar4,
                             &Calendar5, &Calendar6, &Calendar7, &Calendar8,
                             &Calendar9, &Calendar10, &Calendar11, &Calendar12};
    QLabel **labels[12] = {&Label1, &Label2, &Label3, &Label4,  &Label5,  &Label6,
                           &Label7, &Label8, &Label9, &Label10, &Label11, &Label12};
    for (int k = 0; k < 12; ++k) {
        const int row = k / 4, column = k % 4;
        ImageView *image = place(new ImageView(c), kColumnX[column], kIconY[row], 33, 33);
        image->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        image->setPicture(iconImage);
        image->setStretch(false);
        Images[k] = image;

        QLabel *label = makeLabel(c, "", QString::fromUtf8(kMonthNames[k]), kMonthLabelX[k],
                                  kLabelY[row]);
        label->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        *labels[k] = label;
        m_monthLabels[k] = label;

        auto *grid = place(new MonthGrid(c), kColumnX[column], kGridY[row], 193, k == 0 ? 121 : 120);
        grid->setObjectName(QStringLiteral("Calendar%1").arg(k + 1));
        grid->setAccessibleName(QString::fromUtf8(kMonthNames[k]));
        grid->setCursor(Qt::PointingHandCursor);
        grid->setStartOfWeek(1);
        grid->setUseCurrentDate(k == 0);
        *grids[k] = grid;
        m_calendars[k] = grid;
    }
    Images[12] = place(new ImageView(c), 768, 417, 33, 33);
    Images[13] = place(new ImageView(c), 168, 97, 33, 33);
    for (int i = 12; i < 14; ++i) {
        Images[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        Images[i]->setPicture(iconImage);
        Images[i]->setStretch(false);
    }

    // Hidden helpers: the cube-printing actions and the background picture path.
    Button2 = place(new QPushButton(c), 64, 57, 75, 25);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->hide();
    Button3 = place(new QPushButton(c), 128, 57, 75, 25);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->hide();
    Edit2 = place(new QLineEdit(c), 232, 65, 121, 21);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->hide();
    Image16->lower();
}

std::array<int, 12> MainWindow::dayElements() const
{
    std::array<int, 12> days{};
    for (int k = 0; k < 12; ++k)
        days[k] = m_calendars[k]->dateElement(MonthGrid::Element::Day);
    return days;
}

void MainWindow::FormCreate()
{
    ExePath = QCoreApplication::applicationFilePath();
    ProgramDir = programFolder();
    // Start-up initialisation before the file load.
    Edit1->clear();
    Edit2->clear();
    Labe->setText(QString::number(Calendar1->dateElement(MonthGrid::Element::Year)));
    Labe->adjustSize();
    Edit1->setText(Labe->text());

    loadStartupFiles();

    Timer1->start();
    DateTimePicker1->setDate(QDate::currentDate());
    m_calendars[QDate::currentDate().month() - 1]->setFontColor(clRed);
}

void MainWindow::Timer1Timer()
{
    St->setText(QStringLiteral("         ") + longTimeText(QTime::currentTime()));
}

void MainWindow::refreshPrintCopy()
{
    if (Form7)
        Form7->FormActivate();
}

void MainWindow::Button1Click()
{
    if (Edit1->text().isEmpty()) {
        ShowMessage(QStringLiteral("Введите число от 1 до 9999"));
        return;
    }
    const int year = StrToInt(Edit1->text());
    for (int k = 0; k < 12; ++k) {
        m_calendars[k]->setDateElement(MonthGrid::Element::Year, year);
        if (k == 0) {
            Labe->setText(QString::number(Calendar1->dateElement(MonthGrid::Element::Year)));
            Labe->adjustSize();
        }
    }
    refreshPrintCopy();
}

void MainWindow::stepYear(int delta)
{
    Calendar1->setDateElement(MonthGrid::Element::Year, Calendar1->dateElement(MonthGrid::Element::Year) + delta);
    Labe->setText(QString::number(Calendar1->dateElement(MonthGrid::Element::Year)));
    Labe->adjustSize();
    Edit1->setText(Labe->text());
    for (int k = 1; k < 12; ++k)
        m_calendars[k]->setDateElement(MonthGrid::Element::Year, m_calendars[k]->dateElement(MonthGrid::Element::Year) + delta);
    refreshPrintCopy();
}

void MainWindow::BitBtn1Click() { stepYear(+1); }

void MainWindow::BitBtn2Click() { stepYear(-1); }

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window presses the default button; the year
    // field passes Enter on to here, so it must not press the button itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Button1->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The save must succeed before the program ends; otherwise it stays open.
    if (!runHandler([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::exit(0);
}
