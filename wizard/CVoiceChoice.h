#pragma once

#include <QWidget>

class CQuizVoice;
class QComboBox;
class QLabel;

// The choice of the language a spelling quiz's words are spoken in, shown where a quiz of
// words is made and where it is started. It shows the quiz's language and keeps what the
// user picks for that quiz file.
class CVoiceChoice : public QWidget
{
    Q_OBJECT

public:
    CVoiceChoice(CQuizVoice* voice, const QFont& font, QWidget* parent = nullptr);

    // Shows the language of the quiz at quizPath; a pick from now on is kept for it.
    void ShowQuiz(const QString& quizPath);
    // The code of the language shown ("de").
    QString Language() const;
    QComboBox* Box() const { return m_pBox; }

private:
    void OnPicked(int index);

    CQuizVoice* m_pVoice;
    QLabel* m_pLabel;
    QComboBox* m_pBox;
    QString m_strQuizPath;
};
