#pragma once

#include <QAbstractListModel>
#include <QSize>

class CQuestion;
class CTU_QuizDoc;
class QFont;

// The question manager's list: one line per question of the document, made
// only when the view shows it, so a quiz of thousands of questions lists at
// once. Every line has the same size: the height of one line and the width of
// the widest, so the list scrolls sideways to the end of its longest line.
class CQuestionListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit CQuestionListModel(const CTU_QuizDoc& doc, QObject* parent = nullptr);

    // The list line of a question at 1-based position n.
    static QString LineOf(int quizType, int n, const CQuestion& question);

    // Takes the document's questions afresh, with lines of the view's natural size
    // until SetLineSize gives them their common size.
    void Refill();
    void SetLineSize(const QSize& size);
    // The width in font of the widest line: every line's characters added up,
    // the widest few measured exactly.
    int WidestLineWidth(const QFont& font) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // The translated line formats, looked up once per filling of the list.
    struct LineFormats
    {
        QString m_true, m_false, m_card, m_plain;
    };
    static LineFormats MakeLineFormats();
    static QString LineOf(const LineFormats& formats, int quizType, int n,
                          const CQuestion& question);
    QString LineAt(int row) const;
    QString FormatFrame(int quizType) const;

    const CTU_QuizDoc& m_doc;
    LineFormats m_formats;
    int m_nRows = 0;
    QSize m_lineSize;
};
