// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PrintScaleDialog.h"

#include "core/CalendarModel.h"
#include "output/Printing.h"
#include "output/YearOutput.h"
#include "platform/AccessibleWindow.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/OptionFocus.h"
#include "platform/ReadableText.h"
#include "platform/Widgets.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRadioButton *option(QGroupBox *group, const char *name, const QString &text, int y,
                     const QString &hint)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    button->setToolTip(hint);
    button->move(8, y);
    button->adjustSize();
    return button;
}

QPushButton *speedButton(QWidget *parent, const char *name, const QString &text, int x)
{
    auto *button = place(new QPushButton(text, parent), x, 184, 75, 25);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    // Reached by Tab, but never drawn as the default: the look stays flat.
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintScaleDialog::PrintScaleDialog(CalendarModel &model, QPrinter &printer, DialogSeam &dialogs,
                                   QWidget *parent)
    : QWidget(parent), m_model(model), m_printer(printer), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("printScaleDialog"));
    readAsWindow(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Печать: Масштабирование"));
    // A caption without any box on it, above every other window.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                   Qt::WindowStaysOnTopHint);
    // The outer 274 x 252 less the borders and the caption.
    setFixedSize(266, 225);
    createOptions();

    const char *notes[5] = {
        "Если назначение перелючателя не понятно,", "надо навести на него мышкой и подождать ",
        "появления всплывающей подсказки", "Совет: в следующем диалоге выберите ",
        "горизонтальное расположение листа!!!! "};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(QString::fromUtf8(notes[i]), this);
        label->setObjectName(QStringLiteral("noteLabel%1").arg(i + 1));
        label->move(0, 96 + 16 * i);
        label->adjustSize();
        if (i >= 3)
            setReadableColour(label, colours::red);
    }

    m_printButton = speedButton(this, "printButton", QStringLiteral("Печать"), 8);
    m_cancelButton = speedButton(this, "cancelButton", QStringLiteral("Отмена"), 168);
    bindHandler(m_dialogs, m_printButton, &QPushButton::clicked, this,
                &PrintScaleDialog::printYear);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::hide);
    // The keyboard starts on the checked option, then Tab goes to the buttons.
    tabToCheckedOption(this);
    centreOnScreen(this);
}

void PrintScaleDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the keyboard, else "Печать".
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (m_cancelButton->hasFocus() ? m_cancelButton : m_printButton)->click();
        return;
    case Qt::Key_Escape: m_cancelButton->click(); return;
    default: QWidget::keyPressEvent(event);
    }
}

void PrintScaleDialog::createOptions()
{
    auto *group = place(new QGroupBox(QStringLiteral("Масштабирование"), this), 0, 0, 265, 89);
    group->setObjectName(QStringLiteral("scalingGroup"));
    m_noScalingOption = option(group, "noScalingOption", QStringLiteral("Нет масштабирования"), 16,
                               QStringLiteral("Нет масштабирования;\nКаждый пиксель окна\n"
                                              "воспроизводится одной точкой на бумаге"));
    m_proportionalOption =
        option(group, "proportionalOption", QStringLiteral("Пропорциональное масштабирование"), 40,
               QStringLiteral("Форма масштабируется так,\n"
                              "чтобы ее образ был максимально похож\n"
                              "на ее изображение на экране"));
    m_fitToPageOption =
        option(group, "fitToPageOption", QStringLiteral("Во весь лист (по умолчанию)"), 64,
               QStringLiteral("Форма печатается с такими же пропорциями,\n"
                              "как на экране, но с размерами\n"
                              "заполняющими лист бумаги."));
    m_fitToPageOption->setChecked(true);
    for (QRadioButton *button : {m_noScalingOption, m_proportionalOption, m_fitToPageOption})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                m_model.setPrintScaling(chosenScaling());
        });
}

PrintScaling PrintScaleDialog::chosenScaling() const
{
    if (m_noScalingOption->isChecked())
        return PrintScaling::None;
    if (m_proportionalOption->isChecked())
        return PrintScaling::Proportional;
    return PrintScaling::FitToPage;
}

void PrintScaleDialog::printYear()
{
    hide();
    if (!m_dialogs.printDialog(nullptr, &m_printer))
        return;
    HourglassCursor hourglass;
    printYearSheet(m_model, chosenScaling(), m_printer);
}
