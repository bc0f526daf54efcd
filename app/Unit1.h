#pragma once
// The main window: the year as twelve month grids, the time line, the year
// selection; the settings and profile files are loaded and saved here.
#include "Calendar.h"
#include "Colours.h"
#include "Widgets.h"

#include <QMainWindow>
#include <QStringList>
#include <array>

class QAction;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();

    void FormCreate();
    // Close-time save of the profile, "cnfg.cal", "transp.cal" and "regional.cal".
    void FormClose();
    void Timer1Timer();
    void Button1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void N15Click();
    void SplashScreen1Click();

    // The twelve month grids, January first.
    const std::array<TCalendar *, 12> &calendars() const { return m_calendars; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    // Day element of each month grid, January first.
    std::array<int, 12> dayElements() const;

    QWidget *Client = nullptr; // the client area all controls sit on
    TImage *Image16 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *St = nullptr;
    QLabel *Lab = nullptr;
    QDateEdit *DateTimePicker1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QLabel *Label14 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Bitbtn1 = nullptr;
    QPushButton *Bitbtn2 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Labe = nullptr;
    TCalendar *Calendar1 = nullptr, *Calendar2 = nullptr, *Calendar3 = nullptr,
              *Calendar4 = nullptr, *Calendar5 = nullptr, *Calendar6 = nullptr,
              *Calendar7 = nullptr, *Calendar8 = nullptr, *Calendar9 = nullptr,
              *Calendar10 = nullptr, *Calendar11 = nullptr, *Calendar12 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    std::array<TImage *, 14> Images{}; // Image1 .. Image14
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QTimer *Timer1 = nullptr;
    AlphaBlending Blending{this};

    // Menu items; the menus themselves are built in Unit1Menus.cpp.
    QAction *N15 = nullptr;           // "Показывать полезные советы"
    QAction *SplashScreen1 = nullptr; // "Показывать Splash Screen"

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createYearView();
    void createMenus();
    void loadStartupFiles();
    void refreshPrintCopy();
    void stepYear(int delta);

    std::array<TCalendar *, 12> m_calendars{};
    std::array<QLabel *, 12> m_monthLabels{};
};

// Program-wide state of the main window's unit.
extern TForm1 *Form1;
extern QString ExePath;
extern QString ProgramDir;
extern QStringList SettingsLines; // positions 1..40 at indexes 0..39
extern QStringList HolidayLines;  // the active profile's entries as read at start
extern int ShowTipsFlag;
extern int ShowSplashFlag;
extern int ProfileResaveFlag;
extern TColor BackgroundColor;
extern TColor CaptionColor;

// Position i (1..40) of SettingsLines.
QString SettingsLine(int i);
