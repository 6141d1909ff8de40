#include "CTU_QuizDoc.h"

#include "AnswerJudge.h"
#include "CPrompt.h"
#include "CQuizFile.h"
#include "MathRules.h"

#include <QFile>

#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace {

// rand() gives 15 bits; larger ranges are built from several draws.
constexpr quint64 RAND_BITS = 15;
constexpr quint64 RAND_MASK = 0x7FFF;

} // namespace

CTU_QuizDoc::CTU_QuizDoc()
{
    SetRandomSource({}, {});
}

CTU_QuizDoc::~CTU_QuizDoc() = default;

void CTU_QuizDoc::ClearQuestions()
{
    RemoveAllQuestions();
    m_strQuizPath.clear();
    m_strQuizName.clear();
    m_bUnsaved = false;
    m_bExpectReadOnly = false;
    m_nFailedSave = 0;
}

void CTU_QuizDoc::RemoveAllQuestions()
{
    m_questions.clear();
    m_nQuestionCount = 0;
    ForgetRunIndexes();
}

void CTU_QuizDoc::ForgetRunIndexes()
{
    m_orderIndex.clear();
    m_openPool.clear();
    m_nPickedSlot = NO_SLOT;
}

CQuestion* CTU_QuizDoc::AddQuestion()
{
    auto question = std::make_unique<CQuestion>();
    question->m_nResponse = -1;
    m_questions.push_back(std::move(question));
    m_nQuestionCount = ListSize();
    ForgetRunIndexes();
    return m_questions.back().get();
}

void CTU_QuizDoc::RemoveQuestion(int index)
{
    if (index < 0 || index >= ListSize())
        return;
    m_questions.erase(m_questions.begin() + index);
    m_nQuestionCount = ListSize();
    ForgetRunIndexes();
}

void CTU_QuizDoc::ReportFailure(const QString& message) const
{
    if (m_pPrompt)
        m_pPrompt->ShowWarning(message);
}

bool CTU_QuizDoc::OnSaveDocument(const QString& path)
{
    m_strQuizPath = path;
    QString reason;
    const CQuizFile::Status status = CQuizFile::Save(*this, path, &reason, &m_saveBuffer);
    // A save that would change nothing has not failed (a quiz the pupil may only read).
    if (status == CQuizFile::Status::Ok ||
        (status == CQuizFile::Status::CannotWrite && CQuizFile::Holds(path, *this))) {
        m_bUnsaved = false;
        m_nFailedSave = 0;
        return true;
    }
    m_bUnsaved = true;
    if (m_bExpectReadOnly && status == CQuizFile::Status::CannotWrite && IsFileReadOnly())
        return false;
    const size_t failure = qHash(CQuizFile::Serialize(*this), qHash(int(status)));
    if (failure != m_nFailedSave)
        ReportFailure(CQuizFile::Message(status, path, reason));
    m_nFailedSave = failure;
    return false;
}

bool CTU_QuizDoc::IsFileReadOnly() const
{
    const QByteArray name = QFile::encodeName(m_strQuizPath);
    return !m_strQuizPath.isEmpty() && ::access(name.constData(), F_OK) == 0 &&
           ::access(name.constData(), W_OK) != 0;
}

bool CTU_QuizDoc::OnOpenDocument(const QString& path)
{
    CQuizFile::Contents contents;
    QString reason;
    const CQuizFile::Status status = CQuizFile::Load(path, &contents, &reason);
    if (status != CQuizFile::Status::Ok) {
        ReportFailure(CQuizFile::Message(status, path, reason));
        return false;
    }
    // The document changes only once the whole file has been read.
    if (!contents.bEmptyFile) {
        m_strQuizName = std::move(contents.strQuizName);
        m_nQuizType = contents.nQuizType;
        for (auto& question : contents.questions)
            m_questions.push_back(std::move(question));
        ForgetRunIndexes();
        // The list read is what counts, whatever count the file claimed.
        m_nQuestionCount = ListSize();
    }
    m_strQuizPath = path;
    m_bUnsaved = false;
    m_bExpectReadOnly = false;
    m_nFailedSave = 0;
    return true;
}

void CTU_QuizDoc::ResetResponses()
{
    for (auto& question : m_questions) {
        question->m_nResponse = -1;
        question->m_strResponse.clear();
    }
}

void CTU_QuizDoc::ShuffleOrder()
{
    const std::vector<int> order = RandomPermutation(ListSize());
    for (size_t i = 0; i < order.size(); ++i)
        m_questions[i]->m_nOrder = order[i];
    ForgetRunIndexes();
}

void CTU_QuizDoc::StartQuiz()
{
    m_nAttempt = 1;
    m_bTakeMode = true;
    m_nCurrent = 0;
    m_nAnswered = 0;
    m_bRandomPhase = false;
    ResetResponses();
    // A retake starts clean: questions given up last time are offered again.
    for (auto& question : m_questions)
        question->m_bGivenUp = false;
    ShuffleOrder();
}

int CTU_QuizDoc::FindByOrder(int order) const
{
    // Every question asked looks its order up, so a table from order to list
    // index is kept; it is checked on use and rebuilt when the orders changed.
    if (order < 0 || order >= ListSize()) {
        // Outside the positions of a run: only a hand-set order can be there.
        for (int i = 0; i < ListSize(); ++i) {
            if (m_questions[static_cast<size_t>(i)]->m_nOrder == order)
                return i;
        }
        return -1;
    }
    const auto slot = static_cast<size_t>(order);
    if (slot < m_orderIndex.size()) {
        const int index = m_orderIndex[slot];
        if (index >= 0 && m_questions[static_cast<size_t>(index)]->m_nOrder == order)
            return index;
    }
    RebuildOrderIndex();
    return m_orderIndex[slot];
}

void CTU_QuizDoc::RebuildOrderIndex() const
{
    m_orderIndex.assign(m_questions.size(), -1);
    // Scanning from the end leaves the first question of each order in the table.
    for (int i = ListSize() - 1; i >= 0; --i) {
        const int order = m_questions[static_cast<size_t>(i)]->m_nOrder;
        if (order >= 0 && static_cast<size_t>(order) < m_orderIndex.size())
            m_orderIndex[static_cast<size_t>(order)] = i;
    }
}

void CTU_QuizDoc::PickRandomUnanswered()
{
    // A random question among the open ones. The pool of open questions is
    // made once and thinned as its questions get answered, so a pick costs the
    // same in a quiz of ten questions and in one of ten thousand.
    DropPickIfAnswered();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1 || m_openPool.empty())
            RebuildOpenPool();
        while (!m_openPool.empty()) {
            const size_t slot = RandomBelow(m_openPool.size());
            if (IsPoolSlotOpen(slot)) {
                m_nCurrent = m_questions[static_cast<size_t>(m_openPool[slot])]->m_nOrder;
                m_nPickedSlot = slot;
                return;
            }
            DropPoolSlot(slot);
        }
    }
}

bool CTU_QuizDoc::IsPoolSlotOpen(size_t slot) const
{
    const int index = m_openPool[slot];
    return index < ListSize() && m_questions[static_cast<size_t>(index)]->IsOpen();
}

void CTU_QuizDoc::DropPoolSlot(size_t slot)
{
    m_openPool[slot] = m_openPool.back();
    m_openPool.pop_back();
}

void CTU_QuizDoc::DropPickIfAnswered()
{
    // The question picked last is usually answered by now, and still in the
    // processor's cache: dropping it here spares a later draw that would land
    // on it, fetch it from memory and only then find it closed.
    if (m_nPickedSlot < m_openPool.size() && !IsPoolSlotOpen(m_nPickedSlot))
        DropPoolSlot(m_nPickedSlot);
    m_nPickedSlot = NO_SLOT;
}

void CTU_QuizDoc::RebuildOpenPool() const
{
    m_openPool.clear();
    m_nPickedSlot = NO_SLOT;
    for (int i = 0; i < ListSize(); ++i) {
        if (m_questions[static_cast<size_t>(i)]->IsOpen())
            m_openPool.push_back(i);
    }
}

size_t CTU_QuizDoc::RandomBelow(size_t count) const
{
    quint64 r = static_cast<quint64>(Rand()) & RAND_MASK;
    // One 15-bit draw while the count stays within 32768, more beyond.
    for (quint64 range = RAND_MASK; range < count - 1; range = (range << RAND_BITS) | RAND_MASK)
        r = (r << RAND_BITS) | (static_cast<quint64>(Rand()) & RAND_MASK);
    return static_cast<size_t>(r % count);
}

int CTU_QuizDoc::CountCorrect() const
{
    int correct = 0;
    for (const auto& question : m_questions) {
        // Only an answer given counts: an open or given-up question never
        // scores, even a math problem whose value is 0.
        if (question->IsOpen() || question->m_bGivenUp)
            continue;
        if (AnswerJudge::JudgeAnswer(*this, *question))
            ++correct;
    }
    return correct;
}

CQuestion* CTU_QuizDoc::CurrentQuestion() const
{
    return Question(FindByOrder(m_nCurrent));
}

void CTU_QuizDoc::AcceptAnswer()
{
    if (m_nAnswered < m_nQuestionCount)
        ++m_nAnswered;
}

void CTU_QuizDoc::TryAgain()
{
    ++m_nAttempt;
    if (m_nAnswered > 0)
        --m_nAnswered;
}

CTU_QuizDoc::RunStep CTU_QuizDoc::MoveOn()
{
    m_nAttempt = 1;
    return Advance();
}

CTU_QuizDoc::RunStep CTU_QuizDoc::SkipQuestion(bool tryLater)
{
    if (CQuestion* question = CurrentQuestion()) {
        question->m_strResponse.clear();
        question->m_nResponse = -1;
        if (!tryLater) {
            question->m_bGivenUp = true;
            AcceptAnswer();
        }
    }
    // The next question starts with its own first try.
    m_nAttempt = 1;
    return Advance();
}

CTU_QuizDoc::RunStep CTU_QuizDoc::Advance()
{
    if (m_nAnswered >= m_nQuestionCount)
        return RunStep::RunOver;
    if (m_bRandomPhase) {
        PickRandomUnanswered();
        return RunStep::NextQuestion;
    }
    ++m_nCurrent;
    if (m_nCurrent >= m_nQuestionCount) {
        m_bRandomPhase = true;
        PickRandomUnanswered();
    }
    return RunStep::NextQuestion;
}

double CTU_QuizDoc::EvaluateProblem(const QString& text) const
{
    return MathRules::EvaluateProblem(text);
}

void CTU_QuizDoc::SetRandomSource(std::function<int()> rand, std::function<void(unsigned)> seed)
{
    m_rand = rand ? std::move(rand) : std::function<int()>([] { return std::rand(); });
    m_seed =
        seed ? std::move(seed) : std::function<void(unsigned)>([](unsigned s) { std::srand(s); });
}

int CTU_QuizDoc::Rand() const
{
    return m_rand();
}

void CTU_QuizDoc::SeedRandom(unsigned seed) const
{
    m_seed(seed);
}

std::vector<int> CTU_QuizDoc::RandomPermutation(int count) const
{
    std::vector<int> permutation(static_cast<size_t>(count > 0 ? count : 0));
    for (size_t i = 0; i < permutation.size(); ++i)
        permutation[i] = static_cast<int>(i);
    for (size_t k = 1; k < permutation.size(); ++k) {
        quint64 r = static_cast<quint64>(Rand()) & RAND_MASK;
        // One 15-bit draw while k + 1 stays within 32767, more beyond.
        for (quint64 range = RAND_MASK; range < k + 1; range = (range << RAND_BITS) | RAND_MASK)
            r = (r << RAND_BITS) | (static_cast<quint64>(Rand()) & RAND_MASK);
        const size_t j = static_cast<size_t>(r % (k + 1));
        std::swap(permutation[k], permutation[j]);
    }
    return permutation;
}
