#pragma once

#include "CQuizPage.h"

#include <array>
#include <memory>

class CDib;
class QLabel;
class QTimer;

// Page 17: how many answers were right, with a sound, and a little dance of
// the owl for a perfect score. From here the pupil retakes or reviews the
// quiz, goes back to the last question, or leaves.
class CScorePage : public CQuizPage
{
    Q_OBJECT

public:
    static constexpr int kFrameCount = 7;
    static constexpr int kTickMilliseconds = 100;
    static constexpr int kLastSweep = 4; // five sweeps in all

    explicit CScorePage(CWizardContext& context, QWidget* parent = nullptr);
    ~CScorePage() override;

    void OnSetActive() override;
    int OnWizardBack() override;
    bool OnQueryCancel() override { return true; } // "Close" ends the program
    void OnCommand(int id) override;
    QPushButton* DefaultButton() const override;

    QString ScoreText() const;
    float Percentage() const { return m_fPercentage; }
    // The animation: the frame index shown (0 to 6) and the timer that drives it.
    int FrameIndex() const { return m_nFrame; }
    bool IsAnimating() const;
    QTimer* AnimationTimer() const { return m_pTimer; }
    static int FrameBitmap(int frame);
    // The percentage as the score line prints it: a whole number.
    static QString FormatPercentage(float percentage);

public slots:
    // One step of the animation; the timer calls it every 100 ms.
    void Tick();

protected:
    void PaintPage(QPainter& painter) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool IsPerfect() const { return m_fPercentage == 100.0f; }
    void StartAnimation();
    void Retake();
    void Review();

    std::unique_ptr<CDib> m_pBanner;
    std::unique_ptr<CDib> m_pScorePicture;
    std::array<std::unique_ptr<CDib>, kFrameCount> m_frames;
    QLabel* m_pScore;
    QPushButton* m_pRetake;
    QPushButton* m_pReview;
    QTimer* m_pTimer;
    float m_fPercentage = 0.0f;
    int m_nFrame = 0;
    bool m_bForward = true;
    int m_nSweep = 0;
};
