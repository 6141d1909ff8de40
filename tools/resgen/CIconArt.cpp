#include "CIconArt.h"

#include "CArtStyle.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {
constexpr qreal kBox = 100.0;
}

qreal CIconArt::BeginBox(QPainter& painter, const QRectF& square)
{
    const qreal scale = square.width() / kBox;
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(scale, square.height() / kBox);
    return qBound(1.4, 2.8 * scale, 3.2) / scale;
}

void CIconArt::DrawCheckMark(QPainter& painter, const QRectF& square, const QColor& colour,
                             qreal width)
{
    QPainterPath check;
    check.moveTo(square.left() + square.width() * 0.22, square.top() + square.height() * 0.52);
    check.lineTo(square.left() + square.width() * 0.42, square.top() + square.height() * 0.72);
    check.lineTo(square.left() + square.width() * 0.78, square.top() + square.height() * 0.30);
    painter.save();
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    painter.restore();
}

void CIconArt::DrawCrossMark(QPainter& painter, const QRectF& square, const QColor& colour,
                             qreal width)
{
    const qreal inset = square.width() * 0.28;
    const QRectF r = square.adjusted(inset, inset, -inset, -inset);
    painter.save();
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomLeft());
    painter.restore();
}

void CIconArt::DrawCheckBadge(QPainter& painter, const QRectF& square, const QColor& colour)
{
    const qreal outline = BeginBox(painter, square);
    CArtStyle::FillEllipse(painter, QRectF(4, 4, 92, 92), colour, outline);
    CArtStyle::DrawGleam(painter, QRectF(4, 4, 92, 92), 40);
    DrawCheckMark(painter, QRectF(6, 8, 88, 88), CArtStyle::Ink(), 20);
    DrawCheckMark(painter, QRectF(6, 6, 88, 88), Qt::white, 13);
    painter.restore();
}

void CIconArt::DrawCrossBadge(QPainter& painter, const QRectF& square, const QColor& colour)
{
    const qreal outline = BeginBox(painter, square);
    CArtStyle::FillEllipse(painter, QRectF(4, 4, 92, 92), colour, outline);
    CArtStyle::DrawGleam(painter, QRectF(4, 4, 92, 92), 40);
    DrawCrossMark(painter, QRectF(4, 6, 92, 92), CArtStyle::Ink(), 19);
    DrawCrossMark(painter, QRectF(4, 4, 92, 92), Qt::white, 12);
    painter.restore();
}

void CIconArt::DrawTrueFalse(QPainter& painter, const QRectF& square)
{
    const qreal w = square.width();
    DrawCrossBadge(painter,
                   QRectF(square.left() + w * 0.40, square.top() + w * 0.38, w * 0.58, w * 0.58),
                   CArtStyle::Coral());
    DrawCheckBadge(painter,
                   QRectF(square.left() + w * 0.02, square.top() + w * 0.04, w * 0.62, w * 0.62),
                   CArtStyle::Leaf());
}

void CIconArt::DrawFlashCards(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    painter.save();
    painter.translate(50, 52);
    painter.rotate(-14);
    CArtStyle::FillRoundedRect(painter, QRectF(-40, -28, 76, 54), 8, CArtStyle::Grape(), outline);
    painter.restore();

    painter.save();
    painter.translate(52, 54);
    painter.rotate(8);
    const QRectF card(-38, -27, 76, 54);
    CArtStyle::FillRoundedRect(painter, card, 8, Qt::white, outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Tint(CArtStyle::Grape(), 0.35));
    QPainterPath band;
    band.addRoundedRect(card.adjusted(outline / 2, outline / 2, -outline / 2, 0), 7, 7);
    QPainterPath clip;
    clip.addRect(QRectF(card.left(), card.top(), card.width(), 14));
    painter.drawPath(band.intersected(clip));
    painter.setPen(CArtStyle::OutlinePen(outline));
    painter.drawLine(QPointF(card.left(), card.top() + 14), QPointF(card.right(), card.top() + 14));
    CArtStyle::DrawCentredText(painter, QRectF(-38, -10, 76, 40), QStringLiteral("A"),
                               CArtStyle::Font(32), CArtStyle::Grape(), CArtStyle::Ink(), 1.6);
    painter.restore();

    // The turning arrow that says "flip me".
    painter.save();
    QPen arrow(CArtStyle::Tangerine(), 5.5);
    arrow.setCapStyle(Qt::RoundCap);
    painter.setPen(arrow);
    painter.drawArc(QRectF(66, 2, 30, 30), 200 * 16, -220 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Tangerine());
    QPainterPath head;
    head.moveTo(63, 18);
    head.lineTo(74, 22);
    head.lineTo(64, 30);
    head.closeSubpath();
    painter.drawPath(head);
    painter.restore();
    painter.restore();
}

void CIconArt::DrawLetterBlocks(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    struct Block
    {
        QRectF rect;
        QColor colour;
        const char* letter;
        qreal angle;
    };
    const Block blocks[] = {
        {QRectF(6, 52, 42, 42), CArtStyle::Tangerine(), "A", -4},
        {QRectF(52, 52, 42, 42), CArtStyle::Sky(), "B", 3},
        {QRectF(29, 10, 42, 42), CArtStyle::Leaf(), "C", -6},
    };
    for (const Block& block : blocks) {
        painter.save();
        painter.translate(block.rect.center());
        painter.rotate(block.angle);
        const QRectF face(-block.rect.width() / 2, -block.rect.height() / 2, block.rect.width(),
                          block.rect.height());
        CArtStyle::FillRoundedRect(painter, face, 7, block.colour, outline);
        CArtStyle::FillRoundedRect(painter, face.adjusted(6, 6, -6, -6), 4,
                                   CArtStyle::Tint(block.colour, 0.8), 0);
        CArtStyle::DrawCentredText(painter, face.translated(0, 1),
                                   QString::fromLatin1(block.letter), CArtStyle::Font(26),
                                   block.colour, CArtStyle::Ink(), 1.5);
        painter.restore();
    }
    painter.restore();
}

void CIconArt::DrawMathSigns(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    CArtStyle::FillRoundedRect(painter, QRectF(5, 5, 90, 90), 16, CArtStyle::Ocean(), outline);
    CArtStyle::DrawGleam(painter, QRectF(5, 5, 90, 90), 16);
    const QColor keys[] = {CArtStyle::Sun(), CArtStyle::Coral(), CArtStyle::Leaf(),
                           CArtStyle::Pink()};
    const QString signs[] = {QStringLiteral("+"), QStringLiteral("\u2212"),
                             QStringLiteral("\u00d7"), QStringLiteral("\u00f7")};
    for (int i = 0; i < 4; ++i) {
        const QRectF key(14 + (i % 2) * 38, 14 + (i / 2) * 38, 34, 34);
        CArtStyle::FillRoundedRect(painter, key, 8, keys[i], outline);
        CArtStyle::DrawCentredText(painter, key.translated(0, -1), signs[i], CArtStyle::Font(34),
                                   Qt::white, CArtStyle::Ink(), 1.8);
    }
    painter.restore();
}

void CIconArt::DrawPaperSheet(QPainter& painter, const QRectF& sheet, qreal outline, int lines)
{
    CArtStyle::FillRoundedRect(painter, sheet, 5, Qt::white, outline);
    painter.save();
    painter.setPen(QPen(CArtStyle::Tint(CArtStyle::Sky(), 0.35), outline * 0.8));
    const qreal step = (sheet.height() - 20) / qMax(1, lines);
    for (int i = 0; i < lines; ++i) {
        const qreal y = sheet.top() + 16 + i * step;
        painter.drawLine(QPointF(sheet.left() + 9, y), QPointF(sheet.right() - 9, y));
    }
    painter.setPen(QPen(CArtStyle::Tint(CArtStyle::Coral(), 0.3), outline * 0.7));
    painter.drawLine(QPointF(sheet.left() + 16, sheet.top() + 5),
                     QPointF(sheet.left() + 16, sheet.bottom() - 5));
    painter.restore();
}

void CIconArt::DrawPencil(QPainter& painter, const QPointF& tip, qreal angle, qreal length,
                          qreal outline)
{
    painter.save();
    painter.translate(tip);
    painter.rotate(angle);
    const qreal w = 13;
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(16, -w / 2);
    wood.lineTo(16, w / 2);
    wood.closeSubpath();
    CArtStyle::FillShape(painter, wood, QColor(0xf6, 0xd3, 0xa0), outline);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(6, -w * 0.19);
    lead.lineTo(6, w * 0.19);
    lead.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Ink());
    painter.drawPath(lead);
    CArtStyle::FillRoundedRect(painter, QRectF(16, -w / 2, length - 30, w), 1, CArtStyle::Sun(),
                               outline);
    CArtStyle::FillRoundedRect(painter, QRectF(length - 14, -w / 2, 6, w), 1,
                               QColor(0xb8, 0xc4, 0xd6), outline);
    CArtStyle::FillRoundedRect(painter, QRectF(length - 8, -w / 2, 9, w), 4, CArtStyle::Pink(),
                               outline);
    painter.setPen(QPen(CArtStyle::Shade(CArtStyle::Sun(), 0.25), outline * 0.6));
    painter.drawLine(QPointF(18, 0), QPointF(length - 16, 0));
    painter.restore();
}

void CIconArt::DrawPencilAndPaper(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    painter.save();
    painter.translate(46, 52);
    painter.rotate(-6);
    DrawPaperSheet(painter, QRectF(-34, -42, 68, 84), outline, 5);
    painter.restore();
    painter.save();
    painter.setPen(QPen(CArtStyle::Ocean(), 3.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath scribble;
    scribble.moveTo(26, 40);
    scribble.cubicTo(32, 32, 36, 46, 42, 38);
    scribble.cubicTo(48, 30, 52, 46, 58, 37);
    painter.drawPath(scribble);
    painter.restore();
    DrawPencil(painter, QPointF(58, 62), -48, 54, outline);
    CArtStyle::DrawTwinkle(painter, QPointF(84, 16), 9, CArtStyle::Sun());
    CArtStyle::DrawTwinkle(painter, QPointF(14, 88), 6, CArtStyle::Sun());
    painter.restore();
}

void CIconArt::DrawClipboard(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    CArtStyle::FillRoundedRect(painter, QRectF(16, 10, 68, 86), 9, QColor(0xc9, 0x8b, 0x4f),
                               outline);
    DrawPaperSheet(painter, QRectF(24, 20, 52, 70), outline, 0);
    CArtStyle::FillRoundedRect(painter, QRectF(36, 4, 28, 14), 5, QColor(0xb8, 0xc4, 0xd6),
                               outline);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 30 + i * 19;
        CArtStyle::FillRoundedRect(painter, QRectF(30, y, 13, 13), 3, Qt::white, outline * 0.8);
        DrawCheckMark(painter, QRectF(28, y - 4, 19, 19), CArtStyle::Leaf(), 4.2);
        painter.save();
        painter.setPen(
            QPen(CArtStyle::Tint(CArtStyle::Ink(), 0.55), 3.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(48, y + 6.5), QPointF(68 - (i % 2) * 6, y + 6.5));
        painter.restore();
    }
    CArtStyle::DrawStar(painter, QPointF(80, 80), 14, CArtStyle::Sun(), outline, -80);
    painter.restore();
}

void CIconArt::DrawNewPaper(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    painter.save();
    painter.translate(44, 52);
    painter.rotate(-4);
    DrawPaperSheet(painter, QRectF(-32, -42, 64, 84), outline, 5);
    painter.restore();
    CArtStyle::FillEllipse(painter, QRectF(56, 52, 40, 40), CArtStyle::Leaf(), outline);
    CArtStyle::DrawGleam(painter, QRectF(56, 52, 40, 40), 16);
    painter.save();
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(76, 62), QPointF(76, 82));
    painter.drawLine(QPointF(66, 72), QPointF(86, 72));
    painter.restore();
    CArtStyle::DrawTwinkle(painter, QPointF(86, 20), 9, CArtStyle::Sun());
    CArtStyle::DrawTwinkle(painter, QPointF(74, 36), 5, CArtStyle::Sun());
    painter.restore();
}

void CIconArt::DrawFolder(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    const QColor folder = CArtStyle::Sun();
    QPainterPath back;
    back.moveTo(8, 26);
    back.quadTo(8, 20, 14, 20);
    back.lineTo(36, 20);
    back.lineTo(44, 28);
    back.lineTo(86, 28);
    back.quadTo(92, 28, 92, 34);
    back.lineTo(92, 84);
    back.quadTo(92, 90, 86, 90);
    back.lineTo(14, 90);
    back.quadTo(8, 90, 8, 84);
    back.closeSubpath();
    CArtStyle::FillShape(painter, back, CArtStyle::Shade(folder, 0.15), outline);
    painter.save();
    painter.translate(50, 42);
    painter.rotate(-8);
    DrawPaperSheet(painter, QRectF(-30, -28, 56, 50), outline, 3);
    painter.restore();
    painter.save();
    painter.translate(54, 44);
    painter.rotate(6);
    DrawPaperSheet(painter, QRectF(-26, -26, 54, 46), outline, 3);
    painter.restore();
    QPainterPath front;
    front.moveTo(4, 46);
    front.quadTo(4, 42, 9, 42);
    front.lineTo(91, 42);
    front.quadTo(96, 42, 95, 47);
    front.lineTo(91, 85);
    front.quadTo(90, 90, 85, 90);
    front.lineTo(15, 90);
    front.quadTo(10, 90, 9, 85);
    front.closeSubpath();
    CArtStyle::FillShape(painter, front, folder, outline);
    CArtStyle::DrawStar(painter, QPointF(50, 66), 11, CArtStyle::Tint(folder, 0.6), outline * 0.8);
    painter.restore();
}

void CIconArt::DrawDisk(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    QPainterPath body;
    body.moveTo(12, 6);
    body.lineTo(80, 6);
    body.lineTo(94, 20);
    body.lineTo(94, 88);
    body.quadTo(94, 94, 88, 94);
    body.lineTo(12, 94);
    body.quadTo(6, 94, 6, 88);
    body.lineTo(6, 12);
    body.quadTo(6, 6, 12, 6);
    CArtStyle::FillShape(painter, body, CArtStyle::Ocean(), outline);
    // Metal shutter.
    CArtStyle::FillRoundedRect(painter, QRectF(26, 6, 46, 28), 3, QColor(0xc8, 0xd2, 0xe0),
                               outline);
    CArtStyle::FillRoundedRect(painter, QRectF(54, 11, 11, 18), 2, CArtStyle::Ocean(), outline);
    // Label with lines and a star.
    CArtStyle::FillRoundedRect(painter, QRectF(18, 46, 64, 42), 5, Qt::white, outline);
    painter.save();
    painter.setPen(QPen(CArtStyle::Tint(CArtStyle::Sky(), 0.3), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(26, 60), QPointF(62, 60));
    painter.drawLine(QPointF(26, 72), QPointF(56, 72));
    painter.restore();
    CArtStyle::DrawStar(painter, QPointF(70, 72), 8, CArtStyle::Sun(), outline * 0.8);
    painter.restore();
}

void CIconArt::DrawQuestionMark(QPainter& painter, const QRectF& square, const QColor& colour)
{
    const qreal outline = BeginBox(painter, square);
    QPainterPath mark;
    mark.addText(0, 0, CArtStyle::Font(100), QStringLiteral("?"));
    const QRectF bounds = mark.boundingRect();
    mark.translate(50 - bounds.center().x(), 50 - bounds.center().y());
    CArtStyle::FillShape(painter, mark, colour, outline * 1.2);
    painter.restore();
}

void CIconArt::DrawTryAgainArrow(QPainter& painter, const QRectF& square, const QColor& colour)
{
    const qreal outline = BeginBox(painter, square);
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 52), 38, 38);
    QPainterPath hole;
    hole.addEllipse(QPointF(50, 52), 22, 22);
    QPainterPath gap;
    gap.moveTo(50, 52);
    gap.lineTo(100, 0);
    gap.lineTo(100, 40);
    gap.closeSubpath();
    QPainterPath arrow = ring.subtracted(hole).subtracted(gap);
    QPainterPath head;
    head.moveTo(66, 4);
    head.lineTo(96, 20);
    head.lineTo(68, 40);
    head.closeSubpath();
    CArtStyle::FillShape(painter, arrow.united(head), colour, outline);
    painter.restore();
}

void CIconArt::DrawSpeakerCone(QPainter& painter, qreal outline)
{
    QPainterPath cone;
    cone.moveTo(14, 36);
    cone.lineTo(30, 36);
    cone.lineTo(52, 16);
    cone.quadTo(58, 12, 58, 20);
    cone.lineTo(58, 80);
    cone.quadTo(58, 88, 52, 84);
    cone.lineTo(30, 64);
    cone.lineTo(14, 64);
    cone.quadTo(8, 64, 8, 58);
    cone.lineTo(8, 42);
    cone.quadTo(8, 36, 14, 36);
    CArtStyle::FillShape(painter, cone, CArtStyle::Ocean(), outline);
    CArtStyle::FillRoundedRect(painter, QRectF(14, 42, 10, 16), 3,
                               CArtStyle::Tint(CArtStyle::Ocean(), 0.5), 0);
}

void CIconArt::DrawSoundWaves(QPainter& painter, int count)
{
    painter.save();
    const QColor waves[] = {CArtStyle::Leaf(), CArtStyle::Sun(), CArtStyle::Coral()};
    for (int i = 0; i < count && i < 3; ++i) {
        const qreal r = 14 + i * 12;
        QPen under(CArtStyle::Ink(), 9.5, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(under);
        painter.drawArc(QRectF(60 - r, 50 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        QPen pen(waves[i], 5.5, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawArc(QRectF(60 - r, 50 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    painter.restore();
}

void CIconArt::DrawSpeaker(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    DrawSpeakerCone(painter, outline);
    DrawSoundWaves(painter, 3);
    painter.restore();
}

void CIconArt::DrawSlowSpeaker(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    // The speaker, smaller and up to the left, with two waves; a snail crawls below them.
    painter.save();
    painter.translate(0, -6);
    painter.scale(0.74, 0.74);
    DrawSpeakerCone(painter, outline / 0.74);
    DrawSoundWaves(painter, 2);
    painter.restore();
    DrawSnail(painter, outline);
    painter.restore();
}

void CIconArt::DrawSnail(QPainter& painter, qreal outline)
{
    // The body: a long foot along the ground rising into a head at the right.
    QPainterPath body;
    body.moveTo(30, 92);
    body.quadTo(28, 84, 40, 84);
    body.lineTo(78, 84);
    body.quadTo(82, 70, 86, 62);
    body.quadTo(92, 56, 96, 62);
    body.quadTo(98, 70, 94, 80);
    body.quadTo(92, 92, 80, 92);
    body.closeSubpath();
    const QColor skin = CArtStyle::Tint(CArtStyle::Leaf(), 0.35);
    painter.save();
    QPen stalk(CArtStyle::Ink(), outline, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(stalk);
    painter.drawLine(QPointF(88, 60), QPointF(84, 48));
    painter.drawLine(QPointF(93, 60), QPointF(96, 49));
    painter.restore();
    CArtStyle::FillEllipse(painter, QRectF(81, 45, 6, 6), CArtStyle::Ink(), 0);
    CArtStyle::FillEllipse(painter, QRectF(93, 46, 6, 6), CArtStyle::Ink(), 0);
    CArtStyle::FillShape(painter, body, skin, outline);
    CArtStyle::FillEllipse(painter, QRectF(89.5, 65, 4, 4), CArtStyle::Ink(), 0);
    // The shell, with its spiral.
    const QRectF shell(44, 56, 36, 32);
    CArtStyle::FillEllipse(painter, shell, CArtStyle::Coral(), outline);
    painter.save();
    painter.setPen(QPen(CArtStyle::Ink(), outline * 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    const QPointF centre = shell.center();
    spiral.moveTo(centre);
    for (int step = 1; step <= 40; ++step) {
        const qreal angle = step * 0.42;
        const qreal radius = step * 0.36;
        spiral.lineTo(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)));
    }
    painter.drawPath(spiral);
    painter.restore();
    CArtStyle::DrawGleam(painter, shell, 16);
}

void CIconArt::DrawTrophy(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    const QColor gold = CArtStyle::Sun();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen handleUnder(CArtStyle::Ink(), 10, Qt::SolidLine, Qt::RoundCap);
    QPen handle(CArtStyle::Shade(gold, 0.1), 5.5, Qt::SolidLine, Qt::RoundCap);
    for (const QPen& pen : {handleUnder, handle}) {
        painter.setPen(pen);
        painter.drawArc(QRectF(10, 16, 28, 30), 90 * 16, 180 * 16);
        painter.drawArc(QRectF(62, 16, 28, 30), 90 * 16, -180 * 16);
    }
    painter.restore();
    QPainterPath cup;
    cup.moveTo(22, 10);
    cup.lineTo(78, 10);
    cup.lineTo(76, 30);
    cup.cubicTo(74, 50, 62, 58, 50, 58);
    cup.cubicTo(38, 58, 26, 50, 24, 30);
    cup.closeSubpath();
    CArtStyle::FillShape(painter, cup, gold, outline);
    CArtStyle::FillRoundedRect(painter, QRectF(43, 56, 14, 16), 2, CArtStyle::Shade(gold, 0.15),
                               outline);
    CArtStyle::FillRoundedRect(painter, QRectF(28, 70, 44, 12), 4, CArtStyle::Shade(gold, 0.1),
                               outline);
    CArtStyle::FillRoundedRect(painter, QRectF(22, 80, 56, 14), 4, CArtStyle::Grape(), outline);
    CArtStyle::DrawStar(painter, QPointF(50, 31), 13, Qt::white, outline * 0.8);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawRoundedRect(QRectF(29, 14, 7, 24), 3, 3);
    painter.restore();
    painter.restore();
}

void CIconArt::DrawRosette(QPainter& painter, const QRectF& square)
{
    const qreal outline = BeginBox(painter, square);
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(50 + side * 6, 56);
        tail.lineTo(50 + side * 26, 96);
        tail.lineTo(50 + side * 14, 90);
        tail.lineTo(50 + side * 8, 100);
        tail.lineTo(50 - side * 8, 60);
        tail.closeSubpath();
        CArtStyle::FillShape(painter, tail, side < 0 ? CArtStyle::Sky() : CArtStyle::Ocean(),
                             outline);
    }
    QPainterPath petals = CArtStyle::StarPath(QPointF(50, 42), 40, 33, 14, -90);
    CArtStyle::FillShape(painter, petals, CArtStyle::Ocean(), outline);
    CArtStyle::FillEllipse(painter, QRectF(24, 16, 52, 52), CArtStyle::Sun(), outline);
    CArtStyle::DrawStar(painter, QPointF(50, 43), 17, Qt::white, outline * 0.8);
    painter.restore();
}

void CIconArt::DrawSmilingStar(QPainter& painter, const QRectF& square, qreal rotation)
{
    const qreal outline = BeginBox(painter, square);
    painter.translate(50, 52);
    painter.rotate(rotation);
    painter.translate(-50, -52);
    QPainterPath star = CArtStyle::StarPath(QPointF(50, 54), 48, 26, 5, -90);
    CArtStyle::FillShape(painter, star, CArtStyle::Sun(), outline * 1.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Ink());
    painter.drawEllipse(QPointF(41, 50), 3.6, 5);
    painter.drawEllipse(QPointF(59, 50), 3.6, 5);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(40, 48), 1.3, 1.6);
    painter.drawEllipse(QPointF(58, 48), 1.3, 1.6);
    painter.setBrush(QColor(0xff, 0x8f, 0xa8, 170));
    painter.drawEllipse(QPointF(33, 60), 4.5, 3);
    painter.drawEllipse(QPointF(67, 60), 4.5, 3);
    QPainterPath smile;
    smile.moveTo(41, 60);
    smile.quadTo(50, 70, 59, 60);
    painter.setPen(CArtStyle::OutlinePen(outline * 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(smile);
    painter.restore();
}
