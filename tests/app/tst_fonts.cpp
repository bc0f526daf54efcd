// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// A large application font set after start-up, as a platform theme does: the
// windows' fixed layouts keep fitting their texts, and every settings page
// stays reachable.
#include "tests/support/QuietProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

Q_DECLARE_METATYPE(WindowRole)

namespace {

// The widest line of a caption, mnemonic marks left out.
int textWidth(const QWidget *control, QString text)
{
    text.remove(QLatin1Char('&'));
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, control->fontMetrics().horizontalAdvance(line));
    return widest;
}

// The labels and buttons of a window, as shown, whose text is wider than
// their room.
QStringList captionsCut(QWidget *window)
{
    QStringList cut;
    const auto check = [&](QWidget *control, const QString &text) {
        if (!text.isEmpty() && control->isVisibleTo(window) &&
            textWidth(control, text) > control->contentsRect().width())
            cut << QStringLiteral("%1 «%2»").arg(control->objectName(), text);
    };
    for (QLabel *label : window->findChildren<QLabel *>())
        if (!label->wordWrap())
            check(label, label->text());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        check(button, button->text());
    return cut;
}

} // namespace

class FontsTest : public QObject {
    Q_OBJECT
    QuietProgram m_program;

private slots:
    void initTestCase()
    {
        m_program.start();
        // The main window was built before it, the others are built after.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
    }
    void cleanupTestCase() { m_program.stop(); }

    void everyCaptionFits_data()
    {
        QTest::addColumn<WindowRole>("role");
        const std::pair<WindowRole, const char *> roles[] = {
            {WindowRole::Main, "main"},
            {WindowRole::MonthCompare, "compare months"},
            {WindowRole::MiniView, "minimised view"},
            {WindowRole::About, "about"},
            {WindowRole::GoToDate, "go to date"},
            {WindowRole::PrintScale, "print scale"},
            {WindowRole::FloatingClock, "floating clock"},
            {WindowRole::Splash, "splash"},
            {WindowRole::Tips, "tips"},
            {WindowRole::OneMonth, "one month"},
            {WindowRole::DateSpan, "date span"},
            {WindowRole::Background, "background"},
            {WindowRole::ExitBar, "exit bar"},
            {WindowRole::WorkYear, "working year"}};
        for (const auto &[role, name] : roles)
            QTest::newRow(name) << role;
    }
    void everyCaptionFits()
    {
        QFETCH(WindowRole, role);
        QWidget *window = m_program.program->app().window(role);
        window->show(); // lays out the windows with layouts
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList cut = captionsCut(window);
        window->hide();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    void everySettingsPageIsReachableAndFits()
    {
        QWidget *window = m_program.program->app().window(WindowRole::Settings);
        auto *pages = window->findChild<QTabWidget *>(QStringLiteral("pages"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QVERIFY(pages->widget(i)->isVisible());
            QVERIFY(pages->tabBar()->rect().contains(pages->tabBar()->tabRect(i)));
            const QStringList cut = captionsCut(window);
            QVERIFY2(cut.isEmpty(), qPrintable(pages->tabText(i) + QStringLiteral(": ") +
                                               cut.join(QStringLiteral(", "))));
        }
        window->hide();
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
