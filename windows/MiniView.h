// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The minimised view "Календарь(мин)": today's date, a running time line and
// three buttons, standing in for the main window.
#include "platform/Widgets.h"

#include <QWidget>
#include <memory>

class CalendarModel;
class MiniViewOpacityWindow;
class WindowServices;
struct OpacityChange;
struct OpacitySetting;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

class MiniView : public QWidget {
    Q_OBJECT
public:
    MiniView(CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);
    ~MiniView() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls(const QDate &startDay);
    void createToolBar();
    void createMenu();
    void followOpacitySetting(const OpacitySetting &now, const OpacityChange &change);

    void showTime();
    void exitProgram();
    void returnToMainWindow();
    void minimiseApplication();
    void showOpacityWindow();

    WindowServices &m_services;
    QLabel *m_todayHeading = nullptr;
    QDateEdit *m_todayPicker = nullptr;
    QLabel *m_timeHeading = nullptr;
    QLineEdit *m_timeLine = nullptr;
    QWidget *m_toolBar = nullptr;
    QToolButton *m_exitButton = nullptr;
    QToolButton *m_restoreButton = nullptr;
    QToolButton *m_minimiseButton = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_actionOpacity = nullptr;
    QTimer *m_clockTimer = nullptr;
    AlphaBlending m_blending{this};
    // Its own window, not a child: it stands apart from the view on screen.
    std::unique_ptr<MiniViewOpacityWindow> m_opacityWindow;
};
