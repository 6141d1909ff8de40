#pragma once

#include "CQuestionPage.h"

class QLineEdit;

// Page 15: the computer says a word and the pupil types its spelling; the
// speaker button says the word again, the second one slowly.
class CSpellingTakePage : public CQuestionPage
{
    Q_OBJECT

public:
    explicit CSpellingTakePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CSpellingTakePage() override;

    // Letters typed into the answer box show as capitals.
    static QString CapitalLetters(const QString& text);

protected:
    void ShowQuestion(CQuestion& question) override;
    void StoreAnswer(CQuestion& question) override;
    QString ProgressFormat(int answered, int left) const override;
    void OnPictureButton(int id) override;

private:
    void ShowAsCapitals(const QString& typed);

    QLineEdit* m_pAnswer;
};
