#include "TestSupport.h"

#include "Paths.h"
#include "Program.h"
#include "TextFile.h"

#include <QFile>
#include <QTest>

QString RecordingDialogs::openFileName(QWidget *, const QString &title, const QString &)
{
    titles << title;
    if (fileAnswers.empty())
        return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString RecordingDialogs::saveFileName(QWidget *w, const QString &title, const QString &f,
                                       const QString &)
{
    return openFileName(w, title, f);
}

bool RecordingDialogs::printDialog(QWidget *, QPrinter *) { return printAnswer; }

bool RecordingDialogs::printerSetup(QWidget *, QPrinter *) { return printAnswer; }

std::optional<QColor> RecordingDialogs::chooseColour(QWidget *, const QColor &)
{
    return colourAnswer;
}

ProgramFolder::ProgramFolder() { setProgramDirForTest(m_dir.path()); }

ProgramFolder::~ProgramFolder() { setProgramDirForTest(QString()); }

QString ProgramFolder::path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

void ProgramFolder::write(const QString &name, const QStringList &lines) const
{
    writeTextFile(path(name), lines);
}

QStringList ProgramFolder::read(const QString &name) const { return readTextFile(path(name)); }

QByteArray ProgramFolder::bytes(const QString &name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void startProgram(const ProgramFolder &)
{
    SetUpApplication();
    CreateForms();
}

void stopProgram() { DestroyForms(); }

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        // Qt's key codes of ASCII characters are their upper-case codes.
        const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}
