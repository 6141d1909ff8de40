#pragma once

#include <QRectF>

class QPainter;

// The program's mascot, a round friendly owl, drawn in any square. The same owl cheers on the
// right-answer pictures, wonders on the wrong-answer ones and dances on the score page.
class COwlArt
{
public:
    enum class Mood
    {
        Happy,
        Cheering,
        Thinking,
        Surprised
    };

    struct Pose
    {
        Mood mood = Mood::Happy;
        qreal wingLift = 0.0; // 0 wings folded at the sides, 1 raised high
        bool mortarboard = false;
    };

    static void Draw(QPainter& painter, const QRectF& square, const Pose& pose);

private:
    static void DrawFeet(QPainter& painter, qreal outline);
    static void DrawBody(QPainter& painter, qreal outline);
    static void DrawWing(QPainter& painter, bool left, qreal lift, qreal outline);
    static void DrawEyes(QPainter& painter, Mood mood, qreal outline);
    static void DrawBeak(QPainter& painter, Mood mood, qreal outline);
    static void DrawCheeks(QPainter& painter);
    static void DrawMortarboard(QPainter& painter, qreal outline);
};
