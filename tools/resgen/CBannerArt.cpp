#include "CBannerArt.h"

#include "CArtStyle.h"
#include "CIconArt.h"
#include "COwlArt.h"

#include <QPainter>
#include <QPainterPath>

void CBannerArt::Draw(QPainter& painter, const QRectF& rect, const QColor& colour, Sign sign)
{
    DrawBand(painter, rect, colour);
    DrawStars(painter, rect, colour == CArtStyle::Sun() ? CArtStyle::Coral() : CArtStyle::Sun());
    DrawBadge(painter, rect, sign);
}

void CBannerArt::DrawBand(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, CArtStyle::Tint(colour, 0.30));
    fill.setColorAt(1.0, CArtStyle::Shade(colour, 0.05));
    painter.fillRect(rect, fill);

    // A lighter rolling hill along the bottom gives the band depth.
    QPainterPath hill;
    const qreal base = rect.bottom() - rect.height() * 0.22;
    hill.moveTo(rect.left(), base);
    const int humps = 5;
    const qreal step = rect.width() / humps;
    for (int i = 0; i < humps; ++i) {
        const qreal x = rect.left() + i * step;
        hill.quadTo(x + step / 2, base - rect.height() * ((i % 2) ? 0.10 : 0.20), x + step, base);
    }
    hill.lineTo(rect.bottomRight());
    hill.lineTo(rect.bottomLeft());
    hill.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 55));
    painter.drawPath(hill);

    // Big soft bubbles on the right.
    painter.setBrush(QColor(255, 255, 255, 45));
    const qreal h = rect.height();
    painter.drawEllipse(QPointF(rect.right() - h * 0.9, rect.top() + h * 0.25), h * 0.55, h * 0.55);
    painter.drawEllipse(QPointF(rect.right() - h * 2.2, rect.bottom() - h * 0.05), h * 0.4,
                        h * 0.4);
    painter.drawEllipse(QPointF(rect.left() + rect.width() * 0.55, rect.top() - h * 0.1), h * 0.35,
                        h * 0.35);
    painter.restore();

    painter.fillRect(QRectF(rect.left(), rect.bottom() - 3, rect.width(), 3),
                     CArtStyle::Shade(colour, 0.35));
}

void CBannerArt::DrawBadge(QPainter& painter, const QRectF& rect, Sign sign)
{
    const qreal size = rect.height() - 10;
    const QRectF badge(rect.left() + 8, rect.top() + 4, size, size);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(badge.translated(1.5, 2));
    painter.restore();
    CArtStyle::FillEllipse(painter, badge, Qt::white, 2.5);
    const qreal inset = size * 0.14;
    DrawSign(painter, badge.adjusted(inset, inset, -inset, -inset), sign);
}

void CBannerArt::DrawSign(QPainter& painter, const QRectF& square, Sign sign)
{
    switch (sign) {
    case Sign::Owl:
        COwlArt::Draw(painter, square.adjusted(-2, -3, 2, 1), {COwlArt::Mood::Happy, 0.0, true});
        break;
    case Sign::PencilAndPaper:
        CIconArt::DrawPencilAndPaper(painter, square);
        break;
    case Sign::Disk:
        CIconArt::DrawDisk(painter, square.adjusted(2, 2, -2, -2));
        break;
    case Sign::Clipboard:
        CIconArt::DrawClipboard(painter, square);
        break;
    case Sign::TrueFalse:
        CIconArt::DrawTrueFalse(painter, square);
        break;
    case Sign::FlashCards:
        CIconArt::DrawFlashCards(painter, square);
        break;
    case Sign::LetterBlocks:
        CIconArt::DrawLetterBlocks(painter, square);
        break;
    case Sign::MathSigns:
        CIconArt::DrawMathSigns(painter, square.adjusted(1, 1, -1, -1));
        break;
    case Sign::Trophy:
        CIconArt::DrawTrophy(painter, square);
        break;
    }
}

void CBannerArt::DrawStars(QPainter& painter, const QRectF& rect, const QColor& starColour)
{
    const qreal h = rect.height();
    const qreal right = rect.right();
    CArtStyle::DrawStar(painter, QPointF(right - h * 0.55, rect.top() + h * 0.42), h * 0.24,
                        starColour, 2.0, -80);
    CArtStyle::DrawStar(painter, QPointF(right - h * 1.25, rect.top() + h * 0.62), h * 0.15,
                        starColour, 1.8, -100);
    CArtStyle::DrawTwinkle(painter, QPointF(right - h * 1.0, rect.top() + h * 0.2), h * 0.09,
                           Qt::white);
    CArtStyle::DrawTwinkle(painter, QPointF(right - h * 0.22, rect.top() + h * 0.82), h * 0.07,
                           Qt::white);
    CArtStyle::DrawTwinkle(painter, QPointF(right - h * 1.6, rect.top() + h * 0.28), h * 0.06,
                           Qt::white);
}
