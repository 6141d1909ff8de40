#pragma once

#include <QHash>
#include <QString>
#include <QStringDecoder>

#include <memory>

class QByteArray;

// Turns the bytes and private-area characters of RTF text into Unicode: each font's
// character set chooses a Windows code page (the document's by default), and the symbol
// fonts Symbol and Wingdings map their glyphs to the characters they show. It also keeps
// the font table that these choices depend on.
class CRtfDecoder
{
public:
    enum class SymbolSet
    {
        None,
        Symbol,
        Wingdings
    };

    struct FontEntry
    {
        QString name;
        int charset = 0;
        int family = 0; // 'r' roman, 's' swiss, 'm' modern, ... from \froman, \fswiss ...
    };

    void Reset();
    void SetAnsiCodePage(int codePage) { m_nAnsiCodePage = codePage; }
    void SetDefaultFont(int font) { m_nDefaultFont = font; }

    // The font table: \fN starts an entry, its words and name text follow, ';' ends it.
    void BeginFontTable();
    void HandleFontTableWord(const QByteArray& word, int param);
    void AddFontNameByte(uchar byte);
    void AddFontNameCharacter(char32_t character);
    void CommitFontName();
    bool HasPendingFontName() const { return !m_fontName.isEmpty(); }

    // The entry of a font number (below 0: the document's default font); null when unknown.
    const FontEntry* FontAt(int font) const;
    SymbolSet SymbolSetOf(int font) const;

    // A text byte written in the given font.
    QString Decode(uchar byte, int font);
    // A \u character in the given font: symbol fonts are reached through the private area.
    char32_t MapUnicode(char32_t character, int font) const;

    static QString FromUcs4(char32_t character);

private:
    int CodePageOf(int font) const;

    int m_nAnsiCodePage = 1252;
    int m_nDefaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_nFontInTable = -1;
    QString m_fontName;
    QHash<int, std::shared_ptr<QStringDecoder>> m_decoders;
};
