// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The opacity window of the minimised view: a vertical slider 0..255 that
// sets the view's blending directly.
#include <QString>
#include <QWidget>

class AlphaBlending;
class DialogSeam;
class QLabel;
class QSlider;

class MiniViewOpacityWindow : public QWidget {
    Q_OBJECT
public:
    // blending: the minimised view's, which the slider drives.
    MiniViewOpacityWindow(AlphaBlending &blending, DialogSeam &dialogs, QWidget *parent = nullptr);

    // Moves the slider, which applies the level as a drag would.
    void setLevel(int level);
    void setLevelEnabled(bool enabled);

private:
    void applyLevel();

    AlphaBlending &m_blending;
    DialogSeam &m_dialogs;
    QSlider *m_levelSlider = nullptr;
    QLabel *m_percentLabel = nullptr;
};

// Opacity 0..255 as a whole percentage, remainder dropped: 254 -> «99 %».
QString opacityPercentText(int position);
