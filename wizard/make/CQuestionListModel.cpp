#include "CQuestionListModel.h"

#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"

#include <QFontMetrics>

#include <algorithm>
#include <numeric>
#include <vector>

CQuestionListModel::CQuestionListModel(const CTU_QuizDoc& doc, QObject* parent)
    : QAbstractListModel(parent), m_doc(doc)
{
}

CQuestionListModel::LineFormats CQuestionListModel::MakeLineFormats()
{
    return {tr("%1. T: %2"), tr("%1. F: %2"), tr("%1. F: %2  B: %3"), tr("%1. %2")};
}

QString CQuestionListModel::LineOf(int quizType, int n, const CQuestion& question)
{
    return LineOf(MakeLineFormats(), quizType, n, question);
}

QString CQuestionListModel::LineOf(const LineFormats& formats, int quizType, int n,
                                   const CQuestion& question)
{
    const QString number = QString::number(n);
    switch (quizType) {
    case QUIZ_TRUE_FALSE:
        return (question.m_nAnswer == 0 ? formats.m_true : formats.m_false)
            .arg(number, question.m_strQuestion);
    case QUIZ_FLASH_CARD:
        return formats.m_card.arg(number, question.m_strQuestion, question.m_strAnswer);
    default:
        return formats.m_plain.arg(number, question.m_strQuestion);
    }
}

void CQuestionListModel::Refill()
{
    beginResetModel();
    m_formats = MakeLineFormats();
    m_nRows = static_cast<int>(m_doc.Questions().size());
    m_lineSize = QSize();
    endResetModel();
}

void CQuestionListModel::SetLineSize(const QSize& size)
{
    emit layoutAboutToBeChanged();
    m_lineSize = size;
    emit layoutChanged();
}

QString CQuestionListModel::LineAt(int row) const
{
    const auto& questions = m_doc.Questions();
    // The document may have changed since the last refill; never read past its end.
    if (row < 0 || row >= m_nRows || row >= static_cast<int>(questions.size()))
        return QString();
    return LineOf(m_formats, m_doc.m_nQuizType, row + 1, *questions[static_cast<size_t>(row)]);
}

int CQuestionListModel::WidestLineWidth(const QFont& font) const
{
    // Measuring every line would shape thousands of texts; the longest few
    // by their number of characters hold the widest.
    constexpr int kMeasured = 32;
    const auto& questions = m_doc.Questions();
    const int rows = std::min(m_nRows, static_cast<int>(questions.size()));
    auto lengthOf = [&](int row) {
        const CQuestion& question = *questions[static_cast<size_t>(row)];
        return question.m_strQuestion.size() + question.m_strAnswer.size();
    };
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    const auto measured = order.begin() + std::min(kMeasured, rows);
    std::partial_sort(order.begin(), measured, order.end(),
                      [&](int a, int b) { return lengthOf(a) > lengthOf(b); });
    const QFontMetrics metrics(font);
    int widest = 0;
    for (auto row = order.begin(); row != measured; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(LineAt(*row)));
    return widest + 2 * metrics.averageCharWidth();
}

int CQuestionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_nRows;
}

QVariant CQuestionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return LineAt(index.row());
    if (role == Qt::SizeHintRole && m_lineSize.isValid())
        return m_lineSize;
    return QVariant();
}
