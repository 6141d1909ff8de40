#pragma once

#include "CSheetHarness.h"

#include <QStringList>

class CQuizFile;

// The steps of making a quiz as a pupil takes them, on a real sheet.
class CMakeSteps
{
public:
    explicit CMakeSteps(CSheetHarness& harness,
                        const QString& fileName = QStringLiteral("quiz.qiz"))
        : m_h(harness), m_strFile(fileName)
    {
    }

    // From the welcome page: a new quiz of this kind, its manager shown empty.
    void NewQuizOfKind(int kind);
    // The same, then Add pressed: the kind's editor on its first question (spelling too: the
    // sheet is told a speech engine is there).
    void NewQuizAtEditor(int kind);
    // On the format page: picks a kind's radio button.
    void PickKind(int kind);

    // Types into the page's edit box of this object name (appending to it).
    void Type(const QString& editName, const QString& text);
    // Replaces the whole text of the page's edit box.
    void Retype(const QString& editName, const QString& text);
    QString TextOf(const QString& editName) const;

    // Editors: write one question (the page must be the kind's editor).
    void WriteStatement(const QString& text, bool isTrue);
    void WriteCard(const QString& front, const QString& back);
    void WriteProblemOnKeys(const QString& keys); // key labels, e.g. "12+3"
    void WriteWord(const QString& word);

    // The manager's list lines, and its list's selection.
    QStringList ListLines() const;
    void SelectLine(int row);

    // What the quiz file on disk (the one this quiz was saved as) holds now: question texts, and
    // "text|answer" (true/false: 0 or 1; flash cards: the back) when withAnswers.
    QStringList FileQuestions(bool withAnswers = false) const;
    int FileKind() const;
    int FileCount() const;

private:
    CSheetHarness& m_h;
    QString m_strFile;
};
