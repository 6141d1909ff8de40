#pragma once

#include <QString>

class CQuestion;
class CTU_QuizDoc;

// How an answer is judged and the sentences the feedback dialogs show. The
// score counts with the same judge, so it agrees with every verdict shown.
namespace AnswerJudge {

// Whether the question's stored answer is right, by the document's kind:
// true/false compares the choice, flash cards and spelling compare the typed
// text with the expected one ignoring the case of a-z, math compares values.
// Neither stored text is changed.
bool JudgeAnswer(const CTU_QuizDoc& doc, const CQuestion& question);
// The sentence naming the right answer; it begins with one blank.
QString CorrectAnswerText(const CTU_QuizDoc& doc, const CQuestion& question);
// "Correct. You got it right!" or "No. That is not correct.".
QString VerdictText(bool correct);
// The true/false dialog's message for the question's stored choice.
QString TrueFalseVerdictText(const CQuestion& question);
// The text a typed flash-card answer is compared with.
const QString& ExpectedFlashCardText(const CTU_QuizDoc& doc, const CQuestion& question);
// Equal after upper-casing a to z, and only those letters.
bool SameIgnoringLetterCase(const QString& a, const QString& b);

} // namespace AnswerJudge
