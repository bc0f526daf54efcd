// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LineEditAccessible.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

namespace {

QAccessibleInterface *lineEditFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(QLineEdit::staticMetaObject.className()))
        return nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return new LineEditAccessible(edit);
    return nullptr;
}

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType boundary)
{
    switch (boundary) {
    case QAccessible::WordBoundary: return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary: return QTextBoundaryFinder::Sentence;
    default: return QTextBoundaryFinder::Grapheme;
    }
}

} // namespace

void installLineEditAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&lineEditFactory);
}

TextSpan textSpanAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int length = int(text.size());
    if (offset < 0 || offset > length)
        return {};
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary ||
        boundary == QAccessible::NoBoundary)
        return {0, length}; // the field holds one line
    if (boundary == QAccessible::CharBoundary && offset == length)
        return {length, length};
    const int inside = offset == length ? std::max(0, length - 1) : offset;
    QTextBoundaryFinder finder(finderType(boundary), text);
    TextSpan span{0, length};
    // Forward only, one boundary at a time, so every call ends.
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < length;
         at = finder.toNextBoundary()) {
        // Between words only a word's start begins a piece.
        if (boundary == QAccessible::WordBoundary &&
            !(finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            continue;
        if (at > inside) {
            span.end = int(at);
            break;
        }
        span.start = int(at);
    }
    return span;
}

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QLineEdit *LineEditAccessible::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

QString LineEditAccessible::readableText() const
{
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : QString();
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) {
        if (edit()->echoMode() == QLineEdit::Normal)
            return edit()->text();
        if (edit()->echoMode() != QLineEdit::NoEcho)
            return QString(edit()->text().size(), QLatin1Char('*'));
        return {};
    }
    QString result = QAccessibleWidget::text(t);
    if (result.isEmpty() && t == QAccessible::Description)
        result = edit()->placeholderText();
    return result;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        changeText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = *startOffset + edit()->selectionLength();
}

int LineEditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return readableText().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::effectiveOffset(int offset) const
{
    // The toolkit's conventions: -1 is the end, -2 the caret.
    if (offset == -1)
        return characterCount();
    if (offset == -2)
        return cursorPosition();
    return offset;
}

QString LineEditAccessible::spanText(TextSpan span, int *startOffset, int *endOffset) const
{
    *startOffset = span.start;
    *endOffset = span.end;
    if (span.start < 0)
        return {};
    return readableText().mid(span.start, span.end - span.start);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return spanText(textSpanAt(readableText(), effectiveOffset(offset), boundaryType), startOffset,
                    endOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    const QString text = readableText();
    const TextSpan at = textSpanAt(text, effectiveOffset(offset), boundaryType);
    const TextSpan before =
        at.start > 0 ? textSpanAt(text, at.start - 1, boundaryType) : TextSpan{};
    return spanText(before, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    const QString text = readableText();
    const TextSpan at = textSpanAt(text, effectiveOffset(offset), boundaryType);
    const TextSpan after =
        at.start >= 0 && at.end < text.size() ? textSpanAt(text, at.end, boundaryType) : TextSpan{};
    return spanText(after, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(edit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QLineEdit *e = edit();
    const QString shown = e->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Measured from the caret, whose place already counts the scrolled-off text.
    const QRect caret = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(e->font());
    const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(e->cursorPosition()));
    const QRect rect(x, caret.y(), metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height());
    return QRect(e->mapToGlobal(rect.topLeft()), rect.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One plain run: the field has no formatting.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    changeText(startOffset, endOffset, {});
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    changeText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    changeText(startOffset, endOffset, text);
}

bool LineEditAccessible::changeText(int startOffset, int endOffset, const QString &text)
{
    QLineEdit *e = edit();
    const int length = characterCount();
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, startOffset, length);
    if (e->isReadOnly())
        return false;
    QString result = e->text();
    result.replace(startOffset, endOffset - startOffset, text);
    if (const QValidator *validator = e->validator()) {
        int position = 0;
        if (validator->validate(result, position) == QValidator::Invalid)
            return false;
    }
    e->setText(result);
    return true;
}
