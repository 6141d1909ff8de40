#pragma once

#include <QFont>
#include <QLineEdit>
#include <QList>

// A one-line text box divided into letter cells by cyan lines, for spelling
// words. The cells are as wide as a letter of a 16-point "Courier" font; the
// page gives the box CellFont() so that each letter fills one cell.
class CCellEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int kCellFontPoints = 16;

    explicit CCellEdit(QWidget* parent = nullptr);

    static QFont CellFont();
    // The letter width of CellFont(), the width of a cell. Letters are placed at
    // fractions of a pixel, so the lines are too, rounded when drawn.
    static qreal CellWidth();
    // Where the text starts in the box (the cells count from it).
    int TextLeft() const;
    // The x positions of the lines drawn now.
    QList<int> CellLines() const;

    // Lines at origin + k*w (rounded) for k = 1 ... (clientRight - origin) / w
    // (rounded down).
    static QList<int> LinePositions(int clientRight, qreal cellWidth, int origin = 0);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool ClipboardOffersText();
    QRect TextArea() const;
};
