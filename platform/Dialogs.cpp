// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include "base/Errors.h"
#include "base/Pictures.h"
#include "platform/ReportDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

DialogSeam::~DialogSeam() = default;

bool DialogSeam::printPreview(QWidget *, QPrinter *, const std::function<void(QPrinter *)> &)
{
    return false;
}

bool DialogSeam::choose(const QString &text, const QString &, const QString &)
{
    return question(text);
}

namespace {

QWidget *boxParent(QWidget *parent)
{
    if (parent)
        return parent;
    QWidget *active = QApplication::activeWindow();
    return active;
}

// The toolkit's preview leaves the controls Tab reaches unnamed.
void namePreviewControls(QPrintPreviewDialog &dialog)
{
    for (QLineEdit *field : dialog.findChildren<QLineEdit *>()) {
        if (auto *zoom = qobject_cast<QComboBox *>(field->parentWidget())) {
            zoom->setAccessibleName(QStringLiteral("Масштаб"));
            field->setAccessibleName(zoom->accessibleName());
        } else {
            field->setAccessibleName(QStringLiteral("Номер страницы"));
        }
    }
    if (auto *pages = dialog.findChild<QPrintPreviewWidget *>())
        pages->setAccessibleName(QStringLiteral("Страницы"));
}

void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromUtf8(kBoxTitle), text, QMessageBox::Ok, boxParent(nullptr));
    // A box that must be answered never sits under a stay-on-top window (the
    // tips may come up while a start-up message waits).
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

// A preview of the file under the cursor, when it is a picture we can load.
void addPicturePreview(QFileDialog &dialog)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!grid)
        return;
    auto *preview = new QLabel(&dialog);
    preview->setFixedSize(160, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 1, grid->columnCount(), Qt::AlignTop);
    QObject::connect(
        &dialog, &QFileDialog::currentChanged, preview, [preview](const QString &path) {
            QImage picture;
            if (QFileInfo(path).isFile()) {
                try {
                    picture = loadPicture(path);
                } catch (const DayrailError &) {
                    // Not a picture we know: no preview.
                }
            }
            preview->setPixmap(
                picture.isNull() ? QPixmap()
                                 : QPixmap::fromImage(picture.scaled(preview->size() - QSize(4, 4),
                                                                     Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation)));
        });
}

} // namespace

void DialogSeam::report(const QString &summary, const QString &details)
{
    message(details.isEmpty() ? summary : summary + QStringLiteral("\n\n") + details);
}

void prepareSaveDialog(QFileDialog &dialog, const QString &defaultSuffix)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // Replacing a file the user already has takes a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
}

void ToolkitDialogs::message(const QString &text)
{
    showBox(QMessageBox::NoIcon, text);
}

void ToolkitDialogs::error(const QString &text)
{
    showBox(QMessageBox::Critical, text);
}

void ToolkitDialogs::report(const QString &summary, const QString &details)
{
    if (details.isEmpty())
        return message(summary);
    ReportDialog dialog(summary, details, boxParent(nullptr));
    dialog.setWindowTitle(QString::fromUtf8(kBoxTitle));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.exec();
}

bool ToolkitDialogs::question(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kBoxTitle), text,
                    QMessageBox::Yes | QMessageBox::No, boxParent(nullptr));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

bool ToolkitDialogs::choose(const QString &text, const QString &first, const QString &second)
{
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kBoxTitle), text, QMessageBox::NoButton,
                    boxParent(nullptr));
    QPushButton *yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    return box.clickedButton() == yes;
}

QString ToolkitDialogs::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    QFileDialog dialog(boxParent(parent), title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The toolkit's own dialog, so that the picture's preview fits beside the list.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    addPicturePreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ToolkitDialogs::saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                     const QString &defaultSuffix)
{
    QFileDialog dialog(boxParent(parent), title, QString(), filter);
    prepareSaveDialog(dialog, defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ToolkitDialogs::printDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, boxParent(parent));
    return dialog.exec() == QDialog::Accepted;
}

bool ToolkitDialogs::printerSetup(QWidget *parent, QPrinter *printer)
{
    // The printer with its paper and orientation. The toolkit's page
    // set-up dialog offers no choice of printer here, so without one
    // installed nothing could be printed; print to file stays possible.
    QPrintDialog dialog(printer, boxParent(parent));
    dialog.setWindowTitle(QStringLiteral("Настройка печати"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QColor> ToolkitDialogs::chooseColour(QWidget *parent, const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, boxParent(parent));
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool ToolkitDialogs::printPreview(QWidget *parent, QPrinter *printer,
                                  const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(printer, boxParent(parent));
    namePreviewControls(dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    return dialog.exec() == QDialog::Accepted;
}
