#pragma once

#include <QList>
#include <QPlainTextEdit>

#include <limits>

// A multi-line text box ruled like a lined exercise book: a blue line under
// every row of text. The rows are as high as the box's own font, so the lines
// meet the text whatever font the page gives the box.
class CRuledEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CRuledEdit(QWidget* parent = nullptr);

    // The height of one row of text, the spacing of the lines. Rows of text are
    // placed at fractions of a pixel, so the lines are too, rounded when drawn.
    qreal LineHeight() const;
    // Where the first row of text starts in the viewport (the lines count from it).
    int TextTop() const;
    // The y positions of the lines drawn now.
    QList<int> RuledLines() const;

    // Lines at origin + k*h (rounded) for k = 1 ... (clientBottom - origin) / h
    // (rounded down); none at the origin itself, none when the box is lower
    // than one row.
    static QList<int> LinePositions(int clientBottom, qreal lineHeight, int origin = 0);

    // The most characters the box takes, typed or pasted.
    void SetMaxLength(int length) { m_nMaxLength = length; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool CaretOnFirstLine() const;
    // How many more characters fit, counting the selection a new text replaces.
    int Room() const;

    int m_nMaxLength = std::numeric_limits<int>::max();
};
