#include "CRtfDecoder.h"

#include <QByteArray>

#include <array>
#include <string_view>

namespace {
constexpr int kDefaultCodePage = 1252;
constexpr int kMaxFonts = 4096;
constexpr int kMaxFontNameLength = 256;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kBullet = 0x2022;
constexpr int kSymbolCharset = 2;
constexpr int kCodePageSymbol = 42;
constexpr int kCodePageMacRoman = 10000;
constexpr char32_t kPrivateSymbolFirst = 0xF020; // symbol fonts mapped into Unicode's private area
constexpr char32_t kPrivateSymbolLast = 0xF0FF;

// Windows-1252 for 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80];
    return byte;
}

// The Symbol font's Greek letters, in the order of the Latin letters they replace.
constexpr std::u16string_view kSymbolUpper = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr std::u16string_view kSymbolLower = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

struct SymbolMapping
{
    uchar byte;
    char16_t unicode;
};

constexpr std::array<SymbolMapping, 22> kSymbolOthers = {{
    {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
    {0x5C, 0x2234}, {0x5E, 0x22A5}, {0xA3, 0x2264}, {0xA5, 0x221E}, {0xAB, 0x2194}, {0xAC, 0x2190},
    {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB7, 0x2022},
    {0xB8, 0x00F7}, {0xB9, 0x2260}, {0xD6, 0x221A}, {0xE5, 0x2211},
}};

char32_t FromSymbolFont(uchar byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return kSymbolUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z')
        return kSymbolLower[byte - 'a'];
    for (const SymbolMapping& m : kSymbolOthers) {
        if (m.byte == byte)
            return m.unicode;
    }
    return byte;
}

// Wingdings is used almost only for list bullets; unknown glyphs become a plain bullet.
constexpr std::array<SymbolMapping, 10> kWingdings = {{
    {0x6C, 0x25CF},
    {0x6E, 0x25A0},
    {0x71, 0x2751},
    {0x76, 0x2756},
    {0x9F, 0x2022},
    {0xA1, 0x25CB},
    {0xA7, 0x25AA},
    {0xD8, 0x27A2},
    {0xFB, 0x2718},
    {0xFC, 0x2714},
}};

char32_t FromWingdings(uchar byte)
{
    for (const SymbolMapping& m : kWingdings) {
        if (m.byte == byte)
            return m.unicode;
    }
    return kBullet;
}

// The Windows code page that goes with an RTF font character set; 0 means the document's.
int CodePageOfCharset(int charset)
{
    switch (charset) {
    case kSymbolCharset:
        return kCodePageSymbol;
    case 77:
        return kCodePageMacRoman;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}
} // namespace

QString CRtfDecoder::FromUcs4(char32_t character)
{
    return QString::fromUcs4(&character, 1);
}

void CRtfDecoder::Reset()
{
    m_nAnsiCodePage = kDefaultCodePage;
    m_nDefaultFont = 0;
    m_fonts.clear();
    m_nFontInTable = -1;
    m_fontName.clear();
}

void CRtfDecoder::BeginFontTable()
{
    m_nFontInTable = -1;
    m_fontName.clear();
}

void CRtfDecoder::HandleFontTableWord(const QByteArray& word, int param)
{
    if (word == "f") {
        m_nFontInTable = param;
        m_fontName.clear();
        if (m_fonts.size() < kMaxFonts)
            m_fonts.insert(param, FontEntry());
    } else if (word == "fcharset") {
        if (m_fonts.contains(m_nFontInTable))
            m_fonts[m_nFontInTable].charset = param;
    } else if (word == "froman" || word == "fswiss" || word == "fmodern" || word == "fscript" ||
               word == "fdecor" || word == "ftech") {
        if (m_fonts.contains(m_nFontInTable))
            m_fonts[m_nFontInTable].family = int(word.at(1));
    }
}

void CRtfDecoder::AddFontNameByte(uchar byte)
{
    if (byte == ';')
        CommitFontName();
    else
        AddFontNameCharacter(FromCp1252(byte));
}

void CRtfDecoder::AddFontNameCharacter(char32_t character)
{
    if (m_fontName.size() < kMaxFontNameLength)
        m_fontName += FromUcs4(character);
}

void CRtfDecoder::CommitFontName()
{
    if (m_fonts.contains(m_nFontInTable))
        m_fonts[m_nFontInTable].name = m_fontName.trimmed();
    m_fontName.clear();
}

const CRtfDecoder::FontEntry* CRtfDecoder::FontAt(int font) const
{
    const auto found = m_fonts.constFind(font >= 0 ? font : m_nDefaultFont);
    return found == m_fonts.constEnd() ? nullptr : &found.value();
}

CRtfDecoder::SymbolSet CRtfDecoder::SymbolSetOf(int font) const
{
    const FontEntry* entry = FontAt(font);
    if (!entry)
        return SymbolSet::None;
    if (entry->name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        return SymbolSet::Wingdings;
    if (entry->charset == kSymbolCharset ||
        entry->name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return SymbolSet::Symbol;
    return SymbolSet::None;
}

int CRtfDecoder::CodePageOf(int font) const
{
    const FontEntry* entry = FontAt(font);
    const int codePage = entry ? CodePageOfCharset(entry->charset) : 0;
    return codePage ? codePage : m_nAnsiCodePage;
}

QString CRtfDecoder::Decode(uchar byte, int font)
{
    switch (SymbolSetOf(font)) {
    case SymbolSet::Symbol:
        return FromUcs4(FromSymbolFont(byte));
    case SymbolSet::Wingdings:
        return FromUcs4(FromWingdings(byte));
    case SymbolSet::None:
        break;
    }
    const int codePage = CodePageOf(font);
    if (byte < 0x80 || codePage == kDefaultCodePage)
        return FromUcs4(FromCp1252(byte));
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        const QByteArray name = codePage == kCodePageMacRoman
                                    ? QByteArray("macintosh")
                                    : "windows-" + QByteArray::number(codePage);
        found = m_decoders.insert(codePage, std::make_shared<QStringDecoder>(name));
    }
    QStringDecoder& decoder = *found.value();
    if (!decoder.isValid())
        return FromUcs4(FromCp1252(byte));
    const char c = char(byte);
    const QString text = decoder.decode(QByteArrayView(&c, 1));
    return text.isEmpty() ? FromUcs4(kReplacement) : text;
}

char32_t CRtfDecoder::MapUnicode(char32_t character, int font) const
{
    if (character < kPrivateSymbolFirst || character > kPrivateSymbolLast)
        return character;
    // F0B7 is the Symbol bullet, F0A7 the Wingdings square.
    const uchar low = uchar(character & 0xFF);
    switch (SymbolSetOf(font)) {
    case SymbolSet::Symbol:
        return FromSymbolFont(low);
    case SymbolSet::Wingdings:
        return FromWingdings(low);
    case SymbolSet::None:
        break;
    }
    return character;
}
