#pragma once

#include "CQuestionPage.h"

class CActorSvr;
class CPictureButton;
class QLineEdit;

// Page 15: the computer says a word and the pupil types its spelling; the
// speaker button says the word again.
class CSpellingTakePage : public CQuestionPage
{
    Q_OBJECT

public:
    explicit CSpellingTakePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CSpellingTakePage() override;

    // The speech control; tests give the page one that listens.
    void SetActor(std::unique_ptr<CActorSvr> actor);
    CActorSvr* Actor() const { return m_pActor.get(); }

    // Letters typed into the answer box show as capitals.
    static QString CapitalLetters(const QString& text);

protected:
    void LoadPagePictures() override;
    void ShowQuestion(CQuestion& question) override;
    void StoreAnswer(CQuestion& question) override;
    QString ProgressFormat(int answered, int left) const override;
    void OnPictureButton(int id) override;

private:
    void ShowAsCapitals(const QString& typed);

    std::unique_ptr<CActorSvr> m_pActor;
    std::unique_ptr<CDib> m_pSpeakerFace;
    CPictureButton* m_pSpeaker;
    QLineEdit* m_pAnswer;
};
