#include "COwlArt.h"

#include "CArtStyle.h"

#include <QPainter>
#include <QPainterPath>

// The owl is drawn in a 100 x 100 box and scaled to the square it is given.
namespace {
constexpr qreal kBox = 100.0;

QColor Feathers()
{
    return CArtStyle::Teal();
}
} // namespace

void COwlArt::Draw(QPainter& painter, const QRectF& square, const Pose& pose)
{
    const qreal scale = square.width() / kBox;
    const qreal outline = qBound(1.6, 2.8 * scale, 3.2) / scale;

    painter.save();
    painter.translate(square.topLeft());
    painter.scale(scale, scale);
    DrawFeet(painter, outline);
    DrawBody(painter, outline);
    DrawWing(painter, true, pose.wingLift, outline);
    DrawWing(painter, false, pose.wingLift, outline);
    if (pose.mood == Mood::Happy || pose.mood == Mood::Cheering) {
        DrawCheeks(painter);
    }
    DrawEyes(painter, pose.mood, outline);
    DrawBeak(painter, pose.mood, outline);
    if (pose.mortarboard) {
        DrawMortarboard(painter, outline);
    }
    painter.restore();
}

void COwlArt::DrawFeet(QPainter& painter, qreal outline)
{
    for (qreal x : {39.0, 61.0}) {
        CArtStyle::FillEllipse(painter, QRectF(x - 8, 88, 16, 9), CArtStyle::Tangerine(), outline);
    }
}

void COwlArt::DrawBody(QPainter& painter, qreal outline)
{
    QPainterPath body;
    body.addEllipse(QRectF(18, 24, 64, 70));
    QPainterPath tufts;
    tufts.moveTo(22, 40);
    tufts.quadTo(20, 20, 28, 10);
    tufts.quadTo(36, 22, 44, 28);
    tufts.closeSubpath();
    tufts.moveTo(78, 40);
    tufts.quadTo(80, 20, 72, 10);
    tufts.quadTo(64, 22, 56, 28);
    tufts.closeSubpath();
    CArtStyle::FillShape(painter, body.united(tufts), Feathers(), outline);

    // Belly with three little feather marks.
    CArtStyle::FillEllipse(painter, QRectF(31, 54, 38, 36), CArtStyle::Cream(), 0);
    painter.save();
    QPen feather(CArtStyle::Tint(CArtStyle::Shade(Feathers(), 0.2), 0.35), outline * 0.7);
    feather.setCapStyle(Qt::RoundCap);
    painter.setPen(feather);
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& at : {QPointF(43, 68), QPointF(57, 68), QPointF(50, 77)}) {
        QPainterPath mark;
        mark.moveTo(at.x() - 4, at.y());
        mark.quadTo(at.x(), at.y() + 4, at.x() + 4, at.y());
        painter.drawPath(mark);
    }
    painter.restore();

    // The light mask around the eyes.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Tint(Feathers(), 0.55));
    painter.drawEllipse(QPointF(38, 45), 15, 14);
    painter.drawEllipse(QPointF(62, 45), 15, 14);
    painter.restore();
}

void COwlArt::DrawWing(QPainter& painter, bool left, qreal lift, qreal outline)
{
    const qreal side = left ? -1.0 : 1.0;
    const QPointF shoulder(50 + side * 27, 56);
    const qreal angle = -side * (10.0 + lift * 140.0);
    painter.save();
    painter.translate(shoulder);
    painter.rotate(angle);
    QPainterPath wing;
    wing.moveTo(0, -4);
    wing.cubicTo(side * 12, 0, side * 12, 22, side * 2, 30);
    wing.cubicTo(side * -6, 22, side * -6, 4, 0, -4);
    CArtStyle::FillShape(painter, wing, CArtStyle::Shade(Feathers(), 0.18), outline);
    painter.restore();
}

void COwlArt::DrawEyes(QPainter& painter, Mood mood, qreal outline)
{
    const QPointF eyes[] = {QPointF(38, 45), QPointF(62, 45)};
    if (mood == Mood::Happy || mood == Mood::Cheering) {
        painter.save();
        QPen pen = CArtStyle::OutlinePen(outline * 1.5);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QPointF& eye : eyes) {
            QPainterPath arc;
            arc.moveTo(eye.x() - 7, eye.y() + 2);
            arc.quadTo(eye.x(), eye.y() - 9, eye.x() + 7, eye.y() + 2);
            painter.drawPath(arc);
        }
        painter.restore();
        return;
    }

    const QPointF look = mood == Mood::Thinking ? QPointF(2.5, -3.0) : QPointF(0, 0);
    const qreal pupil = mood == Mood::Surprised ? 4.0 : 5.5;
    for (const QPointF& eye : eyes) {
        CArtStyle::FillEllipse(painter, QRectF(eye.x() - 11, eye.y() - 11, 22, 22), Qt::white,
                               outline);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(CArtStyle::Ink());
        painter.drawEllipse(eye + look, pupil, pupil);
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye + look + QPointF(-pupil * 0.35, -pupil * 0.4), pupil * 0.38,
                            pupil * 0.38);
        painter.restore();
    }
    if (mood == Mood::Thinking) {
        painter.save();
        painter.setPen(CArtStyle::OutlinePen(outline * 1.2));
        QPainterPath brow;
        brow.moveTo(55, 29);
        brow.quadTo(63, 24, 70, 29);
        painter.drawPath(brow);
        painter.restore();
    }
}

void COwlArt::DrawBeak(QPainter& painter, Mood mood, qreal outline)
{
    if (mood == Mood::Cheering || mood == Mood::Surprised) {
        QPainterPath mouth;
        mouth.moveTo(44, 54);
        mouth.lineTo(56, 54);
        mouth.quadTo(56, 64, 50, 66);
        mouth.quadTo(44, 64, 44, 54);
        CArtStyle::FillShape(painter, mouth, QColor(0xc4, 0x3d, 0x4b), outline);
        QPainterPath top;
        top.moveTo(43, 52);
        top.lineTo(57, 52);
        top.lineTo(50, 58);
        top.closeSubpath();
        CArtStyle::FillShape(painter, top, CArtStyle::Tangerine(), outline);
        return;
    }
    QPainterPath beak;
    beak.moveTo(44, 52);
    beak.lineTo(56, 52);
    beak.quadTo(52, 60, 50, 62);
    beak.quadTo(48, 60, 44, 52);
    CArtStyle::FillShape(painter, beak, CArtStyle::Tangerine(), outline);
}

void COwlArt::DrawCheeks(QPainter& painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x8f, 0xa8, 170));
    painter.drawEllipse(QPointF(27, 58), 5, 3.2);
    painter.drawEllipse(QPointF(73, 58), 5, 3.2);
    painter.restore();
}

void COwlArt::DrawMortarboard(QPainter& painter, qreal outline)
{
    QPainterPath band;
    band.addRoundedRect(QRectF(36, 14, 28, 10), 3, 3);
    CArtStyle::FillShape(painter, band, CArtStyle::Ink(), outline);
    QPainterPath board;
    board.moveTo(50, 4);
    board.lineTo(76, 13);
    board.lineTo(50, 22);
    board.lineTo(24, 13);
    board.closeSubpath();
    CArtStyle::FillShape(painter, board, CArtStyle::Shade(CArtStyle::Grape(), 0.55), outline);
    painter.save();
    QPen tassel(CArtStyle::Sun(), outline * 1.1);
    tassel.setCapStyle(Qt::RoundCap);
    painter.setPen(tassel);
    painter.drawLine(QPointF(50, 13), QPointF(70, 18));
    painter.drawLine(QPointF(70, 18), QPointF(71, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(CArtStyle::Sun());
    painter.drawEllipse(QPointF(71, 29), 2.6, 3.2);
    painter.restore();
}
