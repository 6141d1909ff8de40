#include "CLettering.h"

#include "PictureWords.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Below this size a text is squeezed sideways instead of shrunk further, so it stays readable.
constexpr qreal kSmallestPixelSize = 8;

QColor ColourOf(quint32 rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

QFont CLettering::Font(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setBold(bold);
    // Unhinted outlines keep the same shape at every scale.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont CLettering::FittingFont(const QString& text, qreal pixelSize, qreal width, bool bold)
{
    QFont font = Font(pixelSize, bold);
    while (pixelSize > kSmallestPixelSize && QFontMetricsF(font).horizontalAdvance(text) > width) {
        pixelSize -= 1;
        font = Font(pixelSize, bold);
    }
    return font;
}

QPainterPath CLettering::TextPath(const QString& text, const QFont& font, qreal x, qreal baseline)
{
    QPainterPath path;
    path.addText(x, baseline, font, text);
    return path;
}

void CLettering::Paint(QPainter& painter, const QPainterPath& path, const QColor& fill,
                       const QColor& outline, qreal outlineWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        QPen pen(outline, outlineWidth * 2);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
    painter.fillPath(path, fill);
    painter.restore();
}

void CLettering::DrawCentred(QPainter& painter, const QRectF& box, const QString& text,
                             const QFont& font, const QColor& fill, const QColor& outline,
                             qreal outlineWidth)
{
    const QFontMetricsF metrics(font);
    const qreal x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const qreal baseline = box.center().y() + metrics.capHeight() / 2;
    Paint(painter, TextPath(text, font, x, baseline), fill, outline, outlineWidth);
}

void CLettering::DrawLeft(QPainter& painter, const QRectF& box, const QString& text,
                          const QFont& font, const QColor& fill, const QColor& outline,
                          qreal outlineWidth)
{
    const qreal baseline = box.center().y() + QFontMetricsF(font).capHeight() / 2;
    Paint(painter, TextPath(text, font, box.left(), baseline), fill, outline, outlineWidth);
}

void CLettering::DrawPictureWords(QPainter& painter, int pictureId)
{
    for (const PictureWords::Word& word : PictureWords::For(pictureId)) {
        const QString text = PictureWords::Text(word);
        // The edge drawn around the letters takes room too.
        const qreal room = word.box.width() - 2 * word.outlineWidth;
        const QFont font = FittingFont(text, word.pixelSize, room);
        const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
        painter.save();
        if (advance > room && advance > 0) {
            // Still too long at the smallest size: squeeze it sideways into its place.
            const qreal squeeze = room / advance;
            const qreal anchor = word.align == PictureWords::Align::Left
                                     ? word.box.left() + word.outlineWidth
                                     : word.box.center().x();
            painter.translate(anchor, 0);
            painter.scale(squeeze, 1);
            painter.translate(-anchor, 0);
        }
        auto letter = [&](const QRectF& box, const QColor& fill, const QColor& outline) {
            if (word.align == PictureWords::Align::Left)
                DrawLeft(painter, box, text, font, fill, outline, word.outlineWidth);
            else
                DrawCentred(painter, box, text, font, fill, outline, word.outlineWidth);
        };
        if (!word.shadowOffset.isNull())
            letter(word.box.translated(word.shadowOffset), ColourOf(word.shadow),
                   ColourOf(word.shadow));
        letter(word.box, ColourOf(word.fill), ColourOf(word.outline));
        painter.restore();
    }
}
