// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/BackgroundWindow.h"

#include "base/Pictures.h"
#include "output/SheetParts.h"
#include "platform/ColorBox.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/OptionFocus.h"
#include "platform/ReadableText.h"
#include "platform/Widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

template <typename T> T *named(T *control, const char *name, const QString &accessible)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessible);
    return control;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int w)
{
    auto *b = named(place(new QPushButton(text, parent), x, y, w, 25), name, text);
    // No default button: Enter in the path field must not browse or apply.
    b->setAutoDefault(false);
    return b;
}

} // namespace

BackgroundWindow::BackgroundWindow(CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : QDialog(parent), m_model(model), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("backgroundWindow"));
    setWindowTitle(QStringLiteral("Фон.. ."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(442, 166);
    createControls();

    const Background &background = m_model.background();
    m_pathEdit->setText(background.picturePath);
    m_colourBox->setSelected(background.colour);
    m_captionColourBox->setSelected(background.captionColour);
    (background.colourMode ? m_colourOption : m_pictureOption)->setChecked(true);
    tabToCheckedOption(this);
    showBackground();
    connect(&m_model, &CalendarModel::backgroundChanged, this, &BackgroundWindow::showBackground);

    bindHandler(m_dialogs, m_browseButton, &QPushButton::clicked, this,
                &BackgroundWindow::browsePicture);
    bindHandler(m_dialogs, m_applyButton, &QPushButton::clicked, this,
                &BackgroundWindow::applyBackground);
    bindHandler(m_dialogs, m_okButton, &QPushButton::clicked, this,
                &BackgroundWindow::acceptBackground);
    bindHandler(m_dialogs, m_cancelButton, &QPushButton::clicked, this, &BackgroundWindow::cancel);
}

void BackgroundWindow::createControls()
{
    m_preview = named(place(new ImageView(this), 0, 0, 449, 169), "preview", QStringLiteral("Фон"));
    auto *icon =
        named(place(new ImageView(this), 408, 0, 41, 33), "icon", QStringLiteral("Значок"));
    icon->setStretch(false);
    icon->setPicture(calendarIcon());

    m_pictureOption = named(new QRadioButton(QStringLiteral("Рисунок"), this), "pictureOption",
                            QStringLiteral("Рисунок"));
    m_pictureOption->move(32, 8);
    m_pathEdit = named(place(new QLineEdit(this), 32, 40, 401, 21), "pathEdit",
                       QStringLiteral("Файл рисунка"));
    m_browseButton = button(this, "browseButton", QStringLiteral("Обзор"), 392, 64, 43);
    m_colourOption = named(new QRadioButton(QStringLiteral("Цвет"), this), "colourOption",
                           QStringLiteral("Цвет"));
    m_colourOption->move(32, 72);
    m_colourBox = named(place(new ColorBox(true, this), 32, 96, 145, 22), "colourBox",
                        QStringLiteral("Цвет"));
    m_colourBox->setToolTip(QStringLiteral("Выберите цвет"));
    m_captionColourHeading = named(new QLabel(QStringLiteral("Цвет надписей"), this),
                                   "captionColourHeading", QStringLiteral("Цвет надписей"));
    m_captionColourHeading->move(208, 72);
    m_captionColourBox = named(place(new ColorBox(false, this), 208, 96, 145, 22),
                               "captionColourBox", QStringLiteral("Цвет надписей"));
    m_captionColourBox->setAccessibleDescription(m_captionColourHeading->text());
    m_captionColourHeading->setBuddy(m_captionColourBox);
    m_okButton = button(this, "okButton", QStringLiteral("OK"), 80, 136, 75);
    m_applyButton = button(this, "applyButton", QStringLiteral("Применить"), 200, 136, 75);
    m_cancelButton = button(this, "cancelButton", QStringLiteral("Отмена"), 352, 136, 75);
    for (QWidget *control : std::initializer_list<QWidget *>{m_pictureOption, m_colourOption,
                                                             m_captionColourHeading}) {
        control->adjustSize();
        setWindowColour(control, colours::skyBlue);
        // Black as described; lightened where a dark palette darkens the box behind.
        setReadableColour(control, colours::black);
    }
    m_preview->lower();
}

void BackgroundWindow::showBackground()
{
    const Background &background = m_model.background();
    m_preview->setPicture(background.picture);
    m_preview->setVisible(!background.colourMode);
    // Under a picture the window keeps its last colour.
    if (background.colourMode)
        setWindowColour(this, background.colour);
}

Background BackgroundWindow::chosenBackground(const QImage &picture) const
{
    Background background;
    background.picturePath = m_pathEdit->text();
    background.picture = picture;
    background.colour = m_colourBox->Selected();
    background.colourMode = m_colourOption->isChecked();
    background.captionColour = m_captionColourBox->Selected();
    return background;
}

QImage BackgroundWindow::chosenPicture(bool load) const
{
    if (load && m_pictureOption->isChecked())
        return loadPicture(m_pathEdit->text());
    const Background &current = m_model.background();
    return current.picturePath == m_pathEdit->text() ? current.picture : QImage();
}

void BackgroundWindow::browsePicture()
{
    const QString name = m_dialogs.openFileName(this, QString(), pictureFileFilter());
    if (!name.isEmpty())
        m_pathEdit->setText(name);
}

void BackgroundWindow::applyBackground()
{
    m_model.setBackgroundApplied(true);
    // The captions take their colour even when the picture then fails to load.
    Background captions = m_model.background();
    captions.captionColour = m_captionColourBox->Selected();
    m_model.setBackground(captions);
    m_model.setBackground(chosenBackground(chosenPicture(true)));
    m_appliedPicture = m_pictureOption->isChecked() ? m_pathEdit->text() : QString();
}

void BackgroundWindow::acceptBackground()
{
    // Loaded already by "Применить", unless the path changed since. A picture
    // that fails to load keeps the window open and the background as it was.
    const bool load = !m_model.backgroundApplied() || m_appliedPicture != m_pathEdit->text();
    const Background chosen = chosenBackground(chosenPicture(load));
    hide();
    m_model.setBackground(chosen);
    m_model.setBackgroundApplied(false);
    m_appliedPicture.clear();
}

void BackgroundWindow::cancel()
{
    hide();
    m_model.setBackgroundApplied(false);
    m_appliedPicture.clear();
}

void BackgroundWindow::reject()
{
    // Escape does what "Отмена" does.
    cancel();
}

void BackgroundWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A restore from the taskbar leaves the keyboard where it was.
    if (!event->spontaneous())
        (m_colourOption->isChecked() ? m_colourOption : m_pictureOption)->setFocus();
}

void BackgroundWindow::closeEvent(QCloseEvent *event)
{
    // The close box hides, like "Отмена".
    event->ignore();
    cancel();
}
