#pragma once

#include "CLineEdit.h"

#include <QFont>
#include <QList>

// A one-line text box divided into letter cells by cyan lines, for spelling
// words. The page gives the box CellFont(), a fixed-pitch font with a gap after
// each letter, so that every letter has the same advance; the lines are drawn
// in the middles of the real gaps, measured from the box's own text layout, so
// each letter sits in one cell whatever font the machine resolved and however
// far the text scrolled.
class CCellEdit : public CLineEdit
{
    Q_OBJECT

public:
    static constexpr int kCellFontPoints = 16;
    // Pixels of air added after every letter, so that letters do not touch the
    // lines: a cell is a letter's width plus this gap, its lines in the gaps' middles.
    static constexpr int kLetterGap = 4;

    explicit CCellEdit(QWidget* parent = nullptr);

    // A 16-point "Courier"; where fontconfig has no fixed-pitch match for it
    // (Nimbus Mono, Liberation Mono ...), the system's fixed-pitch font.
    static QFont CellFont();
    // The advance of one letter and its gap in the box's font, as the text
    // layout places letters (hinting may round it, so it is measured over a run).
    qreal CellWidth() const;
    // The gap the box's font leaves after each letter.
    qreal LetterGap() const;
    // The x of the boundary before the first letter, in the box's coordinates
    // (left of the text area when the text has scrolled).
    int TextOrigin() const;
    // The x positions of the lines drawn now: the boundaries between cells.
    QList<int> CellLines() const;

    // Lines at origin + k*w (rounded) for every k >= 1 with origin < x < clientRight.
    static QList<int> LinePositions(int clientRight, qreal cellWidth, qreal origin = 0,
                                    int clientLeft = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextArea() const;
    int CaretX() const;
};
