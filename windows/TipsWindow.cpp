#include "TipsWindow.h"

#include "Errors.h"
#include "Handler.h"
#include "MainWindow.h"
#include "Paths.h"
#include "TextFile.h"
#include "Widgets.h"

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShowEvent>

TipsWindow *Form13 = nullptr;

namespace {

constexpr int kTipCount = 15;
constexpr int kTipSlots = 1000;
// The last two tips are never the first one shown.
constexpr int kFirstTipBound = 13;
const char *const kTipsFile = "tips.cal";

} // namespace

QString tipsFilePath()
{
    const QString here = QDir::current().filePath(QString::fromLatin1(kTipsFile));
    if (fileExists(here))
        return here;
    // A program started from a desktop menu runs in some other folder.
    const QString beside = programFolder() + QString::fromLatin1(kTipsFile);
    if (fileExists(beside))
        return beside;
    throw FileError(QStringLiteral("Не найден файл советов \"%1\" ни в текущей папке, ни в папке "
                                   "программы")
                        .arg(QString::fromLatin1(kTipsFile)));
}

TipsWindow::TipsWindow()
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Полезный совет"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(376, 170);
    setWindowColour(this, 0xF8E4D8); // the inactive caption text colour

    Memo1 = place(new QPlainTextEdit(this), 0, 0, 376, 145);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Полезный совет"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    {
        QPalette pal = Memo1->palette();
        pal.setColor(QPalette::Base, toQColor(clSkyBlue));
        Memo1->setPalette(pal);
        QFont f = Memo1->font();
        f.setPixelSize(14);
        Memo1->setFont(f);
    }
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Button1 = place(new QPushButton(QStringLiteral("Предыдущий"), this), 0, 145, 137, 25);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = place(new QPushButton(QStringLiteral("Следующий"), this), 237, 145, 139, 25);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    bindHandler(Button1, &QPushButton::clicked, this, &TipsWindow::Button1Click);
    bindHandler(Button2, &QPushButton::clicked, this, &TipsWindow::Button2Click);
}

void TipsWindow::FormCreate()
{
    bindHandler(Form1->N16, &QAction::triggered, Form1, &MainWindow::N16Click);
    hide();
    centreOnScreen(this);
}

void TipsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only a real showing re-reads the tips, not a restore from the taskbar.
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
}

void TipsWindow::FormShow()
{
    Memo1->clear();
    TipLines.resize(kTipSlots);
    const QStringList lines = readTextFile(tipsFilePath(), kTipCount);
    for (int k = 1; k <= kTipCount; ++k)
        TipLines[k] = k <= lines.size() ? lines.at(k - 1) : QString();
    TipIndex = QRandomGenerator::global()->bounded(1, kFirstTipBound + 1);
    TipCaptionBase = windowTitle();
    showTip();
}

void TipsWindow::Button2Click()
{
    ++TipIndex;
    // An empty tip ends the forward cycle; after tip 15 comes the empty 16.
    if (TipIndex >= kTipSlots || TipLines.at(TipIndex).isEmpty())
        TipIndex = 1;
    showTip();
}

void TipsWindow::Button1Click()
{
    TipIndex = TipIndex <= 1 ? kTipCount : TipIndex - 1;
    showTip();
}

void TipsWindow::showTip()
{
    // Stepping before the tips were ever read has nothing to show.
    if (TipLines.size() < kTipSlots)
        TipLines.resize(kTipSlots);
    Memo1->setPlainText(TipLines.at(TipIndex));
    setWindowTitle(TipCaptionBase + QLatin1Char(' ') + QString::number(TipIndex) +
                   QStringLiteral("/15"));
}
