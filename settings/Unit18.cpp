#include "Unit18.h"

#include "Dialogs.h"
#include "Handler.h"
#include "Holidays.h"
#include "SettingsControls.h"
#include "Unit14.h"
#include "Widgets.h"
#include "WinButton.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TForm18 *Form18 = nullptr;

TForm18::TForm18()
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Редактирование"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(380, 108);
    StaticText1 =
        heading(this, "StaticText1", QStringLiteral("Изменение введённой ранее даты"), 12, 10);
    Edit1 = editField(this, "Edit1", QStringLiteral("Изменение введённой ранее даты"), 12, 34, 356);
    WinButton1 = place(new TWinButton(this), 160, 72, 100, 25);
    WinButton1->setObjectName(QStringLiteral("WinButton1"));
    WinButton1->setCaption(QStringLiteral("Применить"));
    WinButton1->setDefault(true);
    Button1 = pushButton(this, "Button1", QStringLiteral("Отмена"), 268, 72, 100);
    Button1->setAutoDefault(false);

    bindHandler(WinButton1, &QPushButton::clicked, this, &TForm18::WinButton1Click);
    bindHandler(Button1, &QPushButton::clicked, this, &TForm18::Button1Click);
}

bool TForm18::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        runHandler([this] { FormActivate(); });
    return QDialog::event(e);
}

void TForm18::FormCreate()
{
    Edit1->clear();
    centreOnScreen(this);
}

void TForm18::FormActivate()
{
    const int row = Form14->selectedHoliday();
    if (row >= 0)
        Edit1->setText(Form14->ListBox1->item(row)->text());
}

void TForm18::WinButton1Click()
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

void TForm18::Button1Click()
{
    Edit1->clear();
    hide();
}
