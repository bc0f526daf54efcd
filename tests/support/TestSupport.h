// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers: a dialog seam that records messages and scripts answers, and
// a fresh program folder with every window created in the program's order.
#include "platform/Dialogs.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

class RecordingDialogs : public DialogSeam {
public:
    void message(const QString &text) override { messages << text; }
    void error(const QString &text) override { errors << text; }
    bool question(const QString &text) override
    {
        questions << text;
        return questionAnswer;
    }
    QString openFileName(QWidget *, const QString &title, const QString &) override;
    QString saveFileName(QWidget *, const QString &title, const QString &,
                         const QString &) override;
    bool printDialog(QWidget *, QPrinter *) override;
    bool printerSetup(QWidget *, QPrinter *) override;
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override;
    // Draws the pages once on the printer given, as a preview would, and
    // answers previewAnswer as if the user printed (or not).
    bool printPreview(QWidget *, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override
    {
        ++previews;
        printers << printer;
        paint(printer);
        return previewAnswer;
    }

    // Everything shown, messages and errors alike.
    QStringList all() const { return messages + errors; }
    void clear()
    {
        messages.clear();
        errors.clear();
        questions.clear();
        titles.clear();
        filters.clear();
        suffixes.clear();
        printDialogs = 0;
        previews = 0;
        printers.clear();
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    bool questionAnswer = false;     // "Нет", the default
    QStringList titles;              // titles of the file dialogs asked for
    QStringList filters;             // their filters
    QStringList suffixes;            // default extensions of the save dialogs
    int printDialogs = 0;            // print and printer set-up dialogs run
    QList<QPrinter *> printers;      // the printers those and the previews were given
    std::deque<QString> fileAnswers; // next file dialog answers ("" = cancel)
    bool printAnswer = true;
    int previews = 0; // print previews shown
    bool previewAnswer = false;
    std::optional<QColor> colourAnswer;
};

// A temporary program folder; writes files into it before the windows exist.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path(const QString &name = QString()) const;
    // Writes lines in Windows-1251 with CR LF, as the program does.
    void write(const QString &name, const QStringList &lines) const;
    QStringList read(const QString &name) const;
    QByteArray bytes(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Types text into a widget one key press per character, Cyrillic included
// (QTest::keyClicks only knows ASCII).
class QWidget;
void typeText(QWidget *widget, const QString &text);

// The first page of a PDF file as a picture at the given dots per inch
// (through pdftoppm); a null image when it cannot be made.
QImage rasterisePdf(const QString &pdfPath, int dpi);
// Bounding box of the pixels for which match() holds.
QRect pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &match);
