#include "HolidayEditWindow.h"

#include "Dialogs.h"
#include "Handler.h"
#include "Holidays.h"
#include "SettingsControls.h"
#include "SettingsWindow.h"
#include "Widgets.h"
#include "ImageButton.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

HolidayEditWindow *Form18 = nullptr;

HolidayEditWindow::HolidayEditWindow()
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Редактирование"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(380, 108);
    StaticText1 =
        heading(this, "StaticText1", QStringLiteral("Изменение введённой ранее даты"), 12, 10);
    Edit1 = editField(this, "Edit1", QStringLiteral("Изменение введённой ранее даты"), 12, 34, 356);
    WinButton1 = place(new ImageButton(this), 160, 72, 100, 25);
    WinButton1->setObjectName(QStringLiteral("WinButton1"));
    WinButton1->setCaption(QStringLiteral("Применить"));
    WinButton1->setDefault(true);
    Button1 = pushButton(this, "Button1", QStringLiteral("Отмена"), 268, 72, 100);
    Button1->setAutoDefault(false);

    bindHandler(WinButton1, &QPushButton::clicked, this, &HolidayEditWindow::WinButton1Click);
    bindHandler(Button1, &QPushButton::clicked, this, &HolidayEditWindow::Button1Click);
}

bool HolidayEditWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        runHandler([this] { FormActivate(); });
    return QDialog::event(e);
}

void HolidayEditWindow::FormCreate()
{
    Edit1->clear();
    centreOnScreen(this);
}

void HolidayEditWindow::FormActivate()
{
    const int row = Form14->selectedHoliday();
    if (row >= 0)
        Edit1->setText(Form14->ListBox1->item(row)->text());
}

void HolidayEditWindow::WinButton1Click()
{
    const int row = Form14->selectedHoliday();
    if (row >= 0) {
        const QString problem = holidayTextProblem(Edit1->text());
        if (!problem.isEmpty()) {
            ShowMessage(problem);
            return;
        }
        Form14->ListBox1->item(row)->setText(Edit1->text());
    }
    hide();
}

void HolidayEditWindow::Button1Click()
{
    Edit1->clear();
    hide();
}
