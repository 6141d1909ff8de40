#pragma once

#include "CPageSpeaker.h"
#include "CPictureChoicePage.h"
#include "CTU_QuizDoc.h"

#include <memory>
#include <vector>

class CActorSvr;
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

    // The control id of the Read aloud button.
    static constexpr int kReadAloudButton = 1;

    // The speech control of the page's speaker buttons; tests give the page one that listens.
    void SetActor(std::unique_ptr<CActorSvr> actor);
    CActorSvr* Actor() { return m_speaker.Actor(); }

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
    // Read aloud; pages with picture buttons of their own pass the others on.
    void OnPictureButton(int id) override;

    void AddProgressLabel(const QRect& geometry);
    // A speaker picture button with its words below it. It acts when pressed and never joins
    // the page's choice. A speaker that only adds to what the pupil is asked is offered only
    // when the computer can speak.
    struct SpeakerButton
    {
        int id; // what OnPictureButton is told
        int pictureId;
        QString name; // accessible name, with the & of its Alt letter
        QString description;
        QRect geometry;
        QString caption;
        QRect captionGeometry;
        bool offeredWithoutSpeech = false;
    };
    CPictureButton* AddSpeakerButton(const SpeakerButton& speaker);
    // "Read aloud" below the side picture: says ReadAloudText() in the quiz's voice, from its
    // start again when pressed while it speaks.
    void AddReadAloudButton();
    virtual QString ReadAloudText() const { return QString(); }
    CPageSpeaker& Voice() { return m_speaker; }
    // Leaving the page stops what it says.
    void hideEvent(QHideEvent* event) override;
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
    CPageSpeaker m_speaker;
    // The speaker buttons, their words and their pictures, loaded with the page's others.
    struct ShownSpeaker
    {
        CPictureButton* button;
        QLabel* caption;
        int pictureId;
        bool offeredWithoutSpeech;
        std::unique_ptr<CDib> face;
    };
    void OfferSpeakers();
    std::vector<ShownSpeaker> m_speakers;
};
