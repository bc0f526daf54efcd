// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background window "Фон.. .": the picture or colour behind the main
// window and the colour of its captions. "Применить" and "OK" put the choice
// into the model; until then it is only the window's.
#include "core/CalendarModel.h"

#include <QDialog>

class DialogSeam;
class ColorBox;
class ImageView;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class BackgroundWindow : public QDialog {
    Q_OBJECT
public:
    BackgroundWindow(CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

protected:
    // The keyboard starts on the checked option.
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void createControls();
    // The preview and the window colour follow the model's background.
    void showBackground();
    void browsePicture();    // "Обзор"
    void applyBackground();  // "Применить"
    void acceptBackground(); // "OK"
    void cancel();           // "Отмена" and the close box
    // The background the controls describe, with the picture given.
    Background chosenBackground(const QImage &picture) const;
    // The picture for the chosen path: loaded when asked to (throws
    // PictureError), else the model's while it is that path's.
    QImage chosenPicture(bool load) const;

    CalendarModel &m_model;
    DialogSeam &m_dialogs;
    ImageView *m_preview = nullptr; // the picture over the whole window
    QRadioButton *m_pictureOption = nullptr;
    QLineEdit *m_pathEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    QRadioButton *m_colourOption = nullptr;
    ColorBox *m_colourBox = nullptr;
    QLabel *m_captionColourHeading = nullptr;
    ColorBox *m_captionColourBox = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    // The picture path "Применить" last put into the model.
    QString m_appliedPicture;
};
