#pragma once

#include "CPrompt.h"
#include "CQuizPage.h"
#include "QuizType.h"

class CQuestion;

// The editing flow that the four question editors share: one question per
// visit of the page, in add or modify mode, stored with "New ?", "Back",
// "Finish", "Cancel" or "Advice". Every stored question rewrites the quiz file
// at once. An editor adds only its controls, its completeness test and the few
// places where its flow differs.
class CEditPage : public CQuizPage
{
    Q_OBJECT

public:
    // The pictures and help text of an editor.
    struct Looks
    {
        int m_nBannerId;      // reloaded on every activation
        int m_nKindPictureId; // loaded once
        int m_nHelpStringId;  // drawn in the help area
    };

    CEditPage(CWizardContext& context, int quizType, const Looks& looks, QWidget* parent);
    ~CEditPage() override;

    void OnSetActive() override;
    int OnWizardNext() override; // "New ?" / "New Word"
    int OnWizardBack() override;
    bool OnQueryCancel() override;
    void OnCommand(int id) override; // the sheet's Finish and Advice

    // The text of the sheet's title while a question is edited.
    QString QuestionTitle(int number, int count) const;

protected:
    // --- what each editor provides ---
    // Shows a stored question in the controls (modify mode).
    virtual void ShowQuestion(const CQuestion& question) = 0;
    // Empties the controls for a new question (add mode).
    virtual void ShowEmptyQuestion() = 0;
    // Copies what the controls show into a question about to be stored.
    virtual void FillQuestion(CQuestion& question) const = 0;
    // Whether the question shown may be stored.
    virtual bool IsComplete() const = 0;
    // Where the keyboard focus goes on activation.
    virtual void FocusEditor() = 0;
    // Pictures of the editor besides the banner and the kind picture (loaded once).
    virtual void LoadOwnPictures() {}

    // --- where an editor's flow may differ ---
    // Enables or disables "New ?" and "Finish" after a change in the controls.
    virtual void ApplyButtonRule();
    // Called when "New ?" or "Finish" meets an incomplete question: true keeps
    // the page as it is (the editor has told the user why).
    virtual bool RefuseIncomplete() { return false; }
    // Whether Back stores an incomplete question too (an emptied one is removed).
    virtual bool BackStoresIncomplete() const { return false; }
    // Whether Cancel asks to save whatever the page holds.
    virtual bool CancelAlwaysAsksToSave() const { return false; }

    // Runs the activation again without moving (a new question on the same page).
    void Activate();
    // Adds or replaces the question, or removes it in modify mode when it is
    // incomplete; then rewrites the quiz file.
    void Store();
    // Asks the sheet to enable or disable "New ?" and "Finish".
    void EnableStoreButtons(bool newEnabled, bool finishEnabled, bool focus = false);
    void MakeFinishDefault();
    // Plays one of the program's waves without waiting for it.
    void PlayWave(int waveId);

    bool IsModifying() const;
    int QuizType() const { return m_nQuizType; }
    const QRect& KindPictureRect() const;
    void PaintPage(QPainter& painter) override;

private:
    void StoreAndNew();
    void StoreAndPrevious();
    void StoreAndFinish();
    void StoreAndAdvise();
    void LeaveWithQuestion();
    void LeaveToManager();
    CPrompt::Reply Ask(int stringId);
    CPrompt::Reply Ask(const QString& text);

    int m_nQuizType;
    Looks m_looks;
    std::unique_ptr<CDib> m_pBanner;
    std::unique_ptr<CDib> m_pKindPicture;
};
