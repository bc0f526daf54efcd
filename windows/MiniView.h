#pragma once
// The minimised view "Календарь(мин)": today's date, a running time line and
// three buttons, standing in for the main window.
#include "Widgets.h"

#include <QWidget>

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
    MiniView();
    void FormCreate();
    void Timer1Timer();
    void SpeedButton1Click(); // back to the main window
    void SpeedButton2Click(); // minimise the application
    void SpeedButton3Click(); // end the program
    void N1Click();

    QLabel *Label1 = nullptr;
    QDateEdit *DateTimePicker1 = nullptr;
    QLabel *LabeledEdit1Label = nullptr;
    QLineEdit *LabeledEdit1 = nullptr;
    QWidget *ToolBar1 = nullptr;
    QToolButton *ToolButton2 = nullptr;
    QToolButton *ToolButton3 = nullptr;
    QToolButton *ToolButton4 = nullptr;
    QTimer *Timer1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    AlphaBlending Blending{this};

protected:
    void closeEvent(QCloseEvent *event) override;
};

extern MiniView *Form3;

// Minimises every visible window of the program; the main window may be
// hidden, so the application is whatever is on screen.
void minimiseApplication();
