// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/WorkYearWindow.h"

#include "base/Errors.h"
#include "base/RussianText.h"
#include "core/CalendarModel.h"
#include "output/Printing.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/SpokenValue.h"
#include "platform/Widgets.h"
#include "windows/WindowServices.h"

#include <QClipboard>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Two lines each on screen, one in the text.
const QStringList &columnNames()
{
    static const QStringList names{
        QStringLiteral("Календарных\nдней"),       QStringLiteral("Рабочих\nдней"),
        QStringLiteral("Выходных и\nпраздничных"), QStringLiteral("Часов при\n40 ч/нед"),
        QStringLiteral("Часов при\n36 ч/нед"),     QStringLiteral("Часов при\n24 ч/нед")};
    return names;
}

QString oneLine(const QString &name)
{
    return QString(name).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QStringList cellTexts(const WorkTotals &totals)
{
    return {QString::number(totals.calendarDays), QString::number(totals.workingDays),
            QString::number(totals.offDays()),    normText(totals.normTenths(40)),
            normText(totals.normTenths(36)),      normText(totals.normTenths(24))};
}

const char *const kRomans[] = {"I", "II", "III", "IV"};

QDateEdit *makeDateEdit(QWidget *parent, const char *name, const QString &heading)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    edit->setAccessibleName(heading);
    return edit;
}

} // namespace

QList<WorkTableRow> workYearTable(const WorkYears &years, int year)
{
    QList<WorkTableRow> rows;
    WorkTotals quarter, half, whole;
    for (int month = 1; month <= 12; ++month) {
        const QDate first(year, month, 1);
        const WorkTotals totals = countWorkDays(years, first, first.addMonths(1).addDays(-1));
        rows.append({monthName(month), totals});
        quarter += totals;
        if (month % 3)
            continue;
        rows.append(
            {QStringLiteral("%1 квартал").arg(QLatin1String(kRomans[month / 3 - 1])), quarter});
        half += quarter;
        quarter = {};
        if (month % 6)
            continue;
        rows.append(
            {QStringLiteral("%1 полугодие").arg(QLatin1String(month == 6 ? "I" : "II")), half});
        whole += half;
        half = {};
    }
    rows.append({QStringLiteral("Год"), whole});
    return rows;
}

QString workYearText(const QList<WorkTableRow> &rows, const QString &heading, const QString &source)
{
    int nameWidth = 0;
    for (const WorkTableRow &row : rows)
        nameWidth = qMax(nameWidth, int(row.name.size()));
    QStringList lines{heading, QString()};
    QString header = QString(nameWidth, QLatin1Char(' '));
    for (const QString &column : columnNames())
        header += QStringLiteral("  ") + oneLine(column);
    lines << header;
    for (const WorkTableRow &row : rows) {
        QString line = row.name.leftJustified(nameWidth);
        const QStringList cells = cellTexts(row.totals);
        for (int i = 0; i < cells.size(); ++i)
            line += QStringLiteral("  ") +
                    cells.at(i).rightJustified(oneLine(columnNames().at(i)).size());
        lines << line;
    }
    lines << QString() << source;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

WorkYearWindow::WorkYearWindow(const CalendarModel &model, WindowServices &services,
                               QWidget *parent)
    : QDialog(parent), m_model(model), m_services(services)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("workYearWindow"));
    setWindowTitle(QStringLiteral("Производственный календарь"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);

    m_headingLabel = new QLabel(this);
    m_headingLabel->setObjectName(QStringLiteral("headingLabel"));
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setObjectName(QStringLiteral("sourceLabel"));
    m_sourceLabel->setWordWrap(true);

    m_table = new QTableWidget(0, int(columnNames().size()), this);
    m_table->setObjectName(QStringLiteral("workTable"));
    m_table->setHorizontalHeaderLabels(columnNames());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *spanHeading = new QLabel(QStringLiteral("Рабочих дней между датами:"), this);
    m_fromEdit = makeDateEdit(this, "fromEdit", QStringLiteral("Рабочих дней с"));
    m_toEdit = makeDateEdit(this, "toEdit", QStringLiteral("Рабочих дней по"));
    m_spanLabel = new QLabel(this);
    m_spanLabel->setObjectName(QStringLiteral("spanLabel"));
    const QDate today = model.today();
    m_fromEdit->setDate(today);
    m_toEdit->setDate(QDate(today.year(), today.month(), today.daysInMonth()));

    auto *copyButton = new QPushButton(QStringLiteral("Копировать"), this);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    auto *printButton = new QPushButton(QStringLiteral("Печать..."), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    auto *closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));

    auto *span = new QHBoxLayout;
    span->addWidget(spanHeading);
    for (auto [text, edit] :
         {std::pair{QStringLiteral("с"), m_fromEdit}, std::pair{QStringLiteral("по"), m_toEdit}}) {
        auto *label = new QLabel(text, this);
        label->setBuddy(edit);
        span->addWidget(label);
        span->addWidget(edit);
    }
    span->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : {copyButton, printButton, closeButton})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_headingLabel);
    layout->addWidget(m_sourceLabel);
    layout->addWidget(m_table, 1);
    layout->addLayout(span);
    layout->addWidget(m_spanLabel);
    layout->addLayout(buttons);

    bindHandler(m_services.dialogs(), copyButton, &QPushButton::clicked, this,
                &WorkYearWindow::copyText);
    bindHandler(m_services.dialogs(), printButton, &QPushButton::clicked, this,
                &WorkYearWindow::printText);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &WorkYearWindow::showSpan);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &WorkYearWindow::showSpan);
    connect(&model, &CalendarModel::yearChanged, this, &WorkYearWindow::showYear);
    showYear();
    showSpan();
    resize(sizeHint());
    centreOnScreen(this);
}

QString WorkYearWindow::heading() const
{
    return QStringLiteral("Производственный календарь на %1 год (пятидневная рабочая неделя)")
        .arg(m_model.year());
}

QString WorkYearWindow::sourceText() const
{
    const WorkYear year = m_model.workYear(m_model.year());
    const QString kind =
        year.decreed ? QStringLiteral("%1 год — по постановлению Правительства РФ.")
                     : QStringLiteral("%1 год — по правилам Трудового кодекса РФ, ещё не утверждён "
                                      "постановлением Правительства РФ.");
    const QString path = m_model.workCalendarPath();
    QString data;
    if (path.isEmpty())
        data = QStringLiteral("Данные производственного календаря не найдены.");
    else if (m_model.workCalendarBuiltIn())
        data = QStringLiteral("Данные встроены в программу.");
    else
        data = QStringLiteral("Данные: файл \"%1\".").arg(path);
    return kind.arg(m_model.year()) + QLatin1Char(' ') + data;
}

void WorkYearWindow::showYear()
{
    m_rows = workYearTable(m_model.workYears(), m_model.year());
    m_headingLabel->setText(heading());
    m_table->setAccessibleName(heading());
    m_sourceLabel->setText(sourceText());
    m_table->setRowCount(int(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const WorkTableRow &row = m_rows.at(r);
        auto *name = new QTableWidgetItem(row.name);
        m_table->setVerticalHeaderItem(r, name);
        const QStringList cells = cellTexts(row.totals);
        // Months plain, the sums in bold, as the printed tables set them.
        const bool sum = r > 0 && (row.name.contains(QLatin1Char(' ')) || r == m_rows.size() - 1);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(sum);
            item->setFont(font);
            m_table->setItem(r, c, item);
        }
    }
    m_table->setCurrentCell(0, 1);
    // The whole table in view, without scroll bars.
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    const int frame = 2 * m_table->frameWidth();
    m_table->setMinimumSize(m_table->verticalHeader()->sizeHint().width() +
                                m_table->horizontalHeader()->length() + frame,
                            m_table->horizontalHeader()->sizeHint().height() +
                                m_table->verticalHeader()->length() + frame);
}

void WorkYearWindow::showSpan()
{
    const QDate from = m_fromEdit->date(), to = m_toEdit->date();
    const WorkTotals totals = countWorkDays(m_model.workYears(), qMin(from, to), qMax(from, to));
    const QString text =
        QStringLiteral("Рабочих дней: %1 (календарных %2, часов при 40-часовой неделе %3)")
            .arg(totals.workingDays)
            .arg(totals.calendarDays)
            .arg(normText(totals.normTenths(40)));
    m_spanLabel->setText(text);
    speakValue(m_spanLabel, text);
}

QString WorkYearWindow::text() const
{
    return workYearText(m_rows, heading(), sourceText());
}

void WorkYearWindow::copyText()
{
    QGuiApplication::clipboard()->setText(text());
}

void WorkYearWindow::printText()
{
    QPrinter &printer = m_services.printer();
    if (!m_services.dialogs().printDialog(this, &printer))
        return;
    HourglassCursor hourglass;
    QTextDocument document;
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    document.setPlainText(text());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        throw PrintError(QStringLiteral("Не удалось напечатать производственный календарь"));
}
