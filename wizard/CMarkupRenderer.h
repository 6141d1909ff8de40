#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Draws the help texts of the pages: explicit line breaks and three-character
// tags that switch between three fonts and move the left margin. No wrapping.
class CMarkupRenderer
{
public:
    // One piece of text drawn in one font, top-left corner at m_topLeft.
    struct Run
    {
        QString m_text;
        QPoint m_topLeft;
        QFont m_font;
    };
    struct Layout
    {
        QList<Run> m_runs;
        int m_stop = 0;  // position in the text where drawing stopped
        QFont m_endFont; // the font the last tag selected
    };

    CMarkupRenderer();

    // Where every run of text goes, starting with the given font.
    Layout LayoutMarkup(const QFont& startFont, const QRect& rect, const QString& text) const;

    // Draws text from the top-left corner of rect with the painter's current
    // font; returns the position where drawing stopped (after <C>, or the end).
    // The painter is left with the font the last tag selected.
    int DrawMarkup(QPainter& painter, const QRect& rect, const QString& text) const;

    // The words the text draws, in the order they are drawn, for a screen reader: the lines
    // of a paragraph joined by spaces, paragraphs by line breaks, tags left out.
    QString PlainText(const QString& text) const;

    // A text font of character height 14 pixels in "Arial".
    static QFont MakeFont(int weight, bool italic);

    QFont m_fontNormal;
    QFont m_fontBold;
    QFont m_fontItalic;
};
