// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TipsWindow.h"

#include "base/DataLocation.h"
#include "core/CalendarModel.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

const QString kCaption = QStringLiteral("Полезный совет");

// Where "tips.cal" may be: the working folder, the program's own folder, then
// where an install put it: a program started from a desktop menu runs in some
// other folder.
QStringList tipsFiles(const QString &programFolder)
{
    QStringList candidates = tipsFileCandidates(
        QDir::currentPath(), QCoreApplication::applicationDirPath(), configuredInstallFolders());
    candidates.insert(1, programFolder + QStringLiteral("tips.cal"));
    return candidates;
}

} // namespace

TipsWindow::TipsWindow(const CalendarModel &model, DialogSeam &dialogs, QWidget *parent)
    : QDialog(parent), m_model(model), m_dialogs(dialogs), m_captionBase(kCaption)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("tipsWindow"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint);
    setFixedSize(376, 170);
    setWindowColour(this, 0xF8E4D8); // the inactive caption text colour

    m_tipText = place(new QPlainTextEdit(this), 0, 0, 376, 145);
    m_tipText->setObjectName(QStringLiteral("tipText"));
    m_tipText->setAccessibleName(kCaption);
    m_tipText->setReadOnly(true);
    // A caret to read the tip line by line: read-only text has none by default.
    m_tipText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_tipText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = m_tipText->palette();
    pal.setColor(QPalette::Base, colours::skyBlue);
    // Dark text on the fixed sky blue, whatever the desktop palette.
    pal.setColor(QPalette::Text, colours::black);
    m_tipText->setPalette(pal);
    QFont f = m_tipText->font();
    f.setPixelSize(14);
    m_tipText->setFont(f);
    m_previousButton = place(new QPushButton(QStringLiteral("Предыдущий"), this), 0, 145, 137, 25);
    m_previousButton->setObjectName(QStringLiteral("previousButton"));
    m_nextButton = place(new QPushButton(QStringLiteral("Следующий"), this), 237, 145, 139, 25);
    m_nextButton->setObjectName(QStringLiteral("nextButton"));
    m_nextButton->setDefault(true);
    bindHandler(m_dialogs, m_previousButton, &QPushButton::clicked, this,
                &TipsWindow::showPreviousTip);
    bindHandler(m_dialogs, m_nextButton, &QPushButton::clicked, this, &TipsWindow::showNextTip);
    centreOnScreen(this);
}

void TipsWindow::setVisible(bool visible)
{
    // Only the start-up shows the tip before anyone asked for it: the first
    // showing while tips are on. A menu command asks for it and gets it.
    const bool startUp = visible && !m_shownBefore && m_model.showTips();
    m_shownBefore = m_shownBefore || visible;
    m_quietShowing = false; // whatever was asked last wins
    const QWidget *active = QApplication::activeWindow();
    if (!startUp || !active || active == this) {
        QDialog::setVisible(visible);
        return;
    }
    // Shown a moment later, so the activation that follows a showing finds
    // no window yet and the window that has the keyboard keeps it.
    m_quietShowing = true;
    QTimer::singleShot(0, this, [this] {
        if (!m_quietShowing)
            return;
        m_quietShowing = false;
        setAttribute(Qt::WA_ShowWithoutActivating);
        QDialog::setVisible(true);
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    });
}

void TipsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only a real showing re-reads the tips, not a restore from the taskbar.
    if (!event->spontaneous())
        runHandler(m_dialogs, [this] { loadTips(); });
}

void TipsWindow::loadTips()
{
    m_tipText->clear();
    m_tips = Tips::read(tipsFiles(m_model.folder()));
    m_captionBase = windowTitle();
    showTip(Tips::first());
}

void TipsWindow::showNextTip()
{
    showTip(m_tips.next(m_tipIndex));
}

void TipsWindow::showPreviousTip()
{
    showTip(Tips::previous(m_tipIndex));
}

void TipsWindow::showTip(int k)
{
    m_tipIndex = qBound(1, k, Tips::kCount);
    m_tipText->setPlainText(m_tips.tip(m_tipIndex));
    m_tipText->moveCursor(QTextCursor::Start);
    setWindowTitle(m_captionBase + QLatin1Char(' ') + QString::number(m_tipIndex) +
                   QStringLiteral("/15"));
}
