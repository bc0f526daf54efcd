#include "SettingsWindow.h"

#include "Convert.h"
#include "Dialogs.h"
#include "Handler.h"
#include "SettingsControls.h"
#include "TextFile.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "BackgroundWindow.h"
#include "GoToDateWindow.h"
#include "PrintSheet.h"
#include "Widgets.h"
#include "ImageButton.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

SettingsWindow *Form14 = nullptr;

namespace {

QWidget *addPage(QTabWidget *pages, const char *name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    page->setAccessibleName(caption);
    pages->addTab(page, caption);
    return page;
}

QRadioButton *optionButton(QGroupBox *group, const char *name, const QString &text, int y)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    button->move(16, y);
    button->adjustSize();
    return button;
}

} // namespace

SettingsWindow::SettingsWindow()
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Настройки"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(676, 407);
    PageControl1 = place(new QTabWidget(this), 0, 0, 676, 407);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    // The six captions share the window's width.
    PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 3px; margin: 0; }"));

    TabSheet2 = addPage(PageControl1, "TabSheet2", QStringLiteral("Прозрачность"));
    TabSheet3 = addPage(PageControl1, "TabSheet3", QStringLiteral("Фон и подписи"));
    TabSheet7 = addPage(PageControl1, "TabSheet7", QStringLiteral("Профили"));
    TabSheet8 = addPage(PageControl1, "TabSheet8", QStringLiteral("Праздники"));
    TabSheet1 = addPage(PageControl1, "TabSheet1", QStringLiteral("Настройки вида календаря"));
    TabSheet4 = addPage(PageControl1, "TabSheet4", QStringLiteral("Настройки фона при распечатке"));

    createBackgroundPage();
    createProfilesPage();
    createHolidaysPage();
    createWeekStartPage();
    createPrintPage();
    createTransparencyPage();
    PageControl1->setCurrentWidget(TabSheet4);
    bindHandler(PageControl1, &QTabWidget::currentChanged, this, &SettingsWindow::PageControl1Change);
    PageControl1Change();
}

void SettingsWindow::createBackgroundPage()
{
    StaticText7 = heading(TabSheet3, "StaticText7",
                          QStringLiteral("Установка фона (обоев или цвета) и цвета надписей на календаре"),
                          16, 16);
    Button1 = place(new QPushButton(QStringLiteral("Открыть окно настройки..... "), TabSheet3), 200,
                    120, 250, 30);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAccessibleName(Button1->text());
    bindHandler(Button1, &QPushButton::clicked, this, &SettingsWindow::Button1Click);
}

void SettingsWindow::createWeekStartPage()
{
    StaticText15 = heading(TabSheet1, "StaticText15", QStringLiteral("Первый день недели:"), 16, 16);
    RadioGroup1 = place(new QGroupBox(QStringLiteral("Выбор первого дня недели"), TabSheet1), 16,
                        48, 300, 90);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioButton1 = optionButton(RadioGroup1, "RadioButton1", QStringLiteral("Понедельник"), 28);
    RadioButton2 = optionButton(RadioGroup1, "RadioButton2", QStringLiteral("Воскресенье"), 56);
    RadioButton1->setChecked(true);
    bindHandler(RadioButton1, &QRadioButton::toggled, this, &SettingsWindow::RadioButton1Click);
    bindHandler(RadioButton2, &QRadioButton::toggled, this, &SettingsWindow::RadioButton2Click);
}

void SettingsWindow::createPrintPage()
{
    StaticText19 =
        heading(TabSheet4, "StaticText19", QStringLiteral("Фон календаря при распечатке"), 16, 16);
    RadioGroup2 = place(new QGroupBox(QStringLiteral("Опции печати"), TabSheet4), 16, 48, 300, 90);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioButton3 = optionButton(RadioGroup2, "RadioButton3", QStringLiteral("Выводить при печати"), 28);
    RadioButton4 =
        optionButton(RadioGroup2, "RadioButton4", QStringLiteral("НЕ выводить при печати"), 56);
    RadioButton4->setChecked(true);
    Label1 = new QLabel(QStringLiteral("ВНИМАНИЕ: при печати будет использован фон главного окна\n"
                                       "Настройка действительна  при распечатке ТОЛЬКО обычного "
                                       "календаря.\nБудте внимательны!"),
                        TabSheet4);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("ВНИМАНИЕ"));
    Label1->move(16, 160);
    Label1->adjustSize();
    setFontColour(Label1, clRed);
    bindHandler(RadioButton3, &QRadioButton::toggled, this, &SettingsWindow::RadioButton3Click);
    bindHandler(RadioButton4, &QRadioButton::toggled, this, &SettingsWindow::RadioButton4Click);
}

void SettingsWindow::FormCreate()
{
    for (QLineEdit *edit : {Edit3, Edit1, Edit2, Edit5, Edit12})
        edit->clear();
    Edit3->setText(SettingsLine(21));
    // An unreadable "transp.cal" is reported, but the holiday list and the
    // regional options are still read: a list left empty would be saved so.
    runHandler([this] { loadTransparency(); });
    fillHolidayList();
    loadRegionalOptions();
    centreOnScreen(this);
}

void SettingsWindow::fillHolidayList()
{
    // The start-up load leaves a whole number here, unless it failed.
    const int n = qMin(StrToIntDef(SettingsLine(13), 0), int(HolidayLines.size()));
    for (int i = 0; i < n; ++i)
        ListBox1->addItem(HolidayLines.at(i));
}

void SettingsWindow::loadRegionalOptions()
{
    const QString path = ProgramDir + QStringLiteral("regional.cal");
    if (!fileExists(path)) {
        ShowMessage(QStringLiteral("Файл \"regional.cal\" не найден. Будут загружены стандартные "
                                   "установки"));
        return;
    }
    const RegionalOptions options = readRegional(path);
    // Each button that becomes selected runs its handler at once; a pair
    // where neither line is "TRUE" ends with both buttons unselected.
    QRadioButton *buttons[4] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int pair = 0; pair < 2; ++pair) {
        QRadioButton *first = buttons[pair * 2];
        QRadioButton *second = buttons[pair * 2 + 1];
        const bool a = options[pair * 2], b = options[pair * 2 + 1];
        if (!a && !b) {
            first->setAutoExclusive(false);
            second->setAutoExclusive(false);
            first->setChecked(false);
            second->setChecked(false);
            first->setAutoExclusive(true);
            second->setAutoExclusive(true);
            continue;
        }
        if (a)
            first->setChecked(true);
        if (b)
            second->setChecked(true);
    }
}

QStringList SettingsWindow::holidayEntries() const
{
    QStringList entries;
    for (int i = 0; i < ListBox1->count(); ++i)
        entries << ListBox1->item(i)->text();
    return entries;
}

RegionalOptions SettingsWindow::regionalOptions() const
{
    return {RadioButton1->isChecked(), RadioButton2->isChecked(), RadioButton3->isChecked(),
            RadioButton4->isChecked()};
}

void SettingsWindow::showPage(QWidget *page)
{
    if (page)
        PageControl1->setCurrentWidget(page);
    show();
    raise();
    activateWindow();
}

bool SettingsWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        runHandler([this] { FormActivate(); });
    return QDialog::event(e);
}

void SettingsWindow::PageControl1Change()
{
    // A dialog has one default button: the one of the page shown.
    QWidget *page = PageControl1->currentWidget();
    Button1->setDefault(page == TabSheet3);
    WinButton1->setDefault(page == TabSheet8);
}

void SettingsWindow::Button1Click()
{
    Form15->show();
    Form15->raise();
}

void SettingsWindow::applyStartOfWeek(int weekday)
{
    for (MonthGrid *grid : Form1->calendars())
        grid->setStartOfWeek(weekday);
    for (MonthGrid *grid : Form7->calendars())
        grid->setStartOfWeek(weekday);
    for (MonthGrid *grid : Form11->calendars())
        grid->setStartOfWeek(weekday);
    Form6->Calendar1->setStartOfWeek(weekday);
}

void SettingsWindow::RadioButton1Click()
{
    if (RadioButton1->isChecked())
        applyStartOfWeek(1);
}

void SettingsWindow::RadioButton2Click()
{
    if (RadioButton2->isChecked())
        applyStartOfWeek(0);
}

void SettingsWindow::RadioButton3Click()
{
    if (RadioButton3->isChecked())
        carryOverToPrintCopies();
}

void SettingsWindow::RadioButton4Click()
{
    if (!RadioButton4->isChecked())
        return;
    Form11->Image13->hide();
    setWindowColour(Form11, clWhite);
    for (QLabel *label : Form11->labels())
        setFontColour(label, clBlack);
    Form7->Image15->hide();
    setWindowColour(Form7, clWhite);
    for (QLabel *label : Form7->monthLabels())
        setFontColour(label, clBlack);
}
