#include "CQuestionListModel.h"

#include "CQuestion.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QtMath>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace {

int DigitsOf(int n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

// The advance of each character in one font, looked up once per character:
// a line's width short of kerning is the sum of its characters' advances.
// Advances are kept in 64ths of a pixel, as the font engines give them, so
// that adding up thousands of lines is integer work.
class CharacterAdvances
{
public:
    explicit CharacterAdvances(const QFontMetricsF& metrics) : m_metrics(metrics)
    {
        m_latin1.fill(kUnknown);
    }

    qreal Of(QStringView text)
    {
        qint64 sum = 0;
        for (const QChar c : text)
            sum += Of(c);
        return qreal(sum) / kUnitsPerPixel;
    }

private:
    static constexpr int kUnitsPerPixel = 64;
    static constexpr int kUnknown = -1;

    int Of(QChar c)
    {
        const char16_t code = c.unicode();
        if (code < m_latin1.size()) {
            int& advance = m_latin1[code];
            if (advance == kUnknown)
                advance = Measure(c);
            return advance;
        }
        auto found = m_others.constFind(code);
        if (found == m_others.constEnd())
            found = m_others.insert(code, Measure(c));
        return *found;
    }

    int Measure(QChar c) const { return qRound(m_metrics.horizontalAdvance(c) * kUnitsPerPixel); }

    const QFontMetricsF& m_metrics;
    std::array<int, 256> m_latin1;
    QHash<char16_t, int> m_others;
};

} // namespace

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
    // Shaping every line of thousands takes long; adding up the advances of
    // their characters is quick and gives each line's width, short of kerning,
    // however few or wide its letters. The widest few by that sum are then
    // measured exactly, and the list is as wide as the wider of the two.
    constexpr int kMeasured = 16;
    const auto& questions = m_doc.Questions();
    const int rows = std::min(m_nRows, static_cast<int>(questions.size()));
    const QFontMetricsF metrics(font);
    CharacterAdvances advances(metrics);
    const qreal digit = advances.Of(QStringLiteral("0"));
    const qreal frame = advances.Of(FormatFrame(m_doc.m_nQuizType));
    const bool showsBacks = m_doc.m_nQuizType == QUIZ_FLASH_CARD;
    std::vector<std::pair<qreal, int>> sums(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const CQuestion& question = *questions[static_cast<size_t>(row)];
        qreal sum = frame + digit * DigitsOf(row + 1) + advances.Of(question.m_strQuestion);
        if (showsBacks)
            sum += advances.Of(question.m_strAnswer);
        sums[static_cast<size_t>(row)] = {sum, row};
    }
    const auto measured = sums.begin() + std::min(kMeasured, rows);
    std::partial_sort(sums.begin(), measured, sums.end(), std::greater<>());
    qreal widest = sums.empty() ? 0 : sums.front().first;
    for (auto sum = sums.begin(); sum != measured; ++sum)
        widest = std::max(widest, metrics.horizontalAdvance(LineAt(sum->second)));
    return qCeil(widest) + 2 * QFontMetrics(font).averageCharWidth();
}

QString CQuestionListModel::FormatFrame(int quizType) const
{
    // What a line adds around the question's texts: the format without its
    // place holders (true/false lines differ by one letter of equal width).
    QString frame = quizType == QUIZ_TRUE_FALSE   ? m_formats.m_true
                    : quizType == QUIZ_FLASH_CARD ? m_formats.m_card
                                                  : m_formats.m_plain;
    for (const QString& holder : {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3")})
        frame.remove(holder);
    return frame;
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
