#pragma once

#include "CQuestion.h"
#include "QuizType.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CPrompt;

// The one quiz in memory: its file, its kind, its questions, the state of a
// quiz being taken, and the values pages hand to each other. Pages change it
// and save it at once, so the file always mirrors it.
class CTU_QuizDoc
{
public:
    CTU_QuizDoc();
    ~CTU_QuizDoc();
    CTU_QuizDoc(const CTU_QuizDoc&) = delete;
    CTU_QuizDoc& operator=(const CTU_QuizDoc&) = delete;

    // Where the document reports failures (save, open) to the user; may be null.
    void SetPrompt(CPrompt* prompt) { m_pPrompt = prompt; }
    CPrompt* Prompt() const { return m_pPrompt; }

    void SetQuizType(int type) { m_nQuizType = type; }
    void SetMakeMode() { m_bTakeMode = false; }
    void SetTakeMode() { m_bTakeMode = true; }

    // Deletes every question and forgets the file; the kind stays.
    void ClearQuestions();
    // Deletes every question but keeps the file (a change of kind).
    void RemoveAllQuestions();

    // The question at a 0-based position in writing order; null outside the list.
    CQuestion* Question(int index) const
    {
        return index >= 0 && static_cast<size_t>(index) < m_questions.size()
                   ? m_questions[static_cast<size_t>(index)].get()
                   : nullptr;
    }
    // Every question in writing order.
    const std::vector<std::unique_ptr<CQuestion>>& Questions() const { return m_questions; }
    // Appends a new, unanswered question and returns it.
    CQuestion* AddQuestion();
    // Deletes the question at index; an index outside the list changes nothing.
    void RemoveQuestion(int index);

    // Writes the whole quiz atomically; on failure the previous file is kept
    // and the user is told, once for the same quiz failing at the same place.
    // A file that already holds the quiz counts as saved. m_strQuizPath is
    // set to path first either way.
    bool OnSaveDocument(const QString& path);
    // Reads a quiz into the (cleared) document; on failure tells the user.
    bool OnOpenDocument(const QString& path);
    // Whether the document holds questions that its last save did not put on disk.
    bool HasUnsavedQuestions() const { return m_bUnsaved && !m_questions.empty(); }
    // Whether the quiz file exists but may not be changed by this user.
    bool IsFileReadOnly() const;
    // The user has been told that the quiz file may not be changed: saves
    // that fail for that reason keep the questions without a message.
    void ExpectReadOnly() { m_bExpectReadOnly = true; }

    // --- taking a quiz ---
    void ResetResponses();
    void ShuffleOrder();
    void StartQuiz();
    int FindByOrder(int order) const;
    void PickRandomUnanswered();
    int CountCorrect() const;

    // The question being asked (m_nCurrent is an order position); null when none.
    CQuestion* CurrentQuestion() const;
    // Counts the current question as dealt with (never beyond the question count).
    void AcceptAnswer();
    // The feedback dialog's "Try Again": the same question is asked once more.
    void TryAgain();

    enum class RunStep
    {
        NextQuestion,
        RunOver
    };
    // After the feedback: resets the attempt and advances the run.
    RunStep MoveOn();
    // "Do you want to try this question later?": Yes keeps it open, No gives it up.
    RunStep SkipQuestion(bool tryLater);

    double EvaluateProblem(const QString& text) const;

    // The random source of shuffles and picture choices: rand() unless a test
    // installs its own. Seeded from the clock only where the program says so.
    void SetRandomSource(std::function<int()> rand, std::function<void(unsigned)> seed);
    int Rand() const;
    void SeedRandom(unsigned seed) const;

    // Same order of fields as the quiz file and the pages rely on.
    QString m_strQuizPath;
    QString m_strQuizName;
    int m_nQuizType = QUIZ_NONE;
    int m_nQuestionCount = 0;
    int m_nCurrent = 0;
    int m_bModifying = 0; // 1 modify, 0 add, -1 left with an unfinished question
    bool m_bTakeMode = false;
    int m_nAnswered = 0;
    bool m_bRandomPhase = false;
    bool m_bShowFronts = true;
    int m_nAttempt = 1;
    int m_nManagerBackPage = 0;
    int m_nReturnPage = 0;
    int m_nAdviceType = QUIZ_NONE;
    int m_nSavedCurrent = -1;

private:
    RunStep Advance();
    int ListSize() const { return static_cast<int>(m_questions.size()); }
    void ReportFailure(const QString& message) const;
    std::vector<int> RandomPermutation(int count) const;
    size_t RandomBelow(size_t count) const;
    void RebuildOrderIndex() const;
    void RebuildOpenPool() const;
    bool IsPoolSlotOpen(size_t slot) const;
    void DropPoolSlot(size_t slot);
    void DropPickIfAnswered();
    void ForgetRunIndexes();

    std::vector<std::unique_ptr<CQuestion>> m_questions;
    bool m_bUnsaved = false;
    bool m_bExpectReadOnly = false;
    // The path and bytes of the last save that failed, so that saving the
    // same quiz again at once does not tell the same failure twice.
    size_t m_nFailedSave = 0;
    // The last save's bytes, kept so that saving after every change reuses
    // memory already paged in (a large quiz is written many times a minute).
    QByteArray m_saveBuffer;
    // Lookups of a run: order position -> list index, and the questions still open.
    mutable std::vector<int> m_orderIndex;
    mutable std::vector<int> m_openPool;
    // The pool slot of the question asked last, NO_SLOT when none.
    static constexpr size_t NO_SLOT = size_t(-1);
    mutable size_t m_nPickedSlot = NO_SLOT;
    CPrompt* m_pPrompt = nullptr;
    std::function<int()> m_rand;
    std::function<void(unsigned)> m_seed;
};
