// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OpacityPage.h"

#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>

namespace {

constexpr int kFullLevel = 255;

OpacityWindow windowOf(int n)
{
    return OpacityWindow(n);
}

} // namespace

OpacityPage::OpacityPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : QWidget(parent), m_model(model), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("opacityPage"));
    heading(this, "opacityHeading", QStringLiteral("Установка прозразности окон"), 16, 8);
    createSection(int(OpacityWindow::Main), "mainWindow", QStringLiteral("Главное окно"));
    createSection(int(OpacityWindow::MiniView), "miniView", QStringLiteral("Минимизированный вид"));
    createSection(int(OpacityWindow::FloatingClock), "floatingClock", QStringLiteral("Часы"));
    createSection(int(OpacityWindow::OneMonth), "oneMonth", QStringLiteral("Вид \"Один месяц\""));
    m_status = place(new QStatusBar(this), 0, 350, 670, 24);
    m_status->setObjectName(QStringLiteral("opacityStatus"));
    m_status->setSizeGripEnabled(false);

    for (int n = 0; n < 4; ++n) {
        showSetting(windowOf(n));
        // The line names the last level that took effect, as when it was set.
        const OpacitySetting setting = m_model.opacity(windowOf(n));
        if (setting.enabled && setting.level != kFullLevel)
            showPercent(setting.level);
        connect(m_switches[n], &QCheckBox::toggled, this,
                [this, n] { runHandler(m_dialogs, [&] { switchToggled(n); }); });
        connect(m_levels[n], &QSlider::valueChanged, this,
                [this, n] { runHandler(m_dialogs, [&] { levelMoved(n); }); });
    }
    connect(&m_model, &CalendarModel::opacityChanged, this, &OpacityPage::showSetting);
}

void OpacityPage::createSection(int n, const char *name, const QString &title)
{
    const int top = 34 + n * 76;
    const QString prefix = QString::fromLatin1(name);
    QLabel *caption = heading(this, qPrintable(prefix + QStringLiteral("Heading")), title, 16, top);

    auto *box = new QCheckBox(QStringLiteral("Включить"), this);
    box->setObjectName(prefix + QStringLiteral("Switch"));
    box->setAccessibleName(title + QStringLiteral(": Включить"));
    box->move(24, top + 26);
    box->adjustSize();
    m_switches[n] = box;

    auto *slider = place(new QSlider(Qt::Horizontal, this), 140, top + 18, 500, 36);
    slider->setObjectName(prefix + QStringLiteral("Level"));
    slider->setAccessibleName(title);
    slider->setRange(0, kFullLevel);
    slider->setTickInterval(25);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(kFullLevel);
    slider->setEnabled(false);
    caption->setBuddy(slider); // the level a reader hears named by its heading
    m_levels[n] = slider;
}

void OpacityPage::showSetting(OpacityWindow window)
{
    const int n = int(window);
    const OpacitySetting setting = m_model.opacity(window);
    const QSignalBlocker quietSwitch(m_switches[n]);
    const QSignalBlocker quietLevel(m_levels[n]);
    m_switches[n]->setChecked(setting.enabled);
    m_levels[n]->setValue(setting.level);
    m_levels[n]->setEnabled(setting.enabled);
}

void OpacityPage::switchToggled(int n)
{
    // Only the switch changes: the line keeps naming the last level set.
    const bool on = m_switches[n]->isChecked();
    m_levels[n]->setEnabled(on);
    m_model.setOpacity(windowOf(n), {on, m_levels[n]->value()});
}

void OpacityPage::levelMoved(int n)
{
    // A level moved while its switch is off is kept for the next start.
    const bool on = m_switches[n]->isChecked();
    const int level = m_levels[n]->value();
    m_model.setOpacity(windowOf(n), {on, level});
    if (on)
        showPercent(level);
}

void OpacityPage::showPercent(int level)
{
    m_status->showMessage(QStringLiteral("Прозрачность %1 %").arg(transparencyPercent(level)));
}
