#include "BackgroundWindow.h"

#include "Dialogs.h"
#include "Handler.h"
#include "Pictures.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "SettingsWindow.h"
#include "PrintSheet.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

BackgroundWindow *Form15 = nullptr;
int BackgroundApplied = 0;

namespace {

template <typename T> T *named(T *control, const char *name, const QString &accessible)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessible);
    return control;
}

void skyBlue(QWidget *control) { setWindowColour(control, clSkyBlue); }

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int w)
{
    auto *b = named(place(new QPushButton(text, parent), x, y, w, 25), name, text);
    // No default button: Enter in the path field must not browse or apply.
    b->setAutoDefault(false);
    return b;
}

bool printsBackground() { return Form14 && Form14->RadioButton3->isChecked(); }

} // namespace

BackgroundWindow::BackgroundWindow()
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Фон.. ."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(442, 166);
    Image1 = named(place(new ImageView(this), 0, 0, 449, 169), "Image1", QStringLiteral("Фон"));
    Image2 = named(place(new ImageView(this), 408, 0, 41, 33), "Image2", QStringLiteral("Значок"));
    Image2->setStretch(false);
    Image2->setPicture(QImage(QStringLiteral(":/icons/calendar32.png")));

    RadioButton1 = named(new QRadioButton(QStringLiteral("Рисунок"), this), "RadioButton1",
                         QStringLiteral("Рисунок"));
    RadioButton1->move(32, 8);
    Edit1 =
        named(place(new QLineEdit(this), 32, 40, 401, 21), "Edit1", QStringLiteral("Файл рисунка"));
    Button1 = button(this, "Button1", QStringLiteral("Обзор"), 392, 64, 43);
    RadioButton2 = named(new QRadioButton(QStringLiteral("Цвет"), this), "RadioButton2",
                         QStringLiteral("Цвет"));
    RadioButton2->move(32, 72);
    ColorBox1 = named(place(new ColorBox(true, this), 32, 96, 145, 22), "ColorBox1",
                      QStringLiteral("Цвет"));
    ColorBox1->setToolTip(QStringLiteral("Выберите цвет"));
    StaticText1 = named(new QLabel(QStringLiteral("Цвет надписей"), this), "StaticText1",
                        QStringLiteral("Цвет надписей"));
    StaticText1->move(208, 72);
    ColorBox2 = named(place(new ColorBox(false, this), 208, 96, 145, 22), "ColorBox2",
                      QStringLiteral("Цвет надписей"));
    Button2 = button(this, "Button2", QStringLiteral("OK"), 80, 136, 75);
    Button4 = button(this, "Button4", QStringLiteral("Применить"), 200, 136, 75);
    Button3 = button(this, "Button3", QStringLiteral("Отмена"), 352, 136, 75);
    for (QWidget *control :
         {static_cast<QWidget *>(RadioButton1), static_cast<QWidget *>(RadioButton2),
          static_cast<QWidget *>(StaticText1)}) {
        control->adjustSize();
        skyBlue(control);
    }
    Image1->lower();

    bindHandler(Button1, &QPushButton::clicked, this, &BackgroundWindow::Button1Click);
    bindHandler(Button4, &QPushButton::clicked, this, &BackgroundWindow::Button4Click);
    bindHandler(Button2, &QPushButton::clicked, this, &BackgroundWindow::Button2Click);
    bindHandler(Button3, &QPushButton::clicked, this, &BackgroundWindow::Button3Click);
}

void BackgroundWindow::FormCreate()
{
    Edit1->clear();
    ColorBox1->setSelected(BackgroundColor);
    ColorBox2->setSelected(CaptionColor);
    Edit1->setText(Form1->Edit2->text());
    RadioButton2->setChecked(SettingsLine(19) == QLatin1String("TRUE"));
    if (!RadioButton2->isChecked())
        RadioButton1->setChecked(true);
    if (RadioButton1->isChecked()) {
        // A first start has no picture yet: nothing to load, nothing to report.
        if (!Edit1->text().isEmpty())
            Image1->setPicture(loadPicture(Edit1->text()));
    }
    else {
        Image1->hide();
        setWindowColour(this, ColorBox1->Selected());
        setWindowColour(Form1->Client, windowColour(this));
    }
    applyCaptionColour();
}

void BackgroundWindow::applyCaptionColour()
{
    const StoredColour colour = ColorBox2->Selected();
    for (QLabel *label : Form1->monthLabels())
        setFontColour(label, colour);
    for (QLabel *label : {Form1->Label14, Form1->Lab, Form1->Label13})
        setFontColour(label, colour);
}

void BackgroundWindow::showPicture(bool shown)
{
    Form1->Image16->setVisible(shown);
    Image1->setVisible(shown);
}

QImage BackgroundWindow::applyPicture()
{
    showPicture(true);
    const QImage picture = loadPicture(Edit1->text());
    Form1->Image16->setPicture(picture);
    Image1->setPicture(picture);
    return picture;
}

void BackgroundWindow::applyColour()
{
    Form1->Image16->hide();
    setWindowColour(Form1->Client, ColorBox1->Selected());
    setWindowColour(this, ColorBox1->Selected());
}

void BackgroundWindow::Button1Click()
{
    const QString name = dialogs().openFileName(this, QString(), pictureFileFilter());
    if (!name.isEmpty())
        Edit1->setText(name);
}

void BackgroundWindow::Button4Click()
{
    BackgroundApplied = 1;
    applyCaptionColour();
    if (RadioButton1->isChecked()) {
        const QImage picture = applyPicture();
        Form7->Image15->setPicture(picture);
        Form11->Image13->setPicture(picture);
        m_appliedPicture = Edit1->text();
    }
    else {
        showPicture(false);
        m_appliedPicture.clear();
    }
    if (RadioButton2->isChecked())
        applyColour();
    if (printsBackground())
        carryOverToPrintCopies();
}

void BackgroundWindow::Button2Click()
{
    // Loaded already by "Применить", unless the path changed since.
    if (!RadioButton1->isChecked())
        showPicture(false);
    else if (BackgroundApplied != 1 || m_appliedPicture != Edit1->text())
        applyPicture();
    hide();
    if (RadioButton2->isChecked())
        applyColour();
    BackgroundApplied = 0;
    m_appliedPicture.clear();
    applyCaptionColour();
    if (printsBackground())
        carryOverToPrintCopies();
}

void BackgroundWindow::Button3Click()
{
    hide();
    BackgroundApplied = 0;
    m_appliedPicture.clear();
}

void BackgroundWindow::closeEvent(QCloseEvent *event)
{
    // The close box hides, like "Отмена".
    event->ignore();
    runHandler([this] { Button3Click(); });
}

void carryOverToPrintCopies()
{
    Form7->Image15->setVisible(Form1->Image16->isVisibleTo(Form1));
    for (int k = 0; k < 12; ++k)
        setFontColour(Form11->labels()[k], fontColour(Form1->monthLabels()[k]));
    setWindowColour(Form7, windowColour(Form1->Client));
    for (QLabel *label : Form7->monthLabels())
        setFontColour(label, fontColour(Form1->Label1));
    Form7->Label14->setFont(Form1->Labe->font());
    setFontColour(Form7->Label14, fontColour(Form1->Labe));
    Form7->Label14->adjustSize();
}
