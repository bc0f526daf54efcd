// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box and modal dialog goes through this seam, so tests can
// record messages and script the answers instead of blocking on a dialog.
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QPrinter;
class QWidget;

class DialogSeam {
public:
    virtual ~DialogSeam();
    // A plain information box with an OK button.
    virtual void message(const QString &text) = 0;
    // The box that reports a failed handler.
    virtual void error(const QString &text) = 0;
    // A result with a list: the summary, and the details in a text the user
    // can scroll and copy. By default one plain message of both.
    virtual void report(const QString &summary, const QString &details);
    // A warning with "Да" and "Нет", "Нет" the default; true for "Да".
    virtual bool question(const QString &text) = 0;
    // A warning with two answers worded by the caller, the second the
    // default; true for the first. A seam that scripts question() answers
    // this the same way.
    virtual bool choose(const QString &text, const QString &first, const QString &second);
    // Empty result: the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual bool printDialog(QWidget *parent, QPrinter *printer) = 0;
    virtual bool printerSetup(QWidget *parent, QPrinter *printer) = 0;
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) = 0;
    // The toolkit's print preview of printer's pages, which paint draws on
    // the printer it is given (again on each refresh, and once more when the
    // user prints from the preview); true when the user printed. A seam
    // that does not show previews shows nothing and returns false.
    virtual bool printPreview(QWidget *parent, QPrinter *printer,
                              const std::function<void(QPrinter *)> &paint);
};

// The toolkit's own boxes and dialogs, as the program shows them.
class ToolkitDialogs final : public DialogSeam {
public:
    void message(const QString &text) override;
    void error(const QString &text) override;
    void report(const QString &summary, const QString &details) override;
    bool question(const QString &text) override;
    bool choose(const QString &text, const QString &first, const QString &second) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &defaultSuffix) override;
    bool printDialog(QWidget *parent, QPrinter *printer) override;
    bool printerSetup(QWidget *parent, QPrinter *printer) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &initial) override;
    bool printPreview(QWidget *parent, QPrinter *printer,
                      const std::function<void(QPrinter *)> &paint) override;
};

// The save dialog as the program runs it: it asks before replacing a file.
void prepareSaveDialog(QFileDialog &dialog, const QString &defaultSuffix);

// Title of every box the program shows.
inline const char *const kBoxTitle = "Dayrail XP";
