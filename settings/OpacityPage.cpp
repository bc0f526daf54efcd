// The page "Прозрачность": a switch and a level for each of the four windows
// that can be made transparent, kept in "transp.cal".
#include "Handler.h"
#include "OptionFiles.h"
#include "MainWindow.h"
#include "FloatingClockWindow.h"
#include "SettingsWindow.h"
#include "OneMonthWindow.h"
#include "MiniView.h"
#include "MiniViewOpacityWindow.h"
#include "Widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>

namespace {

// The governed window of section n (0..3): main window, minimised view,
// floating clock, one-month view.
AlphaBlending &governed(int n)
{
    switch (n) {
    case 0: return Form1->Blending;
    case 1: return Form3->Blending;
    case 2: return Form10->Blending;
    default: return Form16->Blending;
    }
}

} // namespace

void SettingsWindow::createTransparencyPage()
{
    QWidget *page = TabSheet2;
    StaticText1 = new QLabel(QStringLiteral("Установка прозразности окон"), page);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont bold = StaticText1->font();
    bold.setBold(true);
    StaticText1->setFont(bold);
    StaticText1->move(16, 8);
    StaticText1->adjustSize();

    const QString titles[4] = {QStringLiteral("Главное окно"), QStringLiteral("Минимизированный вид"),
                               QStringLiteral("Часы"), QStringLiteral("Вид \"Один месяц\"")};
    QLabel **headings[4] = {&StaticText2, &StaticText3, &StaticText4, &StaticText5};
    QCheckBox **switches[4] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4};
    QSlider **levels[4] = {&TrackBar1, &TrackBar2, &TrackBar3, &TrackBar4};
    for (int n = 0; n < 4; ++n) {
        const int top = 34 + n * 76;
        auto *heading = new QLabel(titles[n], page);
        heading->setObjectName(QStringLiteral("StaticText%1").arg(n + 2));
        heading->setFont(bold);
        heading->move(16, top);
        heading->adjustSize();
        *headings[n] = heading;

        auto *box = new QCheckBox(QStringLiteral("Включить"), page);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n + 1));
        box->setAccessibleName(titles[n] + QStringLiteral(": Включить"));
        box->move(24, top + 26);
        box->adjustSize();
        *switches[n] = box;

        auto *slider = place(new QSlider(Qt::Horizontal, page), 140, top + 18, 500, 36);
        slider->setObjectName(QStringLiteral("TrackBar%1").arg(n + 1));
        slider->setAccessibleName(titles[n]);
        slider->setRange(0, 255);
        slider->setTickInterval(25);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setValue(255);
        slider->setEnabled(false);
        *levels[n] = slider;
    }
    StatusBar2 = place(new QStatusBar(page), 0, 350, 670, 24);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->setSizeGripEnabled(false);

    bindHandler(CheckBox1, &QCheckBox::toggled, this, &SettingsWindow::CheckBox1Click);
    bindHandler(CheckBox2, &QCheckBox::toggled, this, &SettingsWindow::CheckBox2Click);
    bindHandler(CheckBox3, &QCheckBox::toggled, this, &SettingsWindow::CheckBox3Click);
    bindHandler(CheckBox4, &QCheckBox::toggled, this, &SettingsWindow::CheckBox4Click);
    bindHandler(TrackBar1, &QSlider::valueChanged, this, &SettingsWindow::TrackBar1Change);
    bindHandler(TrackBar2, &QSlider::valueChanged, this, &SettingsWindow::TrackBar2Change);
    bindHandler(TrackBar3, &QSlider::valueChanged, this, &SettingsWindow::TrackBar3Change);
    bindHandler(TrackBar4, &QSlider::valueChanged, this, &SettingsWindow::TrackBar4Change);
}

void SettingsWindow::loadTransparency()
{
    const TransparencyOptions options =
        readTransparency(ProgramDir + QStringLiteral("transp.cal"));
    QCheckBox *switches[4] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
    QSlider *levels[4] = {TrackBar1, TrackBar2, TrackBar3, TrackBar4};
    // Switch 1, level 1, switch 2, level 2 ...: each level sees its switch set.
    for (int n = 0; n < 4; ++n) {
        switches[n]->setChecked(options.switches[n]);
        if (options.levels[n])
            levels[n]->setValue(*options.levels[n]);
    }
}

std::array<bool, 4> SettingsWindow::transparencySwitches() const
{
    return {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked(),
            CheckBox4->isChecked()};
}

std::array<int, 4> SettingsWindow::transparencyLevels() const
{
    return {TrackBar1->value(), TrackBar2->value(), TrackBar3->value(), TrackBar4->value()};
}

void SettingsWindow::switchChanged(int n)
{
    QSlider *levels[4] = {TrackBar1, TrackBar2, TrackBar3, TrackBar4};
    if (transparencySwitches()[n]) {
        governed(n).setEnabled(true);
        levels[n]->setEnabled(true);
        if (n == 1)
            Form9->TrackBar1->setEnabled(true);
    } else {
        levels[n]->setEnabled(false);
        governed(n).setEnabled(false);
        if (n == 1)
            Form9->TrackBar1->setEnabled(false);
    }
}

void SettingsWindow::levelChanged(int n)
{
    if (!transparencySwitches()[n])
        return;
    const int level = transparencyLevels()[n];
    governed(n).setEnabled(true);
    governed(n).setValue(level);
    if (n == 1)
        Form9->TrackBar1->setValue(level);
    StatusBar2->showMessage(
        QStringLiteral("Прозрачность %1 %").arg(transparencyPercent(level)));
}

void SettingsWindow::CheckBox1Click() { switchChanged(0); }
void SettingsWindow::CheckBox2Click() { switchChanged(1); }
void SettingsWindow::CheckBox3Click() { switchChanged(2); }
void SettingsWindow::CheckBox4Click() { switchChanged(3); }
void SettingsWindow::TrackBar1Change() { levelChanged(0); }
void SettingsWindow::TrackBar2Change() { levelChanged(1); }
void SettingsWindow::TrackBar3Change() { levelChanged(2); }
void SettingsWindow::TrackBar4Change() { levelChanged(3); }
