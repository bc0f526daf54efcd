// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ICalendarExchange.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "core/CalendarFiles.h"
#include "core/CalendarModel.h"
#include "core/HolidayDates.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/ReportDialog.h"
#include "settings/Holidays.h"

#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

const QString kICalendarFilter = QStringLiteral("iCalendar (*.ics);;Все файлы (*)");
// An import that takes longer shows its progress.
constexpr int kQuietImportMs = 500;

// One line per note: date, caption, reason; a long list only as far as the
// report shows it.
QString listOf(const QList<ICalendarNote> &notes)
{
    const qsizetype shown = qMin<qsizetype>(notes.size(), kReportLines);
    QString list;
    for (const ICalendarNote &note : notes.first(shown)) {
        if (!list.isEmpty())
            list += QLatin1Char('\n');
        if (!note.date.isEmpty())
            list += note.date + QStringLiteral("  ");
        // A note about the file as a whole names no event.
        if (!note.date.isEmpty() || !note.caption.isEmpty())
            list += QStringLiteral("«") + note.caption + QStringLiteral("» — ");
        list += note.reason;
    }
    if (shown < notes.size())
        list += QLatin1Char('\n') + moreLinesText(notes.size() - shown);
    return list;
}

// «Не прочитаны 3 события», in the number's grammatical form.
QString notReadText(int events)
{
    const int tens = events % 100;
    const int ones = events % 10;
    if (ones == 1 && tens != 11)
        return QStringLiteral("Не прочитано %1 событие").arg(events);
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14))
        return QStringLiteral("Не прочитаны %1 события").arg(events);
    return QStringLiteral("Не прочитано %1 событий").arg(events);
}

} // namespace

ICalendarExchange::ICalendarExchange(CalendarModel &model, Clock now, DialogSeam &dialogs,
                                     QWidget *window)
    : QObject(window), m_model(model), m_now(std::move(now)), m_dialogs(dialogs), m_window(window)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &ICalendarExchange::finishImport);
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, &ICalendarExchange::showProgress);
}

ICalendarExchange::~ICalendarExchange()
{
    if (m_progress)
        m_progress->cancelled = true;
    m_watcher.disconnect(this);
    m_watcher.waitForFinished();
}

bool ICalendarExchange::isImporting() const
{
    return m_watcher.isRunning();
}

void ICalendarExchange::exportEntries()
{
    const QStringList &entries = m_model.holidays();
    if (std::none_of(entries.cbegin(), entries.cend(),
                     [](const QString &entry) { return parseHolidayEntry(entry).has_value(); })) {
        m_dialogs.message(
            QStringLiteral("В списке нет праздников с датой: экспортировать нечего."));
        return;
    }
    const QString name = m_dialogs.saveFileName(m_window, QStringLiteral("Экспорт в iCalendar"),
                                                kICalendarFilter, QStringLiteral("ics"));
    if (name.isEmpty())
        return;
    QList<QByteArray> uids;
    for (const EntryId &id : m_model.entryIds())
        uids << id.uid;
    const ICalendarExport written = exportICalendar(name, entries, uids, m_now());
    QString summary = QStringLiteral("В файл \"%1\" записано событий: %2.")
                          .arg(fileNameOf(name))
                          .arg(written.events);
    if (!written.leftOut.isEmpty())
        summary += QStringLiteral("\nНе записаны записи (%1):").arg(written.leftOut.size());
    m_dialogs.report(summary, listOf(written.leftOut));
}

void ICalendarExchange::importEntries()
{
    if (isImporting())
        return;
    const QString name =
        m_dialogs.openFileName(m_window, QStringLiteral("Импорт из iCalendar"), kICalendarFilter);
    if (name.isEmpty())
        return;
    m_path = name;
    m_listedBefore = m_model.holidays();
    ICalendarImportRules rules;
    rules.listed = m_listedBefore;
    rules.capacity = kHolidayPositions;
    rules.captionProblem = holidayCaptionProblem;
    rules.entryProblem = holidayTextFault;
    m_progress = std::make_shared<ICalendarProgress>();
    m_watcher.setFuture(QtConcurrent::run([name, rules, progress = m_progress] {
        Outcome outcome;
        outcome.failure = failureOf([&] {
                              outcome.import = importICalendar(name, rules, progress.get());
                          }).value_or(QString());
        return outcome;
    }));
    QTimer::singleShot(kQuietImportMs, this, [this] {
        if (!isImporting() || m_progressDialog)
            return;
        m_progressDialog =
            new QProgressDialog(QStringLiteral("Импорт из файла \"%1\"...").arg(fileNameOf(m_path)),
                                QStringLiteral("Отмена"), 0, 1000, m_window);
        m_progressDialog->setObjectName(QStringLiteral("importProgress"));
        m_progressDialog->setWindowTitle(QString::fromUtf8(kBoxTitle));
        m_progressDialog->setWindowModality(Qt::WindowModal);
        m_progressDialog->setMinimumDuration(0);
        connect(m_progressDialog, &QProgressDialog::canceled, this,
                [progress = m_progress] { progress->cancelled = true; });
        m_progressDialog->show();
        showProgress();
        // Only a shown dialog has a bar to move.
        m_progressTimer.start();
    });
}

void ICalendarExchange::showProgress()
{
    if (m_progressDialog && m_progress)
        m_progressDialog->setValue(qMin(999, m_progress->permille.load()));
}

void ICalendarExchange::finishImport()
{
    m_progressTimer.stop();
    if (m_progressDialog) {
        m_progressDialog->disconnect(this);
        m_progressDialog->deleteLater();
        m_progressDialog = nullptr;
    }
    const Outcome outcome = m_watcher.result();
    m_progress.reset();
    runHandler(m_dialogs, [&] { applyImport(outcome); });
    emit importFinished();
}

void ICalendarExchange::applyImport(const Outcome &outcome)
{
    if (!outcome.failure.isEmpty())
        throw DayrailError(outcome.failure);
    const ICalendarImport &import = outcome.import;
    if (import.cancelled)
        return;
    // Another profile chosen meanwhile: the import was merged into a list
    // that is gone.
    if (m_model.holidays() != m_listedBefore) {
        m_dialogs.message(
            QStringLiteral("Список праздников изменился во время импорта, и файл \"%1\" "
                           "не добавлен. Импортируйте его ещё раз.")
                .arg(fileNameOf(m_path)));
        return;
    }
    m_model.setHolidays(import.entries);
    QString summary = QStringLiteral("Из файла \"%1\" добавлено праздников: %2.")
                          .arg(fileNameOf(m_path))
                          .arg(import.added);
    if (import.notRead > 0)
        summary += QLatin1Char('\n') + notReadText(import.notRead) + QStringLiteral(": ") +
                   import.notReadWhy + QLatin1Char('.');
    if (import.read1251)
        summary += QStringLiteral("\nФайл не в кодировке UTF-8: он прочитан как Windows-1251.");
    if (!import.notes.isEmpty())
        summary += QStringLiteral("\nНе добавлены или добавлены с изменениями (%1):")
                       .arg(import.notes.size());
    m_dialogs.report(summary, listOf(import.notes));
}
