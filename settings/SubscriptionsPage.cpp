// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SubscriptionsPage.h"

#include "platform/Announcement.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"
#include "sync/Subscriptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

namespace {

// A new calendar's colour until the user picks another: a green that reads
// beside the weekend red on light and dark grids alike.
const QColor kFirstColour(0x2E, 0x8B, 0x57);

QIcon swatch(const QColor &colour)
{
    QPixmap picture(12, 12);
    picture.fill(colour);
    QPainter(&picture).drawRect(0, 0, 11, 11);
    return QIcon(picture);
}

QString shownTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

SubscriptionDialog::SubscriptionDialog(DialogSeam &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_colour(kFirstColour)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("subscriptionDialog"));
    setWindowTitle(QStringLiteral("Добавить подписку"));
    setFixedSize(440, 214);
    const auto field = [this](const char *name, const QString &caption, int y) {
        QLabel *label =
            placeLabel(this, QByteArray(name).append("Label").constData(), caption, 12, y + 3);
        QLineEdit *edit = editField(this, name, caption, 130, y, 298);
        label->setBuddy(edit);
        return edit;
    };
    m_url = field("urlField", QStringLiteral("Адрес календаря:"), 12);
    m_url->setPlaceholderText(QStringLiteral("https://… или webcal://…"));
    m_name = field("nameField", QStringLiteral("Название:"), 44);
    QLabel *colourLabel = placeLabel(this, "colourLabel", QStringLiteral("Цвет:"), 12, 79);
    m_colourButton = pushButton(this, "colourButton", QStringLiteral("Выбрать…"), 130, 76, 100);
    colourLabel->setBuddy(m_colourButton);
    QLabel *hoursLabel =
        placeLabel(this, "hoursLabel", QStringLiteral("Обновлять каждые, часов:"), 12, 111);
    m_hours = place(new QSpinBox(this), 200, 108, 70, 22);
    m_hours->setObjectName(QStringLiteral("hoursField"));
    m_hours->setAccessibleName(QStringLiteral("Обновлять каждые, часов"));
    m_hours->setRange(kFewestRefreshHours, kMostRefreshHours);
    m_hours->setValue(24);
    hoursLabel->setBuddy(m_hours);
    m_allowHttp = new QCheckBox(QStringLiteral("Разрешить адрес без шифрования (http://)"), this);
    m_allowHttp->setObjectName(QStringLiteral("allowHttp"));
    m_allowHttp->setAccessibleName(m_allowHttp->text());
    m_allowHttp->move(12, 142);
    m_allowHttp->adjustSize();
    QPushButton *ok = pushButton(this, "okButton", QStringLiteral("OK"), 252, 178, 84);
    QPushButton *cancel = pushButton(this, "cancelButton", QStringLiteral("Отмена"), 344, 178, 84);
    ok->setDefault(true);
    // A refused address is said at once, and the dialog stays with what was typed.
    connect(ok, &QPushButton::clicked, this, [this] {
        if (runHandler(m_dialogs,
                       [this] { subscriptionAddress(m_url->text(), m_allowHttp->isChecked()); }))
            accept();
        else
            m_url->setFocus(Qt::OtherFocusReason);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_colourButton, &QPushButton::clicked, this, &SubscriptionDialog::chooseColour);
    showColour();
}

void SubscriptionDialog::chooseColour()
{
    if (const std::optional<QColor> colour = m_dialogs.chooseColour(this, m_colour)) {
        m_colour = *colour;
        showColour();
    }
}

void SubscriptionDialog::showColour()
{
    m_colourButton->setIcon(swatch(m_colour));
    // The colour is said, not only shown.
    m_colourButton->setAccessibleDescription(m_colour.name());
}

Subscription SubscriptionDialog::subscription() const
{
    Subscription s;
    s.url = m_url->text().trimmed();
    s.name = m_name->text().trimmed();
    s.colour = m_colour;
    s.hours = m_hours->value();
    s.allowHttp = m_allowHttp->isChecked();
    return s;
}

SubscriptionsPage::SubscriptionsPage(Subscriptions &subscriptions, DialogSeam &dialogs,
                                     QWidget *parent)
    : QWidget(parent), m_subscriptions(subscriptions), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("subscriptionsPage"));
    heading(this, "subscriptionsHeading",
            QStringLiteral("Календари по подписке: показываются на сетке, только для просмотра"),
            16, 16);
    QLabel *label = placeLabel(this, "subscriptionListLabel", QStringLiteral("Подписки:"), 16, 48);
    m_list = place(new QListWidget(this), 16, 68, 480, 276);
    m_list->setObjectName(QStringLiteral("subscriptionList"));
    m_list->setAccessibleName(QStringLiteral("Подписки"));
    m_list->setWordWrap(true);
    m_list->setSpacing(2);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    label->setBuddy(m_list);
    m_add = pushButton(this, "addSubscription", QStringLiteral("Добавить…"), 512, 68, 148);
    m_remove = pushButton(this, "removeSubscription", QStringLiteral("Удалить"), 512, 100, 148);
    m_refresh =
        pushButton(this, "refreshSubscription", QStringLiteral("Обновить сейчас"), 512, 132, 148);

    connect(m_add, &QPushButton::clicked, this, &SubscriptionsPage::addSubscription);
    connect(m_remove, &QPushButton::clicked, this,
            [this] { runHandler(m_dialogs, [this] { removeSubscription(); }); });
    connect(m_refresh, &QPushButton::clicked, this, &SubscriptionsPage::refreshSubscription);
    connect(m_list, &QListWidget::currentRowChanged, this, &SubscriptionsPage::showButtons);
    connect(&m_subscriptions, &Subscriptions::listChanged, this, &SubscriptionsPage::showList);
    showList();
}

QString SubscriptionsPage::lineOf(const Subscription &s, bool refreshing)
{
    const QString head = QStringLiteral("%1 (каждые %2 ч)").arg(s.name).arg(s.hours);
    QString status;
    if (refreshing)
        status = QStringLiteral("обновляется…");
    else if (!s.attempted.isValid())
        status = QStringLiteral("ещё не обновлялась");
    else if (!s.failed)
        status = QStringLiteral("обновлена %1, %2").arg(shownTime(s.succeeded), s.status);
    else if (s.succeeded.isValid())
        status = QStringLiteral("не обновилась %1: %2 Показана копия от %3.")
                     .arg(shownTime(s.attempted), s.status, shownTime(s.succeeded));
    else
        status = QStringLiteral("не обновилась %1: %2").arg(shownTime(s.attempted), s.status);
    return head + QLatin1Char('\n') + status;
}

void SubscriptionsPage::showList()
{
    const QString selected = selectedId();
    const QList<Subscription> &list = m_subscriptions.list();
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const Subscription &s : list) {
            const bool refreshing = m_subscriptions.isRefreshing(s.id);
            auto *item = new QListWidgetItem(swatch(s.colour), lineOf(s, refreshing), m_list);
            item->setData(Qt::UserRole, s.id);
            if (m_asked.contains(s.id) && !refreshing) {
                m_asked.remove(s.id);
                announce(m_list, item->text());
            }
        }
        int row = 0;
        for (int i = 0; i < list.size(); ++i)
            if (list.at(i).id == selected)
                row = i;
        m_list->setCurrentRow(list.isEmpty() ? -1 : row);
    }
    showButtons();
}

void SubscriptionsPage::showButtons()
{
    const bool chosen = !selectedId().isEmpty();
    m_remove->setEnabled(chosen);
    m_refresh->setEnabled(chosen && !m_subscriptions.isRefreshing(selectedId()));
}

QString SubscriptionsPage::selectedId() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void SubscriptionsPage::addSubscription()
{
    auto *dialog = new SubscriptionDialog(m_dialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        runHandler(m_dialogs, [&] {
            const Subscription s = dialog->subscription();
            m_subscriptions.add(s);
            const QString id = m_subscriptions.list().constLast().id;
            m_asked.insert(id);
            m_list->setCurrentRow(m_list->count() - 1);
            m_list->setFocus(Qt::OtherFocusReason);
        });
    });
    dialog->open();
}

void SubscriptionsPage::removeSubscription()
{
    const QString id = selectedId();
    const QListWidgetItem *item = m_list->currentItem();
    if (id.isEmpty() || !item)
        return;
    const QString name = item->text().section(QLatin1Char('\n'), 0, 0);
    if (!m_dialogs.question(
            QStringLiteral("Удалить подписку «%1»? Её дни исчезнут с сетки.").arg(name)))
        return;
    m_subscriptions.remove(id);
}

void SubscriptionsPage::refreshSubscription()
{
    const QString id = selectedId();
    if (id.isEmpty())
        return;
    m_asked.insert(id);
    m_subscriptions.refresh(id);
}
