#include "CRtfTokenizer.h"

#include <QIODevice>

#include <algorithm>
#include <limits>

namespace {
constexpr qint64 kChunkSize = 64 * 1024;
constexpr int kMaxWordLength = 32;

bool IsLetter(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

int HexValue(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

CRtfTokenizer::CRtfTokenizer(QIODevice* device) : m_pDevice(device) {}

int CRtfTokenizer::NextByte()
{
    if (m_nPutBack >= 0) {
        const int byte = m_nPutBack;
        m_nPutBack = -1;
        return byte;
    }
    if (m_nChunkPos >= m_chunk.size()) {
        if (m_bInputEnded || !m_pDevice)
            return -1;
        m_chunk = m_pDevice->read(kChunkSize);
        m_nChunkPos = 0;
        if (m_chunk.isEmpty()) {
            m_bInputEnded = true;
            return -1;
        }
    }
    return uchar(m_chunk.at(m_nChunkPos++));
}

void CRtfTokenizer::PutBack(int byte)
{
    m_nPutBack = byte;
}

CRtfTokenizer::Token CRtfTokenizer::Next()
{
    Token token;
    for (;;) {
        const int c = NextByte();
        switch (c) {
        case -1:
            token.kind = TokenKind::End;
            return token;
        case '{':
            token.kind = TokenKind::GroupOpen;
            return token;
        case '}':
            token.kind = TokenKind::GroupClose;
            return token;
        case '\r':
        case '\n':
        case '\0':
            continue; // line breaks in the file carry no meaning
        case '\\':
            ReadControlWord(token, NextByte());
            if (token.kind == TokenKind::End)
                continue;
            return token;
        default:
            token.kind = TokenKind::Text;
            token.byte = uchar(c);
            return token;
        }
    }
}

void CRtfTokenizer::ReadControlWord(Token& token, int first)
{
    if (first < 0) {
        token.kind = TokenKind::End;
        return;
    }
    if (IsLetter(first)) {
        ReadWordAndNumber(token, first);
        return;
    }
    if (first == '\'') {
        const int high = HexValue(NextByte());
        const int low = high >= 0 ? HexValue(NextByte()) : -1;
        if (high < 0 || low < 0) {
            token.kind = TokenKind::End; // a broken escape is dropped
            return;
        }
        token.kind = TokenKind::Hex;
        token.byte = uchar(high * 16 + low);
        return;
    }
    if (first == '\r' || first == '\n') {
        token.kind = TokenKind::Word; // a backslash before a line break ends a paragraph
        token.word = "par";
        return;
    }
    token.kind = TokenKind::Symbol;
    token.byte = uchar(first);
}

void CRtfTokenizer::ReadWordAndNumber(Token& token, int first)
{
    token.kind = TokenKind::Word;
    int c = first;
    int length = 0;
    bool overlong = false;
    while (IsLetter(c)) {
        if (length < kMaxWordLength)
            token.word.append(char(c));
        else
            overlong = true;
        ++length;
        c = NextByte();
    }
    if (overlong)
        token.word = "?"; // no real control word is that long: ignore it

    bool negative = false;
    if (c == '-') {
        negative = true;
        c = NextByte();
    }
    if (IsDigit(c)) {
        qint64 value = 0;
        while (IsDigit(c)) {
            value = std::min<qint64>(value * 10 + (c - '0'), std::numeric_limits<int>::max());
            c = NextByte();
        }
        token.hasParam = true;
        token.param = int(negative ? -value : value);
    }
    if (c != ' ' && c >= 0)
        PutBack(c);

    if (token.word == "bin" && token.hasParam && token.param > 0) {
        SkipBinary(token.param);
        token.kind = TokenKind::End;
    }
}

void CRtfTokenizer::SkipBinary(int count)
{
    for (int i = 0; i < count; ++i) {
        if (NextByte() < 0)
            return;
    }
}
