#include "PrintSheet.h"

#include "Printing.h"
#include "MainWindow.h"

#include <QLabel>

PrintSheet *Form7 = nullptr;

namespace {

QLabel *transparentLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

PrintSheet::PrintSheet()
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
    setFont(printedWindowFont());
    setWindowColour(this, clWhite);
    setFixedSize(793, 553);

    Image15 = place(new ImageView(this), 0, 0, 793, 553);
    Image15->setObjectName(QStringLiteral("Image15"));
    Image15->setTransparent(true);
    Image15->hide();

    // Month m stands in column (m - 1) mod 4 and row (m - 1) div 4.
    for (int k = 0; k < 12; ++k) {
        const int x = 200 * (k % 4), y = 168 * (k / 4);
        m_images[k] = place(new ImageView(this), x, 56 + y, 33, 33);
        m_monthLabels[k] = transparentLabel(this, QStringLiteral("Label%1").arg(k + 1));
        m_monthLabels[k]->move(x + 72, 72 + y);
        m_calendars[k] = place(new MonthGrid(this), x, 88 + y, 193, k == 1 ? 121 : 120);
        m_calendars[k]->setObjectName(QStringLiteral("Calendar%1").arg(k + 1));
        m_calendars[k]->setStartOfWeek(1);
    }
    m_images[12] = place(new ImageView(this), 760, 392, 33, 33);
    m_images[13] = place(new ImageView(this), 160, 56, 33, 33);
    for (int k = 0; k < 14; ++k) {
        m_images[k]->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        m_images[k]->setStretch(false);
    }
    Label14 = transparentLabel(this, QStringLiteral("Label14"));
    Label14->move(640, 0);
}

void PrintSheet::copyMainWindow()
{
    for (int k = 0; k < 14; ++k)
        m_images[k]->setPicture(Form1->Images[k]->picture());
    for (int k = 0; k < 12; ++k) {
        m_monthLabels[k]->setText(Form1->monthLabels()[k]->text());
        m_monthLabels[k]->adjustSize();
    }
    Label14->setText(Form1->Labe->text());
    QFont year = Form1->Labe->font();
    year.setPointSize(40);
    Label14->setFont(year);
    setFontColour(Label14, fontColour(Form1->Labe));
    Label14->adjustSize();
    for (int k = 0; k < 12; ++k)
        m_calendars[k]->setDate(Form1->calendars()[k]->date());
}

void PrintSheet::FormCreate() { copyMainWindow(); }

void PrintSheet::FormActivate()
{
    copyMainWindow();
    Image15->setPicture(Form1->Image16->picture());
}
