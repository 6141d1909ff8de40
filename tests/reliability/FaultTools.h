#pragma once

#include <QByteArray>
#include <QString>

class CTU_QuizDoc;

// Helpers shared by the fault tests: quizzes large enough that a save takes
// a while, reading files back, and the immutable flag that stops even root.
namespace FaultTools {

// Fills the document with a flash-card quiz of count cards whose texts
// depend on version, a few of them with characters that need the wide form.
void FillQuiz(CTU_QuizDoc& doc, int count, int version);
// Whether the document holds exactly the quiz FillQuiz made.
bool HoldsQuiz(const CTU_QuizDoc& doc, int count, int version);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);

// Sets or clears the file system's immutable flag (chattr +i); false when
// the file system or the user cannot.
bool SetImmutable(const QString& path, bool immutable);
// Whether the effective user ignores file permissions (root).
bool IgnoresPermissions();

} // namespace FaultTools
