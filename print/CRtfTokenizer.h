#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

// Cuts RTF input into tokens: group braces, control words with their numbers, control
// symbols, escaped bytes and plain text bytes. The input is read in chunks and may stop
// anywhere; words that no writer could mean and \binN data are passed over.
class CRtfTokenizer
{
public:
    enum class TokenKind
    {
        End,
        GroupOpen,
        GroupClose,
        Word,
        Symbol,
        Hex,
        Text
    };

    struct Token
    {
        TokenKind kind = TokenKind::End;
        QByteArray word;
        bool hasParam = false;
        int param = 0;
        uchar byte = 0;
    };

    explicit CRtfTokenizer(QIODevice* device);

    // The next token; End once the input is used up.
    Token Next();

private:
    int NextByte();
    void PutBack(int byte);
    void ReadControlWord(Token& token, int first);
    void ReadWordAndNumber(Token& token, int first);
    void SkipBinary(int count);

    QIODevice* m_pDevice;
    QByteArray m_chunk;
    qsizetype m_nChunkPos = 0;
    bool m_bInputEnded = false;
    int m_nPutBack = -1;
};
