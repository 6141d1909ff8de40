#pragma once

#include <QString>

// One question of a quiz. Only m_strQuestion, m_nAnswer and m_strAnswer are
// stored in the quiz file; the rest is the state of a quiz being taken.
class CQuestion
{
public:
    bool m_bGivenUp = false; // "try later?" answered No in this run
    QString m_strQuestion;   // statement, card front, math problem or word
    int m_nAnswer = 0;       // true/false: 0 = True, 1 = False
    QString m_strAnswer;     // flash card back
    int m_nResponse = -1;    // true/false answer of the taker: -1 none, 0 True, 1 False
    QString m_strResponse;   // typed answer of the taker; empty = none
    int m_nOrder = 0;        // position in the current random order

    // Not yet dealt with in this run.
    bool IsOpen() const { return m_nResponse == -1 && m_strResponse.isEmpty() && !m_bGivenUp; }
};
