#include "GoToDateWindow.h"

#include "MonthGrid.h"
#include "Convert.h"
#include "Dialogs.h"
#include "Errors.h"
#include "Handler.h"
#include "MainWindow.h"
#include "Widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GoToDateWindow *Form6 = nullptr;

namespace {

const char *const kPrompt = "Нажмите ---------------->";

void paintCream(QWidget *field)
{
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, toQColor(clCream));
    field->setPalette(pal);
}

// Nothing picked: the prompt shows, and the first arrow key picks "1".
void showPrompt(QComboBox *box, const QString &prompt)
{
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
}

// A list to pick from: the text shows the prompt until a pick, and nothing
// typed, pasted or deleted reaches it.
QComboBox *pickList(QWidget *parent, const char *name, const QString &accessibleName, int last,
                    const QRect &geometry)
{
    auto *box = place(new QComboBox(parent), geometry.x(), geometry.y(), geometry.width(),
                      geometry.height());
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    for (int i = 1; i <= last; ++i)
        box->addItem(QString::number(i));
    box->lineEdit()->setReadOnly(true);
    showPrompt(box, QString::fromUtf8(kPrompt));
    paintCream(box);
    paintCream(box->lineEdit());
    return box;
}

// The grid takes one element at a time, day first. A day its current month
// lacks may still exist in the month and year given next, so until the last
// step the grid holds the nearest day and the entered day is given at the end.
void giveElement(MonthGrid *grid, int element, int value, int enteredDay)
{
    const QDate now = grid->date();
    int year = now.year(), month = now.month();
    if (element == 1)
        year = value;
    else if (element == 2)
        month = value;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || enteredDay < 1 || enteredDay > 31) {
        grid->setDateElement(MonthGrid::Element(element), value); // refused with the grid's own error
        return;
    }
    const int day = qMin(enteredDay, QDate(year, month, 1).daysInMonth());
    grid->setDate(QDate(year, month, day));
}

} // namespace

GoToDateWindow::GoToDateWindow()
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Перейти к..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // 610 x 347 with the frame and caption bar.
    setFixedSize(602, 320);
    setWindowColour(this, clSkyBlue);

    Label2 = placeLabel(this, "Label2", QStringLiteral("День"), 24, 16, 0, true);
    Label3 = placeLabel(this, "Label3", QStringLiteral("Месяц"), 224, 16, 0, true);
    Label4 = placeLabel(this, "Label4", QStringLiteral("Год"), 424, 16, 0, true);
    ComboBox1 = pickList(this, "ComboBox1", Label2->text(), 31, {24, 34, 185, 23});
    ComboBox2 = pickList(this, "ComboBox2", Label3->text(), 12, {224, 34, 185, 23});
    Edit1 = place(new QLineEdit(this), 424, 34, 153, 23);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(Label4->text());
    paintCream(Edit1);
    BitBtn1 = place(new QPushButton(QStringLiteral("Принять"), this), 424, 72, 153, 30);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    Label1 = place(new QLabel(this), 24, 112, 553, 32);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    {
        QFont f = Label1->font();
        f.setPixelSize(24);
        f.setBold(true);
        f.setItalic(true);
        Label1->setFont(f);
        setFontColour(Label1, clWhite);
    }
    Label1->hide();

    Calendar1 = place(new MonthGrid(this), 181, 152, 240, 152);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setAccessibleName(QStringLiteral("Дата"));
    Calendar1->setUseCurrentDate(false);
    Calendar1->setReadOnly(true);
    Calendar1->setStartOfWeek(0);
    Calendar1->setColor(clCream);
    Calendar1->setFontColor(clRed);
    Calendar1->hide();

    bindHandler(BitBtn1, &QPushButton::clicked, this, &GoToDateWindow::BitBtn1Click);
}

void GoToDateWindow::FormCreate()
{
    bindHandler(Form1->N7, &QAction::triggered, Form1, &MainWindow::N7Click);
    m_dayPrompt = ComboBox1->currentText();
    m_monthPrompt = ComboBox2->currentText();
    centreOnScreen(this);
}

void GoToDateWindow::BitBtn1Click()
{
    try {
        showEnteredDate();
    } catch (const DayrailError &) {
        // Steps done before the failure stay done.
        ShowMessage(QStringLiteral("Неправильно введена дата"));
    }
}

void GoToDateWindow::showEnteredDate()
{
    const QString dayText = ComboBox1->currentText();
    const QString monthText = ComboBox2->currentText();
    const QString yearText = Edit1->text();
    const int day = StrToInt(dayText);
    giveElement(Calendar1, 3, day, day);
    giveElement(Calendar1, 2, StrToInt(monthText), day);
    giveElement(Calendar1, 1, StrToInt(yearText), day);
    Calendar1->setDateElement(MonthGrid::Element::Day, day); // refused when the date does not exist
    Calendar1->show();
    Label1->setText(dayText + QStringLiteral(". ") + monthText + QStringLiteral(". ") + yearText);
    Label1->show();
}

void GoToDateWindow::resetFields()
{
    Label1->hide();
    Calendar1->hide();
    showPrompt(ComboBox1, m_dayPrompt);
    showPrompt(ComboBox2, m_monthPrompt);
    Edit1->clear();
}

void GoToDateWindow::FormClose() { resetFields(); }

void GoToDateWindow::FormHide() { resetFields(); }

void GoToDateWindow::closeEvent(QCloseEvent *event)
{
    runHandler([this] { FormClose(); });
    QDialog::closeEvent(event);
}

void GoToDateWindow::hideEvent(QHideEvent *event)
{
    // Minimising the desktop session hides windows too; only a real hide resets.
    if (!event->spontaneous())
        runHandler([this] { FormHide(); });
    QDialog::hideEvent(event);
}
