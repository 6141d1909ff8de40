#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The small pictures the bigger ones are made of: the sign of each quiz kind, school things
// (paper, pencil, clipboard, folder, disk), a speaker (also with a snail), a trophy and a rosette.
// Each is drawn in a 100 x 100 box scaled into the square it is given, so one drawing serves every
// size.
class CIconArt
{
public:
    // Quiz kinds.
    static void DrawTrueFalse(QPainter& painter, const QRectF& square);
    static void DrawFlashCards(QPainter& painter, const QRectF& square);
    static void DrawLetterBlocks(QPainter& painter, const QRectF& square);
    static void DrawMathSigns(QPainter& painter, const QRectF& square);

    // Start-page objects.
    static void DrawPencilAndPaper(QPainter& painter, const QRectF& square);
    static void DrawClipboard(QPainter& painter, const QRectF& square);
    static void DrawNewPaper(QPainter& painter, const QRectF& square);
    static void DrawFolder(QPainter& painter, const QRectF& square);
    static void DrawDisk(QPainter& painter, const QRectF& square);

    // Answer and feedback signs.
    static void DrawCheckBadge(QPainter& painter, const QRectF& square, const QColor& colour);
    static void DrawCrossBadge(QPainter& painter, const QRectF& square, const QColor& colour);
    static void DrawCheckMark(QPainter& painter, const QRectF& square, const QColor& colour,
                              qreal width);
    static void DrawCrossMark(QPainter& painter, const QRectF& square, const QColor& colour,
                              qreal width);
    static void DrawQuestionMark(QPainter& painter, const QRectF& square, const QColor& colour);
    static void DrawTryAgainArrow(QPainter& painter, const QRectF& square, const QColor& colour);

    static void DrawSpeaker(QPainter& painter, const QRectF& square);
    // The speaker with a snail crawling below it: saying something slowly.
    static void DrawSlowSpeaker(QPainter& painter, const QRectF& square);
    static void DrawTrophy(QPainter& painter, const QRectF& square);
    static void DrawRosette(QPainter& painter, const QRectF& square);
    static void DrawSmilingStar(QPainter& painter, const QRectF& square, qreal rotation = 0.0);

private:
    // Maps the 100 x 100 drawing box onto a square; returns the outline width in box units.
    static qreal BeginBox(QPainter& painter, const QRectF& square);
    static void DrawPaperSheet(QPainter& painter, const QRectF& sheet, qreal outline, int lines);
    static void DrawPencil(QPainter& painter, const QPointF& tip, qreal angle, qreal length,
                           qreal outline);
    static void DrawSpeakerCone(QPainter& painter, qreal outline);
    static void DrawSoundWaves(QPainter& painter, int count);
    static void DrawSnail(QPainter& painter, qreal outline);
};
