// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionPages.h"

#include "core/CalendarModel.h"
#include "platform/Handler.h"
#include "platform/OptionFocus.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"
#include "windows/WindowServices.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

BackgroundCaptionsPage::BackgroundCaptionsPage(WindowServices &services, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("backgroundCaptionsPage"));
    heading(this, "backgroundCaptionsHeading",
            QStringLiteral("Установка фона (обоев или цвета) и цвета надписей на календаре"), 16,
            16);
    m_openButton = place(new QPushButton(QStringLiteral("Открыть окно настройки..... "), this), 200,
                         120, 250, 30);
    m_openButton->setObjectName(QStringLiteral("openBackgroundButton"));
    m_openButton->setAccessibleName(m_openButton->text());
    connect(m_openButton, &QPushButton::clicked, this, [&services] {
        runHandler(services.dialogs(), [&] { services.showWindow(WindowRole::Background); });
    });
}

OptionPairPage::OptionPairPage(CalendarModel &model, DialogSeam &dialogs,
                               const OptionPairTexts &texts, OptionPairChoice choice,
                               QWidget *parent)
    : QWidget(parent), m_model(model), m_dialogs(dialogs), m_choice(std::move(choice))
{
    const QString prefix = QString::fromLatin1(texts.prefix);
    heading(this, qPrintable(prefix + QStringLiteral("Heading")), texts.heading, 16, 16);
    auto *group = place(new QGroupBox(texts.group, this), 16, 48, 300, 90);
    group->setObjectName(prefix + QStringLiteral("Group"));
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(texts.buttons[i], group);
        button->setObjectName(QString::fromLatin1(texts.buttonNames[i]));
        button->setAccessibleName(texts.buttons[i]);
        button->move(16, 28 + i * 28);
        button->adjustSize();
        m_buttons[i] = button;
    }
    showChoice();
    for (int i = 0; i < 2; ++i)
        connect(m_buttons[i], &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                runHandler(m_dialogs, [&] { choose(i); });
        });
    connect(&m_model, &CalendarModel::regionalChanged, this, &OptionPairPage::showChoice);
}

void OptionPairPage::choose(int button)
{
    m_choice.choose(m_model, button);
}

void OptionPairPage::showChoice()
{
    const std::optional<int> selected = m_choice.selected(m_model);
    const QSignalBlocker quietFirst(m_buttons[0]);
    const QSignalBlocker quietSecond(m_buttons[1]);
    for (int i = 0; i < 2; ++i) {
        // An exclusive pair never unselects its last button by itself.
        m_buttons[i]->setAutoExclusive(false);
        m_buttons[i]->setChecked(selected == i);
    }
    for (QRadioButton *button : m_buttons)
        button->setAutoExclusive(true);
    tabToCheckedOption(this);
}

CalendarViewPage::CalendarViewPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : OptionPairPage(model, dialogs,
                     {"weekStart",
                      QStringLiteral("Первый день недели:"),
                      QStringLiteral("Выбор первого дня недели"),
                      {"mondayButton", "sundayButton"},
                      {QStringLiteral("Понедельник"), QStringLiteral("Воскресенье")}},
                     {[](const CalendarModel &m) -> std::optional<int> {
                          if (const auto day = m.regional().firstDay)
                              return *day == Qt::Monday ? 0 : 1;
                          return std::nullopt;
                      },
                      [](CalendarModel &m, int button) {
                          m.setStartOfWeek(button == 0 ? Qt::Monday : Qt::Sunday);
                      }},
                     parent)
{
    setObjectName(QStringLiteral("calendarViewPage"));
    const std::array<std::pair<const char *, QString>, 4> boxes = {{
        {"markTodayBox", QStringLiteral("Отмечать сегодня")},
        {"markHolidaysBox", QStringLiteral("Отмечать праздники")},
        {"weekNumbersBox", QStringLiteral("Номера недель")},
        {"workCalendarBox", QStringLiteral("Производственный календарь РФ")},
    }};
    // Under the week-start group, lined up with its buttons.
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto *box = new QCheckBox(boxes[i].second, this);
        box->setObjectName(QString::fromLatin1(boxes[i].first));
        box->setAccessibleName(boxes[i].second);
        box->move(32, 152 + int(i) * 24);
        box->adjustSize();
        m_markBoxes[i] = box;
        connect(box, &QCheckBox::toggled, this,
                [this] { runHandler(this->dialogs(), [&] { chooseMarks(); }); });
    }
    showMarks();
    connect(&model, &CalendarModel::viewOptionsChanged, this, &CalendarViewPage::showMarks);
}

void CalendarViewPage::chooseMarks()
{
    ViewOptions options;
    options.markToday = m_markBoxes[0]->isChecked();
    options.markHolidays = m_markBoxes[1]->isChecked();
    options.weekNumbers = m_markBoxes[2]->isChecked();
    options.workCalendar = m_markBoxes[3]->isChecked();
    model().setViewOptions(options);
}

void CalendarViewPage::showMarks()
{
    const ViewOptions &options = model().viewOptions();
    const bool shown[4] = {options.markToday, options.markHolidays, options.weekNumbers,
                           options.workCalendar};
    for (size_t i = 0; i < m_markBoxes.size(); ++i) {
        const QSignalBlocker quiet(m_markBoxes[i]);
        m_markBoxes[i]->setChecked(shown[i]);
    }
}

PrintBackgroundPage::PrintBackgroundPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : OptionPairPage(
          model, dialogs,
          {"printBackground",
           QStringLiteral("Фон календаря при распечатке"),
           QStringLiteral("Опции печати"),
           {"withBackgroundButton", "withoutBackgroundButton"},
           {QStringLiteral("Выводить при печати"), QStringLiteral("НЕ выводить при печати")}},
          {[](const CalendarModel &m) -> std::optional<int> {
               if (const auto prints = m.regional().printsBackground)
                   return *prints ? 0 : 1;
               return std::nullopt;
           },
           [](CalendarModel &m, int button) { m.setPrintsBackground(button == 0); }},
          parent)
{
    setObjectName(QStringLiteral("printBackgroundPage"));
    auto *warning =
        new QLabel(QStringLiteral("ВНИМАНИЕ: при печати будет использован фон главного окна\n"
                                  "Настройка действительна  при распечатке ТОЛЬКО обычного "
                                  "календаря.\nБудте внимательны!"),
                   this);
    warning->setObjectName(QStringLiteral("printWarning"));
    // Read whole, on one line: the heading word alone would hide the warning.
    warning->setAccessibleName(warning->text().simplified());
    warning->move(16, 160);
    warning->adjustSize();
    setFontColour(warning, colours::red);
}
