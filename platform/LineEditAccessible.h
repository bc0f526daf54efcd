// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One-line text fields as assistive technology reads them. The toolkit's own
// interface loops for ever when a screen reader asks for the word at an
// offset (Ctrl+Right in any field froze the program), so every QLineEdit
// gets this one: its text at, before and after an offset follows characters,
// words, sentences and lines found with QTextBoundaryFinder.
#include <QAccessibleWidget>

class QLineEdit;

// Registers the factory for every line edit; call once before any is read.
void installLineEditAccessibility();

// Where a piece of text of one kind starts and ends, [start, end).
struct TextSpan {
    int start = -1;
    int end = -1;
};

// The piece of text around offset, word pieces from one word's start to the
// next one's (the trailing spaces included), as AT-SPI's WORD_START asks.
// An offset at the end belongs to the last piece, except for characters.
TextSpan textSpanAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary);

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit *edit);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *edit() const;
    // What a reader may read: nothing of a hidden entry such as a password.
    QString readableText() const;
    // The text with the span put in; false (nothing changed) when the field
    // is read-only or its validator refuses the result.
    bool changeText(int startOffset, int endOffset, const QString &text);
    QString spanText(TextSpan span, int *startOffset, int *endOffset) const;
    int effectiveOffset(int offset) const;
};
