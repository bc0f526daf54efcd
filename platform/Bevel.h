// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An etched frame or line: a shadow line with a highlight line beside it.
#include <QWidget>

class Bevel : public QWidget {
    Q_OBJECT
public:
    enum Shape { Box, TopLine, LeftLine };
    enum Style { Lowered, Raised };
    Bevel(QWidget *parent, Shape shape, Style style);
    Shape shape() const { return m_shape; }
    Style style() const { return m_style; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape;
    Style m_style;
};
