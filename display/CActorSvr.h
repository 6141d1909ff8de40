#pragma once

#include "CAudioOutput.h"
#include "CSpeechSynthesizer.h"

#include <QObject>
#include <QString>

#include <memory>

// The speech control of the pages that speak (the spelling quiz and its
// advice page): set the text, then speak it. Speaking returns at once and the
// sound plays on while the pupil works; a new Speak cuts off the last one.
class CActorSvr : public QObject
{
    Q_OBJECT

public:
    // Speaks through the default sound device.
    explicit CActorSvr(QObject* parent = nullptr);
    // Speaks through the given output (tests listen through their own).
    explicit CActorSvr(std::unique_ptr<CAudioOutput> output, QObject* parent = nullptr);
    ~CActorSvr() override;

    void SetText(const QString& text);
    QString Text() const { return m_strText; }
    // The language the text is spoken in ("en", "de" ...; see CQuizVoice).
    void SetLanguage(const QString& language) { m_strLanguage = language; }
    QString Language() const { return m_strLanguage; }
    // Says the text last set; false when there is no engine or nothing to say.
    bool Speak();
    // Says it at about half the rate, a syllable at a time.
    bool SpeakSlowly();
    void Stop();

    // The speech for the text, in memory.
    static CSpeechSynthesizer::Audio
    Synthesize(const QString& text, const QString& language = CSpeechSynthesizer::DefaultLanguage(),
               CSpeechSynthesizer::Pace pace = CSpeechSynthesizer::Pace::Normal);

private:
    bool SpeakAt(CSpeechSynthesizer::Pace pace);

    std::unique_ptr<CAudioOutput> m_pOutput;
    QString m_strText;
    QString m_strLanguage = CSpeechSynthesizer::DefaultLanguage();
};
