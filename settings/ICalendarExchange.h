// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The holiday list's exchange with other calendar programs: an export, and
// an import that reads and parses the file on a worker thread while the
// window stays responsive. The list changes only when an import has finished
// whole, so a session that ends meanwhile saves the list as it was. Each
// side ends with one summary of everything left out, and why.
#include "core/ICalendar.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class DialogSeam;
class CalendarModel;
class QProgressDialog;
class QWidget;

class ICalendarExchange : public QObject {
    Q_OBJECT
public:
    // now gives the stamp an export carries: the program's clock.
    using Clock = std::function<QDateTime()>;
    ICalendarExchange(CalendarModel &model, Clock now, DialogSeam &dialogs, QWidget *window);
    // Stops an import still running; the list stays as it was.
    ~ICalendarExchange() override;

    void exportEntries();
    // Asks for a file and starts reading it; importFinished follows.
    void importEntries();
    bool isImporting() const;

signals:
    void importFinished();

private:
    // What the worker hands back: the import, or the message of its failure.
    struct Outcome {
        ICalendarImport import;
        QString failure;
    };

    void showProgress();
    void finishImport();
    void applyImport(const Outcome &outcome);

    CalendarModel &m_model;
    Clock m_now;
    DialogSeam &m_dialogs;
    QWidget *m_window;
    QFutureWatcher<Outcome> m_watcher;
    std::shared_ptr<ICalendarProgress> m_progress;
    QProgressDialog *m_progressDialog = nullptr;
    QTimer m_progressTimer;
    QString m_path;
    QStringList m_listedBefore;
};
