// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three small pages of the settings window: "Фон и подписи", which only
// opens the background window, and the two pages of the regional options,
// the calendar view (week start and the grids' marks) and the print background.
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class CalendarModel;
class DialogSeam;
class QCheckBox;
class QPushButton;
class QRadioButton;
class WindowServices;

class BackgroundCaptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundCaptionsPage(WindowServices &services, QWidget *parent = nullptr);
    // "Открыть окно настройки.....", the default button while the page is shown.
    QPushButton *defaultButton() const { return m_openButton; }

private:
    QPushButton *m_openButton = nullptr;
};

// What a page of one pair of regional option buttons shows.
struct OptionPairTexts {
    const char *prefix; // object names: prefix + "Heading", prefix + "Group"
    QString heading;
    QString group;
    std::array<const char *, 2> buttonNames;
    std::array<QString, 2> buttons;
};

// The model's choice as a button of the pair (none while unmade), and the
// choice a button makes.
struct OptionPairChoice {
    std::function<std::optional<int>(const CalendarModel &)> selected;
    std::function<void(CalendarModel &, int)> choose;
};

// A heading and a group of two option buttons, one choice in the model; as
// the file may have it, neither button may be selected.
class OptionPairPage : public QWidget {
    Q_OBJECT
protected:
    OptionPairPage(CalendarModel &model, DialogSeam &dialogs, const OptionPairTexts &texts,
                   OptionPairChoice choice, QWidget *parent);
    CalendarModel &model() const { return m_model; }
    DialogSeam &dialogs() const { return m_dialogs; }

private:
    void choose(int button);
    void showChoice();

    CalendarModel &m_model;
    DialogSeam &m_dialogs;
    OptionPairChoice m_choice;
    std::array<QRadioButton *, 2> m_buttons{};
};

// "Настройки вида календаря": weeks start on Monday or on Sunday; below,
// what the grids mark: today, holidays, week numbers, the official working
// year. Every choice goes into the model at once.
class CalendarViewPage : public OptionPairPage {
    Q_OBJECT
public:
    CalendarViewPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

private:
    void chooseMarks();
    void showMarks();

    // «Отмечать сегодня», «Отмечать праздники», «Номера недель»,
    // «Производственный календарь РФ».
    std::array<QCheckBox *, 4> m_markBoxes{};
};

// "Настройки фона при распечатке": the printed calendar with the main
// window's background or on plain white.
class PrintBackgroundPage : public OptionPairPage {
    Q_OBJECT
public:
    PrintBackgroundPage(CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);
};
