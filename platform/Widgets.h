// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces the windows share: a stretched picture, the per-character key
// filter of entry fields, the windows' font, window colour and a window's
// constant opacity.
#include "base/Colours.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;

// A picture control: draws its picture stretched over its whole rectangle.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget *parent = nullptr);
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // Stretched over the whole control (true) or drawn at its own size.
    void setStretch(bool stretch);
    // A transparent control leaves out a bitmap's transparent colour.
    void setTransparent(bool transparent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QImage m_drawn; // the picture as painted
    bool m_stretch = true;
    bool m_transparent = false;
};

// Drops every typed character for which accept() is false. Control keys
// (Backspace, Tab, Enter, Ctrl+letters) are never touched, so editing,
// focus moves, the default button and the clipboard keep working.
void installCharFilter(QWidget *field, std::function<bool(QChar)> accept);
// The year-field rule: digits only.
bool isDigitChar(QChar c);

// The font the program's windows are laid out in.
QFont programFont();
// Gives a window of fixed layout (or a control that inherits nothing, as one
// with a style sheet) its font with every attribute set: a later application
// font, as a platform theme sets after start-up, then reaches neither it nor
// its controls. Called before the window derives fonts from font().
void keepLayoutFont(QWidget *widget, QFont font = programFont());

// Window colour as the background behind every transparent control.
void setWindowColour(QWidget *window, const QColor &colour);
QColor windowColour(const QWidget *window);
// Font colour of a label.
void setFontColour(QLabel *label, const QColor &colour);
QColor fontColour(const QLabel *label);

// A caption at the given place, sized to its text; the object and accessible
// names are set too. pixelSize 0 keeps the window's font size.
QLabel *placeLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   int pixelSize = 0, bool bold = false);

// Places a control at the given position and size (the windows' absolute layout).
template <typename T> T *place(T *control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}

// Centres a top-level window on its screen.
void centreOnScreen(QWidget *window);

// Whether a window's opacity can be set on the named Qt platform. Wayland
// compositors leave it to themselves, and Qt warns on every attempt there.
bool supportsWindowOpacity(const QString &platformName);

// A window's constant opacity ("alpha blending"): the value is kept while
// blending is off, so switching back on restores it. Where the platform has no
// window opacity the window just stays opaque.
class AlphaBlending {
public:
    explicit AlphaBlending(QWidget *window, int value = 255) : m_window(window), m_value(value) {}
    bool enabled() const { return m_enabled; }
    int value() const { return m_value; }
    void setEnabled(bool on);
    void setValue(int value);

private:
    void apply();
    QWidget *m_window;
    bool m_enabled = false;
    int m_value;
};
