#pragma once

#include "CAudioOutput.h"
#include "CWaveSound.h"

#include <QHash>
#include <QObject>

#include <memory>

// Plays the program's wave resources ":/waves/<id>.wav" without waiting for
// them: a new sound cuts off the one still playing. A machine without sound
// stays silent; a missing wave is silence too, never an error for the pupil.
class CSoundPlayer : public QObject
{
    Q_OBJECT

public:
    // Plays through the default sound device.
    explicit CSoundPlayer(QObject* parent = nullptr);
    // Plays through the given output (tests listen through their own).
    explicit CSoundPlayer(std::unique_ptr<CAudioOutput> output, QObject* parent = nullptr);
    ~CSoundPlayer() override;

    static QString ResourcePath(int waveId);

    // Starts the wave; false when there is no such wave resource.
    bool Play(int waveId);
    void Stop();

    // The last wave asked for (-1 before the first), and how many were asked for.
    int LastPlayed() const { return m_nLastPlayed; }
    int PlayCount() const { return m_nPlayCount; }

signals:
    void played(int waveId);

private:
    const CWaveSound* Wave(int waveId);

    std::unique_ptr<CAudioOutput> m_pOutput;
    QHash<int, std::optional<CWaveSound>> m_waves;
    int m_nLastPlayed = -1;
    int m_nPlayCount = 0;
};
