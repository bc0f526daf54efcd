// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Полезный совет": fifteen tips from "tips.cal", stepped back and forth,
// with a counter such as «7/15» in the caption.
#include "core/Tips.h"

#include <QDialog>
#include <QString>

class CalendarModel;
class DialogSeam;
class QPlainTextEdit;
class QPushButton;

class TipsWindow : public QDialog {
    Q_OBJECT
public:
    TipsWindow(const CalendarModel &model, DialogSeam &dialogs, QWidget *parent = nullptr);

    // Tip k (1..15) with its counter.
    void showTip(int k);

    // The tip of a start-up comes up beside a window that already has the
    // keyboard without taking it.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadTips();
    void showPreviousTip();
    void showNextTip();

    const CalendarModel &m_model;
    DialogSeam &m_dialogs;
    QPlainTextEdit *m_tipText = nullptr;
    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    Tips m_tips;
    int m_tipIndex = 0;
    bool m_shownBefore = false;
    // A start-up showing waits for the next turn of the event loop.
    bool m_quietShowing = false;
    // The caption when the window was shown, the counter going after it: the
    // application sets the plain caption again before each showing.
    QString m_captionBase;
};
