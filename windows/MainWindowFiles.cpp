// The main window's part of the settings and profile files: the start-up
// load and the close-time save.
#include "CalendarFiles.h"
#include "Dialogs.h"
#include "Errors.h"
#include "OptionFiles.h"
#include "Paths.h"
#include "Pictures.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>

void MainWindow::loadStartupFiles()
{
    const int year = Calendar1->dateElement(MonthGrid::Element::Year);
    StartupFiles files = readStartupFiles(ProgramDir, year);
    SettingsLines = files.settingsLines;
    HolidayLines = files.holidayLines;

    // Each saved day goes to its grid together with its month, so a day the
    // current month lacks is not lost.
    for (int k = 0; k < 12; ++k)
        m_calendars[k]->setDate(QDate(year, k + 1, fitDayToMonth(files.days[k], year, k + 1)));
    if (files.settingsFound) {
        showProfileCaption(SettingsLine(21));
        N15->setChecked(files.showTips == 1);
        SplashScreen1->setChecked(files.showSplash == 1);
    }

    Edit2->setText(SettingsLine(16));
    if (SettingsLine(19) == QLatin1String("TRUE")) {
        Image16->hide();
    } else if (!SettingsLine(16).isEmpty()) {
        try {
            Image16->setPicture(loadPicture(SettingsLine(16)));
        } catch (const DayrailError &e) {
            // A lost picture must not stop the start: say so and go on.
            dialogs().error(e.text());
        }
    }
    if (files.background)
        BackgroundColor = *files.background;
    if (files.captionColour)
        CaptionColor = *files.captionColour;

    if (!files.problem.isEmpty())
        ShowMessage(files.problem);
}

void MainWindow::showProfileCaption(const QString &profilePath)
{
    setWindowTitle(QStringLiteral("Календарь < ") + ExtractFileName(profilePath) +
                   QStringLiteral(" >"));
}

void MainWindow::FormClose()
{
    ShowTipsFlag = N15->isChecked() ? 1 : 0;
    ShowSplashFlag = SplashScreen1->isChecked() ? 1 : 0;

    const QString profilePath = Form14->Edit3->text();
    writeProfile(profilePath, {dayElements(), Form14->holidayEntries()});

    SettingsContent settings;
    settings.days = dayElements();
    settings.year = Labe->text();
    settings.showTips = ShowTipsFlag == 1;
    settings.showSplash = ShowSplashFlag == 1;
    settings.picturePath = Form15->Edit1->text();
    settings.background = Form15->ColorBox1->Selected();
    settings.colourBackground = Form15->RadioButton2->isChecked();
    settings.captionColour = Form15->ColorBox2->Selected();
    settings.profilePath = profilePath;
    writeSettings(ProgramDir + QStringLiteral("cnfg.cal"), settings);

    writeTransparency(ProgramDir + QStringLiteral("transp.cal"), Form14->transparencySwitches(),
                      Form14->transparencyLevels());
    writeRegional(ProgramDir + QStringLiteral("regional.cal"), Form14->regionalOptions());
}

// "Сохранить изменения": the active profile is written at once, into ProgramDir.
void MainWindow::N31Click()
{
    ProfileResaveFlag = 1;
    Form14->Edit1->setText(ExtractFileName(Form14->Edit3->text()));
    Form14->Button2Click();
    Form14->Edit1->clear();
}
