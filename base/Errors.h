// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one family of failures. The text is what the user reads in the box.
#include <QByteArray>
#include <QString>
#include <exception>
#include <optional>

class DayrailError : public std::exception {
public:
    explicit DayrailError(QString text);
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// A text that is not a whole number.
class ConvertError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// A file that cannot be opened, read or written.
class FileError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// A date element a month grid cannot take.
class DateError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// A picture that cannot be loaded or written.
class PictureError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// A print job that cannot be started or finished.
class PrintError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

// What a failed body says: its error's text, for the user; nothing when it
// ran through. Other exceptions give their what().
template <typename Body> std::optional<QString> failureOf(Body &&body)
{
    try {
        body();
    } catch (const DayrailError &e) {
        return e.text();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}
