#pragma once

#include "CPictureChoicePage.h"
#include "CTU_QuizDoc.h"

#include <memory>

class CDib;
class CQuestion;
class QLabel;

// The flow that the four question pages share: show the current question of
// the run, judge the answer in a feedback dialog on Next, try again or move
// on, go back, put a question off ("Skip ?") or quit the quiz ("Finish").
// Each page adds only its own way of showing a question and taking the answer.
class CQuestionPage : public CPictureChoicePage
{
    Q_OBJECT

public:
    CQuestionPage(CWizardContext& context, int quizType, int bannerId, int sideId,
                  QWidget* parent = nullptr);
    ~CQuestionPage() override;

    void OnSetActive() final;
    int OnWizardNext() final;
    int OnWizardBack() final;
    bool OnQueryCancel() final;
    void OnCommand(int id) final;
    QPushButton* DefaultButton() const override;

    QString ProgressText() const;

protected:
    // Pictures loaded once, on the first activation.
    virtual void LoadPagePictures() {}
    // Shows the question and its stored answer; decides whether Next works.
    virtual void ShowQuestion(CQuestion& question) = 0;
    // Whether the answer may be judged; a page that refuses says why and stays.
    virtual bool AcceptsAnswer(CQuestion& /*question*/) { return true; }
    // Puts the pupil's answer into the question.
    virtual void StoreAnswer(CQuestion& question) = 0;
    // Runs the feedback dialog; CFeedbackDlg::kTryAgain asks for a second try.
    virtual int RunFeedback(CQuestion& question);
    // The progress lines for the questions dealt with and those left after this one. English
    // picks its singular or plural text by the count; each is also a %n text, so that a
    // translation gives every count the form its own language needs.
    virtual QString ProgressFormat(int answered, int left) const = 0;
    // Drawing after the banner and the side picture.
    virtual void PaintContent(QPainter& /*painter*/) {}
    void PaintPage(QPainter& painter) final;
    void OnPictureButton(int /*id*/) override {}

    void AddProgressLabel(const QRect& geometry);
    // Typed answers: Next works once there is something to judge.
    void FollowAnswer(const QString& answer);
    CQuestion* Current() const { return m_pDoc->CurrentQuestion(); }

    const int m_nQuizType;

private:
    void ShowAgain();
    void Continue(CTU_QuizDoc::RunStep step);
    bool HasQuestionToAsk() const;

    const int m_nBannerId;
    const int m_nSideId;
    std::unique_ptr<CDib> m_pBanner;
    std::unique_ptr<CDib> m_pSide;
    QLabel* m_pProgress = nullptr;
};
