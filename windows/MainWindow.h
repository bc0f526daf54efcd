#pragma once
// The main window: the year as twelve month grids, the time line, the year
// selection; the settings and profile files are loaded and saved here.
#include "MonthGrid.h"
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
class TrayIcon;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    void FormCreate();
    // Close-time save of the profile, "cnfg.cal", "transp.cal" and "regional.cal".
    void FormClose();
    // «Календарь < Работа.cpr >»: the caption names the active profile's file.
    void showProfileCaption(const QString &profilePath);
    void Timer1Timer();
    void Button1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    // Menu commands, views and the ways out (Unit1Menus.cpp).
    void N3Click();
    void N5Click();
    void N15Click();
    void N22Click();
    void N24Click();
    void N25Click();
    void N26Click();
    void N28Click();
    void N29Click();
    void N32Click();
    void N33Click();
    void N35Click();
    void N37Click();
    void N38Click();
    void N39Click();
    void N43Click();
    void N45Click();
    void N46Click();
    void N20Click();
    void MtrayMainClick();
    void MtrayClick();
    void RxTrayIcon1Click();
    void SplashScreen1Click();
    // Commands whose windows live in other units; each of those units
    // defines its handler and binds it to the item.
    void N1Click();
    void N7Click();
    void N8Click();
    void N11Click();
    void N12Click();
    void N14Click();
    void N16Click();
    void N18Click();
    void N30Click();
    void N31Click();
    void N41Click();
    void N42Click();
    void wmf1Click();
    void bmpjpg1Click();
    // The invisible buttons behind cube printing (Unit1Output.cpp).
    void Button2Click();
    void Button3Click();

    // Shows the main window again, from hidden or minimised, in front.
    void showMainWindow();
    // For windows that hide themselves: a hidden main window that neither a
    // tray icon nor a window leading back (other than leaving) can bring
    // back is minimised to the taskbar instead.
    void keepReachable(const QWidget *leaving = nullptr);

    // The twelve month grids, January first.
    const std::array<MonthGrid *, 12> &calendars() const { return m_calendars; }
    const std::array<QLabel *, 12> &monthLabels() const { return m_monthLabels; }
    // Day element of each month grid, January first.
    std::array<int, 12> dayElements() const;

    QWidget *Client = nullptr; // the client area all controls sit on
    ImageView *Image16 = nullptr;
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
    MonthGrid *Calendar1 = nullptr, *Calendar2 = nullptr, *Calendar3 = nullptr,
              *Calendar4 = nullptr, *Calendar5 = nullptr, *Calendar6 = nullptr,
              *Calendar7 = nullptr, *Calendar8 = nullptr, *Calendar9 = nullptr,
              *Calendar10 = nullptr, *Calendar11 = nullptr, *Calendar12 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    std::array<ImageView *, 14> Images{}; // Image1 .. Image14
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QTimer *Timer1 = nullptr;
    AlphaBlending Blending{this};

    // Main menu MainMenu1, built in Unit1Menus.cpp.
    QMenu *N27 = nullptr; // "Профили"
    QAction *N29 = nullptr, *N28 = nullptr, *N31 = nullptr;
    QMenu *Calendar13 = nullptr; // "Календарь"
    QAction *N1 = nullptr, *N30 = nullptr, *MtrayMain = nullptr, *N3 = nullptr, *N5 = nullptr;
    QMenu *N6 = nullptr; // "Переход"
    QAction *N7 = nullptr;
    QMenu *N13 = nullptr; // "Печать"
    QMenu *N10 = nullptr; // "Печать" submenu
    QAction *N8 = nullptr, *N14 = nullptr, *N12 = nullptr, *N44 = nullptr;
    QMenu *N23 = nullptr; // "Вид"
    QAction *N26 = nullptr, *N24 = nullptr, *N25 = nullptr, *N46 = nullptr, *N45 = nullptr;
    QMenu *N19 = nullptr; // "Окна"
    QAction *N20 = nullptr;
    QMenu *N17 = nullptr; // "Настройки"
    QAction *N22 = nullptr, *N18 = nullptr;
    QMenu *N34 = nullptr; // "Сохранить"
    QAction *wmf1 = nullptr, *bmpjpg1 = nullptr;
    QMenu *N9 = nullptr; // "Помощь"
    QAction *N11 = nullptr;
    QAction *N15 = nullptr;           // "Показывать полезные советы"
    QAction *SplashScreen1 = nullptr; // "Показывать Splash Screen"
    QAction *N16 = nullptr;
    // Tray menu PopupMenu3.
    QMenu *PopupMenu3 = nullptr;
    QAction *Mtray = nullptr, *N32 = nullptr, *N33 = nullptr, *N35 = nullptr;
    QMenu *N36 = nullptr; // "Вид"
    QAction *N37 = nullptr, *N38 = nullptr, *N39 = nullptr;
    QMenu *N40 = nullptr; // "Печать"
    QAction *N41 = nullptr, *N42 = nullptr, *N43 = nullptr;
    // The year label's menu PopupMenu1.
    QMenu *PopupMenu1 = nullptr;
    QAction *N21 = nullptr;
    TrayIcon *RxTrayIcon1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createYearView();
    void createMenus();
    void createMainMenu();
    void createTrayMenu();
    void createTrayIcon();
    // Hides the main window, or minimises it where no tray icon can bring it back.
    void hideMainWindow();
    // Shows window and hides the main window.
    void switchTo(QWidget *window);
    void setFramed(bool framed);
    void loadStartupFiles();
    // Binds the printing, picture and background commands (Unit1Output.cpp).
    void bindOutputCommands();
    void refreshPrintCopy();
    void stepYear(int delta);

    std::array<MonthGrid *, 12> m_calendars{};
    std::array<QLabel *, 12> m_monthLabels{};
    Qt::WindowFlags m_framedFlags;
};

// Program-wide state of the main window's unit.
extern MainWindow *Form1;
extern QString ExePath;
extern QString ProgramDir;
extern QStringList SettingsLines; // positions 1..40 at indexes 0..39
extern QStringList HolidayLines;  // the active profile's entries as read at start
extern int ShowTipsFlag;
extern int ShowSplashFlag;
extern int ProfileResaveFlag;
extern StoredColour BackgroundColor;
extern StoredColour CaptionColor;

// Ends the program at once: no window is closed, so no close handler runs and
// nothing is saved.
void endProgramNow();

// Position i (1..40) of SettingsLines.
QString SettingsLine(int i);
