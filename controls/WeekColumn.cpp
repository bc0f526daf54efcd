// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/WeekColumn.h"

#include "controls/PixelLines.h"

#include <QPaintEngine>
#include <QPainter>

namespace {

// Week numbers are secondary: smaller, and grey.
constexpr int kFontPercent = 80;
const QColor kNumberColour(0x80, 0x80, 0x80);

// The image a painter sets pixel for pixel, when a copied picture lands on
// it exactly as drawing would: no scaling, no opacity, plain blending, and
// one of the 32-bit formats of screens and the program's pictures.
const QImage *pixelTarget(const QPainter &painter)
{
    if (!paintsWholePixels(painter) || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    const QPaintDevice *device = painter.paintEngine()->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    const auto *image = static_cast<const QImage *>(device);
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return image;
    default: return nullptr;
    }
}

} // namespace

bool WeekColumn::Picture::operator==(const Picture &other) const
{
    return numbers == other.numbers && cells == other.cells && background == other.background &&
           format == other.format && dpi == other.dpi;
}

void WeekColumn::setFont(const QFont &gridFont)
{
    QFont font = gridFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, font.pixelSize() * kFontPercent / 100));
    else
        font.setPointSizeF(font.pointSizeF() * kFontPercent / 100);
    m_font = font;
    m_laidOut.fill(0);
    m_image = QImage();
}

void WeekColumn::draw(QPainter &painter, const Numbers &numbers, const Cells &cells,
                      const std::optional<QColor> &bareBackground)
{
    // Copying is drawing only over an opaque background.
    const QImage *target =
        bareBackground && bareBackground->alpha() == 255 ? pixelTarget(painter) : nullptr;
    if (!layOut(numbers, cells) || !target) {
        drawTexts(painter, numbers, cells, QPoint());
        return;
    }
    QRect area;
    for (const QRect &cell : cells)
        area |= cell;
    // A font's size in pixels follows the vertical dpi of the device it is set for.
    const Picture picture{numbers, cells, bareBackground->rgba(), target->format(),
                          painter.device()->logicalDpiY()};
    if (m_image.isNull() || !(picture == m_picture)) {
        m_image = QImage(area.size(), target->format());
        m_image.setDotsPerMeterX(qRound(picture.dpi / 0.0254));
        m_image.setDotsPerMeterY(qRound(picture.dpi / 0.0254));
        m_image.fill(*bareBackground);
        QPainter imagePainter(&m_image);
        imagePainter.setRenderHints(painter.renderHints());
        drawTexts(imagePainter, numbers, cells, -area.topLeft());
        m_picture = picture;
    }
    // The picture is opaque: copied, not blended.
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), m_image);
    painter.setCompositionMode(mode);
}

namespace {

QPoint placeIn(const QRect &cell, const QSizeF &size)
{
    return {cell.x() + qRound((cell.width() - size.width()) / 2),
            cell.y() + qRound((cell.height() - size.height()) / 2)};
}

} // namespace

bool WeekColumn::layOut(const Numbers &numbers, const Cells &cells)
{
    bool inside = true;
    for (size_t row = 0; row < size_t(kRows); ++row) {
        if (!numbers[row])
            continue;
        QStaticText &text = m_texts[row];
        if (numbers[row] != m_laidOut[row]) {
            m_laidOut[row] = numbers[row];
            text.setText(QString::number(numbers[row]));
            text.prepare(QTransform(), m_font);
        }
        const QRectF box(placeIn(cells[row], text.size()), text.size());
        inside = inside && QRectF(cells[row]).contains(box);
    }
    return inside;
}

void WeekColumn::drawTexts(QPainter &painter, const Numbers &numbers, const Cells &cells,
                           const QPoint &shift) const
{
    painter.setFont(m_font);
    painter.setPen(kNumberColour);
    for (size_t row = 0; row < size_t(kRows); ++row)
        if (numbers[row])
            painter.drawStaticText(placeIn(cells[row], m_texts[row].size()) + shift, m_texts[row]);
}
