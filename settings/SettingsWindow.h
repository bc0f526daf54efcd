#pragma once
// The settings window "Настройки": six pages of options. This unit holds the
// window, its creation and the week-start and print-background pages; the
// holiday, profile and transparency pages have source files of their own.
#include "OptionFiles.h"

#include <QDialog>
#include <QStringList>
#include <array>

class AlphaBlending;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class ImageView;
class ImageButton;
struct ProfileContent;

class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow();

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
    void PageControl1Change();

    // "Праздники"
    void WinButton1Click();
    void Button5Click();
    void N1Click();
    void N3Click();
    void N4Click();
    // Key filters: true when the typed character may stay.
    bool ComboBox1KeyPress(QChar key) const;
    bool ComboBox2KeyPress(QChar key) const;
    bool Edit12KeyPress(QChar key) const;
    void ListBox1ContextPopup(const QPoint &pos);
    // Row of the selected holiday entry, -1 when none is selected.
    int selectedHoliday() const;

    // "Профили"
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void FileListBox1Click();
    void FileListBox1DblClick();
    void FormActivate();

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
    // "Профили": the active profile path lives in the hidden Edit3, the
    // selected profile's path in the hidden Edit4.
    QLabel *StaticText8 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLabel *StaticText9 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *StaticText10 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QLabel *StaticText11 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QListWidget *FileListBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    // "Праздники"
    QLabel *StaticText12 = nullptr;
    ImageView *Image1 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QLabel *StaticText13 = nullptr;
    QLabel *StaticText16 = nullptr;
    QLabel *StaticText17 = nullptr;
    QLabel *StaticText18 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *Edit12 = nullptr;
    QLabel *StaticText14 = nullptr;
    QLineEdit *Edit5 = nullptr;
    ImageButton *WinButton1 = nullptr;
    QPushButton *Button5 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr; // "Упорядочить"
    QAction *N3 = nullptr; // "Удалить выделенное"
    QAction *N4 = nullptr; // "Редактировать"
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

protected:
    bool event(QEvent *e) override;

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
    // Profiles
    void refreshFileList();
    void showActiveProfile();
    // The write step: false when the name was refused (and said so).
    bool writeProfileAs(const QString &fileName);
    void applyProfile(const ProfileContent &profile);
};

extern SettingsWindow *Form14;
