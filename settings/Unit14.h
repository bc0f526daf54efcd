#pragma once
// The settings window "Настройки": six pages of options. This unit holds the
// window, its creation and the week-start and print-background pages; the
// holiday, profile and transparency pages have source files of their own.
#include "OptionFiles.h"

#include <QDialog>
#include <QStringList>
#include <array>

class AlphaBlending;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTabWidget;

class TForm14 : public QDialog {
    Q_OBJECT
public:
    TForm14();

    void FormCreate();
    void Button1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void TrackBar4Change();

    // The entries of the holiday list, in list order.
    QStringList holidayEntries() const;
    // States of the four option buttons, as "regional.cal" keeps them.
    RegionalOptions regionalOptions() const;
    // The transparency switches and levels, as "transp.cal" keeps them.
    std::array<bool, 4> transparencySwitches() const;
    std::array<int, 4> transparencyLevels() const;
    // Shows the window on the given page (nullptr keeps the page last shown).
    void showPage(QWidget *page);

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet2 = nullptr; // "Прозрачность"
    QWidget *TabSheet3 = nullptr; // "Фон и подписи"
    QWidget *TabSheet7 = nullptr; // "Профили"
    QWidget *TabSheet8 = nullptr; // "Праздники"
    QWidget *TabSheet1 = nullptr; // "Настройки вида календаря"
    QWidget *TabSheet4 = nullptr; // "Настройки фона при распечатке"

    // "Прозрачность": one switch and one level per governed window
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr, *StaticText3 = nullptr, *StaticText4 = nullptr,
           *StaticText5 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr,
              *CheckBox4 = nullptr;
    QSlider *TrackBar1 = nullptr, *TrackBar2 = nullptr, *TrackBar3 = nullptr,
            *TrackBar4 = nullptr;
    QStatusBar *StatusBar2 = nullptr;
    // "Фон и подписи"
    QLabel *StaticText7 = nullptr;
    QPushButton *Button1 = nullptr;
    // "Профили": the active profile path lives in the hidden Edit3.
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    // "Праздники"
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit12 = nullptr;
    QListWidget *ListBox1 = nullptr;
    // "Настройки вида календаря"
    QLabel *StaticText15 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    // "Настройки фона при распечатке"
    QLabel *StaticText19 = nullptr;
    QGroupBox *RadioGroup2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QLabel *Label1 = nullptr;

private:
    void createBackgroundPage();
    void createProfilesPage();
    void createHolidaysPage();
    void createWeekStartPage();
    void createPrintPage();
    void createTransparencyPage();
    void loadTransparency();
    void switchChanged(int n);
    void levelChanged(int n);
    void fillHolidayList();
    void loadRegionalOptions();
    void applyStartOfWeek(int weekday);
};

extern TForm14 *Form14;
