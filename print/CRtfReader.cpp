#include "CRtfReader.h"

#include <QBuffer>
#include <QIODevice>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

namespace {

constexpr qint64 kChunkSize = 64 * 1024;
constexpr int kMaxWordLength = 32;
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxTabStops = 64;
constexpr int kMaxListMarkerLength = 64;
constexpr int kMinDefaultTabTwips = 72;
constexpr int kDefaultTabTwips = 720;
constexpr int kMaxTwips = 31680; // 22 inches: larger than any paper
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size word processors offer
constexpr int kDefaultHalfPoints = 24;
constexpr double kTwipsPerPixel = 15.0; // layout lengths are pixels at 96 per inch
constexpr int kTwipsPerSingleLine = 240;
constexpr char32_t kReplacement = 0xFFFD;
constexpr int kSymbolCharset = 2;
constexpr int kCodePageSymbol = 42;
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
    return 0x2022;
}

// The Windows code page that goes with an RTF font character set; 0 means the document's.
int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 2:
        return kCodePageSymbol;
    case 77:
        return 10000;
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

// Destinations whose text is not part of the document body.
constexpr std::array<std::string_view, 42> kSkippedDestinations = {
    "annotation", "atnauthor",  "atndate",  "atnicn",   "atnid",     "atnparent",
    "atnref",     "atntime",    "author",   "buptim",   "comment",   "creatim",
    "doccomm",    "fldinst",    "footer",   "footerf",  "footerl",   "footerr",
    "footnote",   "ftncn",      "ftnsep",   "ftnsepc",  "header",    "headerf",
    "headerl",    "headerr",    "info",     "keywords", "listtable", "listoverridetable",
    "nonshppict", "object",     "operator", "pict",     "pn",        "printim",
    "revtim",     "stylesheet", "subject",  "title",    "txe",       "xe",
};

bool IsSkippedDestination(const QByteArray& word)
{
    const std::string_view w(word.constData(), size_t(word.size()));
    return std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), w) !=
           kSkippedDestinations.end();
}

int ClampTwips(int twips)
{
    return std::clamp(twips, -kMaxTwips, kMaxTwips);
}

QString FromUcs4(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

CRtfReader::CRtfReader(QTextDocument* document) : m_pDocument(document) {}

CRtfReader::~CRtfReader() = default;

bool CRtfReader::Read(const QByteArray& rtf)
{
    QByteArray copy(rtf);
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return Read(&buffer);
}

bool CRtfReader::Read(QIODevice* device)
{
    Reset(device);
    m_pDocument->clear();
    m_cursor = QTextCursor(m_pDocument);
    SetDefaultTabStop(kDefaultTabTwips);

    // A rich text file starts with the outer group and the \rtf word; anything else is
    // not ours to read.
    Token first = NextToken();
    Token second = NextToken();
    if (first.kind != TokenKind::GroupOpen || second.kind != TokenKind::Word ||
        second.word != "rtf")
        return false;
    m_stack.emplace_back();

    for (Token token = NextToken(); token.kind != TokenKind::End && !m_bDone; token = NextToken())
        Process(token);
    Finish();
    return true;
}

void CRtfReader::Reset(QIODevice* device)
{
    m_pDevice = device;
    m_chunk.clear();
    m_nChunkPos = 0;
    m_bInputEnded = false;
    m_nPutBack = -1;
    m_stack.clear();
    m_stack.reserve(kMaxGroupDepth + 1);
    m_nTooDeep = 0;
    m_bIgnorableNext = false;
    m_nPendingSkip = 0;
    m_bDone = false;
    m_nAnsiCodePage = 1252;
    m_nDefaultFont = 0;
    m_fonts.clear();
    m_nFontInTable = -1;
    m_fontName.clear();
    m_colors.clear();
    m_bColorInTableSet = false;
    m_pendingText.clear();
    m_bFormatDirty = true;
    m_bBlockPending = false;
    m_bBlockHasContent = false;
    m_bPageBreakPending = false;
    m_bPageBreakBeforeCurrent = false;
    m_nCharacters = 0;
}

// ---- input ----------------------------------------------------------------------------

int CRtfReader::NextByte()
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

void CRtfReader::PutBack(int byte)
{
    m_nPutBack = byte;
}

CRtfReader::Token CRtfReader::NextToken()
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

void CRtfReader::ReadControlWord(Token& token, int first)
{
    auto isLetter = [](int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto isDigit = [](int c) { return c >= '0' && c <= '9'; };
    auto hexValue = [](int c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };

    if (first < 0) {
        token.kind = TokenKind::End;
        return;
    }
    if (!isLetter(first)) {
        if (first == '\'') {
            const int high = hexValue(NextByte());
            const int low = high >= 0 ? hexValue(NextByte()) : -1;
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
        return;
    }

    token.kind = TokenKind::Word;
    int c = first;
    int length = 0;
    bool overlong = false;
    while (isLetter(c)) {
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
    if (isDigit(c)) {
        qint64 value = 0;
        while (isDigit(c)) {
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

void CRtfReader::SkipBinary(int count)
{
    for (int i = 0; i < count; ++i) {
        if (NextByte() < 0)
            return;
    }
}

// ---- parsing --------------------------------------------------------------------------

void CRtfReader::Process(const Token& token)
{
    if (token.kind == TokenKind::GroupOpen) {
        OpenGroup();
        return;
    }
    if (token.kind == TokenKind::GroupClose) {
        CloseGroup();
        return;
    }
    if (m_nTooDeep > 0 || State().destination == Destination::Skip)
        return;

    // The characters after \uN that stand in for it in older readers.
    if (m_nPendingSkip > 0) {
        --m_nPendingSkip;
        return;
    }

    switch (token.kind) {
    case TokenKind::Word:
        HandleWord(token);
        break;
    case TokenKind::Symbol:
        HandleSymbol(token.byte);
        break;
    case TokenKind::Hex:
    case TokenKind::Text:
        HandleByte(token.byte);
        break;
    default:
        break;
    }
}

void CRtfReader::OpenGroup()
{
    m_nPendingSkip = 0;
    m_bIgnorableNext = false;
    if (m_nTooDeep > 0 || int(m_stack.size()) >= kMaxGroupDepth) {
        ++m_nTooDeep;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void CRtfReader::CloseGroup()
{
    m_nPendingSkip = 0;
    m_bIgnorableNext = false;
    if (m_nTooDeep > 0) {
        --m_nTooDeep;
        return;
    }
    if (m_stack.size() <= 1) {
        m_bDone = true; // the outer group is closed: the document ends here
        return;
    }
    const Destination closing = State().destination;
    m_stack.pop_back();
    if (closing == Destination::ListText && State().destination != Destination::ListText)
        AddListMarker();
    if (closing == Destination::FontTable && State().destination == Destination::FontTable &&
        !m_fontName.isEmpty()) {
        // A font entry that lacks its closing semicolon.
        CommitFontName();
    }
    m_bFormatDirty = true;
}

void CRtfReader::HandleWord(const Token& token)
{
    const bool ignorable = m_bIgnorableNext;
    m_bIgnorableNext = false;

    if (HandleDestination(token.word))
        return;
    if (ignorable) {
        State().destination = Destination::Skip;
        return;
    }

    switch (State().destination) {
    case Destination::FontTable:
        HandleFontTableWord(token.word, token.param);
        return;
    case Destination::ColorTable:
        HandleColorTableWord(token.word, token.param);
        return;
    default:
        break;
    }

    if (token.word == "u") {
        HandleUnicode(token.param);
        return;
    }
    if (HandleCharacterWord(token.word, token.hasParam, token.param))
        return;
    if (HandleParagraphWord(token.word, token.hasParam, token.param))
        return;
    if (HandleSpecialCharacter(token.word))
        return;
    HandleDocumentWord(token.word, token.param);
}

bool CRtfReader::HandleDestination(const QByteArray& word)
{
    GroupState& state = State();
    if (word == "fonttbl") {
        state.destination = Destination::FontTable;
        m_nFontInTable = -1;
        m_fontName.clear();
        return true;
    }
    if (word == "colortbl") {
        state.destination = Destination::ColorTable;
        m_colors.clear();
        m_bColorInTableSet = false;
        m_colorInTable = QColor(0, 0, 0);
        return true;
    }
    if (word == "listtext" || word == "pntext") {
        // The list marker as the writer numbered it, kept aside until the group ends.
        state.destination = Destination::ListText;
        m_listMarker.clear();
        return true;
    }
    if (word == "fldrslt" || word == "field") {
        state.destination = Destination::Text;
        return true;
    }
    if (IsSkippedDestination(word)) {
        state.destination = Destination::Skip;
        return true;
    }
    return false;
}

bool CRtfReader::HandleCharacterWord(const QByteArray& word, bool hasParam, int param)
{
    CharState& chars = State().chars;
    const bool on = !hasParam || param != 0;
    if (word == "plain") {
        chars = CharState();
    } else if (word == "f") {
        chars.font = param;
    } else if (word == "fs") {
        chars.halfPoints =
            std::clamp(hasParam ? param : kDefaultHalfPoints, kMinHalfPoints, kMaxHalfPoints);
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "uldash" ||
               word == "ulw" || word == "ulth" || word == "ulwave" || word == "uldashd") {
        chars.underline = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word == "strike" || word == "striked") {
        chars.strike = on;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "caps") {
        chars.allCaps = on;
    } else if (word == "scaps") {
        chars.smallCaps = on;
    } else if (word == "cf") {
        chars.foreground = param;
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        chars.background = param;
    } else if (word == "super") {
        chars.vertical = on ? 1 : 0;
    } else if (word == "sub") {
        chars.vertical = on ? -1 : 0;
    } else if (word == "nosupersub") {
        chars.vertical = 0;
    } else {
        return false;
    }
    m_bFormatDirty = true;
    return true;
}

bool CRtfReader::HandleParagraphWord(const QByteArray& word, bool hasParam, int param)
{
    ParaState& para = State().para;
    if (word == "pard") {
        para = ParaState();
    } else if (word == "ql") {
        para.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        para.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        para.alignment = Qt::AlignRight;
    } else if (word == "qj" || word == "qd") {
        para.alignment = Qt::AlignJustify;
    } else if (word == "li" || word == "lin") {
        para.leftTwips = ClampTwips(param);
    } else if (word == "ri" || word == "rin") {
        para.rightTwips = ClampTwips(param);
    } else if (word == "fi") {
        para.firstTwips = ClampTwips(param);
    } else if (word == "sb") {
        para.beforeTwips = std::clamp(param, 0, kMaxTwips);
    } else if (word == "sa") {
        para.afterTwips = std::clamp(param, 0, kMaxTwips);
    } else if (word == "sl") {
        para.lineTwips = ClampTwips(param);
    } else if (word == "slmult") {
        para.lineMultiple = hasParam && param != 0;
    } else if (word == "keep") {
        para.keepTogether = true;
    } else if (word == "keepn") {
        para.keepWithNext = true;
    } else if (word == "widctlpar" || word == "nowidctlpar") {
        para.widowControl = word == "widctlpar";
    } else if (word == "tx" || word == "tb") {
        if (para.tabTwips.size() < kMaxTabStops)
            para.tabTwips.append(std::clamp(param, 0, kMaxTwips));
    } else {
        return false;
    }
    return true;
}

bool CRtfReader::HandleSpecialCharacter(const QByteArray& word)
{
    struct Special
    {
        std::string_view word;
        char32_t character;
    };
    static constexpr std::array<Special, 16> kSpecials = {{
        {"tab", U'\t'},
        {"cell", U'\t'},
        {"line", 0x2028},
        {"emdash", 0x2014},
        {"endash", 0x2013},
        {"emspace", 0x2003},
        {"enspace", 0x2002},
        {"qmspace", 0x2005},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"zwj", 0x200D},
        {"zwnj", 0x200C},
        {"zwbo", 0x200B},
    }};
    const std::string_view w(word.constData(), size_t(word.size()));
    if (w == "par" || w == "row" || w == "sect") {
        EndParagraph();
        return true;
    }
    if (w == "page") {
        // The break belongs to the start of the next paragraph.
        if (m_bBlockHasContent && !m_bBlockPending)
            EndParagraph();
        if (m_bBlockPending)
            m_bPageBreakPending = true;
        else
            m_bPageBreakBeforeCurrent = true;
        return true;
    }
    for (const Special& special : kSpecials) {
        if (special.word == w) {
            AddCharacter(special.character);
            return true;
        }
    }
    return false;
}

void CRtfReader::HandleDocumentWord(const QByteArray& word, int param)
{
    if (word == "ansicpg" && param > 0)
        m_nAnsiCodePage = param;
    else if (word == "deff")
        m_nDefaultFont = param;
    else if (word == "widowctrl")
        m_bWidowControl = true;
    else if (word == "deftab" && param > 0)
        SetDefaultTabStop(param);
    else if (word == "uc")
        State().unicodeSkip = std::clamp(param, 0, 16);
    // Every other control word is one this reader does not need, and is ignored.
}

void CRtfReader::SetDefaultTabStop(int twips)
{
    QTextOption option = m_pDocument->defaultTextOption();
    option.setTabStopDistance(std::clamp(twips, kMinDefaultTabTwips, kMaxTwips) / kTwipsPerPixel);
    m_pDocument->setDefaultTextOption(option);
}

void CRtfReader::HandleFontTableWord(const QByteArray& word, int param)
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

void CRtfReader::CommitFontName()
{
    if (m_fonts.contains(m_nFontInTable))
        m_fonts[m_nFontInTable].name = m_fontName.trimmed();
    m_fontName.clear();
}

void CRtfReader::HandleColorTableWord(const QByteArray& word, int param)
{
    const int value = std::clamp(param, 0, 255);
    if (word == "red")
        m_colorInTable.setRed(value);
    else if (word == "green")
        m_colorInTable.setGreen(value);
    else if (word == "blue")
        m_colorInTable.setBlue(value);
    else
        return;
    m_bColorInTableSet = true;
}

void CRtfReader::HandleSymbol(uchar symbol)
{
    switch (symbol) {
    case '*':
        m_bIgnorableNext = true;
        break;
    case '~':
        AddCharacter(0x00A0);
        break;
    case '-':
        AddCharacter(0x00AD);
        break;
    case '_':
        AddCharacter(0x2011);
        break;
    case '\\':
    case '{':
    case '}':
        HandleByte(symbol);
        break;
    case '\t':
        AddCharacter(U'\t');
        break;
    default:
        break; // \: (index subentry) and unknown symbols carry no text
    }
}

void CRtfReader::HandleByte(uchar byte)
{
    switch (State().destination) {
    case Destination::FontTable:
        if (byte == ';')
            CommitFontName();
        else if (m_fontName.size() < kMaxFontNameLength)
            m_fontName += FromUcs4(FromCp1252(byte));
        return;
    case Destination::ColorTable:
        if (byte == ';') {
            if (m_colors.size() < kMaxColors)
                m_colors.append(m_bColorInTableSet ? m_colorInTable : QColor());
            m_colorInTable = QColor(0, 0, 0);
            m_bColorInTableSet = false;
        }
        return;
    case Destination::Text:
    case Destination::ListText:
        if (byte == '\t')
            AddCharacter(U'\t');
        else if (byte >= 0x20)
            AddText(DecodeByte(byte));
        return;
    default:
        return;
    }
}

void CRtfReader::HandleUnicode(int value)
{
    m_nPendingSkip = State().unicodeSkip;
    // Values above 32767 are written as negative 16-bit numbers.
    if (value < 0)
        value += 0x10000;
    if (value <= 0 || value > 0xFFFF)
        return;
    char32_t character = char32_t(value);
    if (character >= kPrivateSymbolFirst && character <= kPrivateSymbolLast) {
        // Symbol fonts are reached through the private area: F0B7 is the Symbol bullet.
        const uchar low = uchar(character & 0xFF);
        switch (SymbolSetOfCurrentFont()) {
        case SymbolSet::Symbol:
            character = FromSymbolFont(low);
            break;
        case SymbolSet::Wingdings:
            character = FromWingdings(low);
            break;
        case SymbolSet::None:
            break;
        }
    }
    if (State().destination == Destination::FontTable) {
        if (m_fontName.size() < kMaxFontNameLength)
            m_fontName += FromUcs4(character);
        return;
    }
    if (character >= 0x20 || character == U'\t')
        AddText(QString(QChar(char16_t(character))));
}

// ---- text -----------------------------------------------------------------------------

QString CRtfReader::DecodeByte(uchar byte)
{
    switch (SymbolSetOfCurrentFont()) {
    case SymbolSet::Symbol:
        return FromUcs4(FromSymbolFont(byte));
    case SymbolSet::Wingdings:
        return FromUcs4(FromWingdings(byte));
    case SymbolSet::None:
        break;
    }
    const int codePage = CodePageOfCurrentFont();
    if (byte < 0x80 || codePage == 1252)
        return FromUcs4(FromCp1252(byte));
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        const QByteArray name = "windows-" + QByteArray::number(codePage);
        const QByteArray macName = "macintosh";
        found = m_decoders.insert(
            codePage, std::make_shared<QStringDecoder>(codePage == 10000 ? macName : name));
    }
    QStringDecoder& decoder = *found.value();
    if (!decoder.isValid())
        return FromUcs4(FromCp1252(byte));
    const char c = char(byte);
    const QString text = decoder.decode(QByteArrayView(&c, 1));
    return text.isEmpty() ? FromUcs4(kReplacement) : text;
}

int CRtfReader::CodePageOfCurrentFont() const
{
    const int font = State().chars.font >= 0 ? State().chars.font : m_nDefaultFont;
    const auto found = m_fonts.constFind(font);
    const int codePage = found == m_fonts.constEnd() ? 0 : CodePageOfCharset(found->charset);
    return codePage ? codePage : m_nAnsiCodePage;
}

CRtfReader::SymbolSet CRtfReader::SymbolSetOfCurrentFont() const
{
    const int font = State().chars.font >= 0 ? State().chars.font : m_nDefaultFont;
    const auto found = m_fonts.constFind(font);
    if (found == m_fonts.constEnd())
        return SymbolSet::None;
    if (found->name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        return SymbolSet::Wingdings;
    if (found->charset == kSymbolCharset ||
        found->name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        return SymbolSet::Symbol;
    return SymbolSet::None;
}

void CRtfReader::AddCharacter(char32_t character)
{
    AddText(FromUcs4(character));
}

void CRtfReader::AddText(const QString& text)
{
    if (State().destination == Destination::ListText && !State().chars.hidden) {
        if (m_listMarker.isEmpty())
            m_listMarkerFormat = CharFormatFromState();
        if (m_listMarker.size() < kMaxListMarkerLength)
            m_listMarker += text;
        return;
    }
    if (State().destination != Destination::Text || State().chars.hidden || AtCharacterLimit())
        return;
    StartPendingBlock();
    if (m_bFormatDirty) {
        const QTextCharFormat format = CharFormatFromState();
        if (format != m_pendingFormat) {
            FlushText();
            m_pendingFormat = format;
        }
        m_bFormatDirty = false;
    }
    m_pendingText += text;
    m_nCharacters += text.size();
    m_bBlockHasContent = true;
}

void CRtfReader::AddListMarker()
{
    // Writers pad markers with blanks, and headings carry empty ones: only a marker with
    // something to see is shown.
    const qsizetype visible = std::find_if(m_listMarker.cbegin(), m_listMarker.cend(),
                                           [](QChar c) { return !c.isSpace(); }) -
                              m_listMarker.cbegin();
    const QString marker = m_listMarker.mid(visible);
    m_listMarker.clear();
    if (marker.isEmpty() || State().destination != Destination::Text || AtCharacterLimit())
        return;
    StartPendingBlock();
    FlushText();
    m_cursor.insertText(marker, m_listMarkerFormat);
    m_nCharacters += marker.size();
    m_bBlockHasContent = true;
    m_bFormatDirty = true;
    m_pendingFormat = QTextCharFormat();
}

void CRtfReader::StartPendingBlock()
{
    if (!m_bBlockPending)
        return;
    FlushText();
    m_cursor.insertBlock();
    m_bBlockPending = false;
    m_bBlockHasContent = false;
    m_bPageBreakBeforeCurrent = m_bPageBreakPending;
    m_bPageBreakPending = false;
}

void CRtfReader::EndParagraph()
{
    if (State().destination != Destination::Text || AtCharacterLimit())
        return;
    StartPendingBlock();
    FlushText();
    m_cursor.setBlockFormat(BlockFormatFromState());
    // The paragraph mark carries the size, so that empty lines keep their height.
    QTextCharFormat mark = CharFormatFromState();
    m_cursor.setBlockCharFormat(mark);
    m_bBlockPending = true;
    ++m_nCharacters;
}

void CRtfReader::FlushText()
{
    if (m_pendingText.isEmpty())
        return;
    // A surrogate half without its partner cannot be drawn.
    for (qsizetype i = 0; i < m_pendingText.size(); ++i) {
        const QChar c = m_pendingText.at(i);
        if (c.isHighSurrogate() && i + 1 < m_pendingText.size() &&
            m_pendingText.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            m_pendingText[i] = QChar(char16_t(kReplacement));
        }
    }
    m_cursor.insertText(m_pendingText, m_pendingFormat);
    m_pendingText.clear();
}

void CRtfReader::Finish()
{
    if (m_stack.empty())
        return;
    FlushText();
    if (m_bBlockHasContent && !m_bBlockPending)
        m_cursor.setBlockFormat(BlockFormatFromState());
    m_stack.clear();
}

QColor CRtfReader::ColorAt(int index) const
{
    if (index <= 0 || index >= m_colors.size())
        return {};
    return m_colors.at(index);
}

QTextCharFormat CRtfReader::CharFormatFromState() const
{
    const CharState& chars = State().chars;
    QTextCharFormat format;
    const int fontIndex = chars.font >= 0 ? chars.font : m_nDefaultFont;
    const auto font = m_fonts.constFind(fontIndex);
    if (font != m_fonts.constEnd() && !font->name.isEmpty() &&
        SymbolSetOfCurrentFont() == SymbolSet::None) {
        format.setFontFamilies(QStringList{font->name});
        switch (font->family) {
        case 'r':
            format.setFontStyleHint(QFont::Serif);
            break;
        case 's':
            format.setFontStyleHint(QFont::SansSerif);
            break;
        case 'm':
            format.setFontStyleHint(QFont::Monospace);
            break;
        default:
            break;
        }
    }
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chars.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = ColorAt(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = ColorAt(chars.background); color.isValid())
        format.setBackground(color);
    return format;
}

QTextBlockFormat CRtfReader::BlockFormatFromState() const
{
    const ParaState& para = State().para;
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    const int left = std::max(0, para.leftTwips);
    format.setLeftMargin(left / kTwipsPerPixel);
    format.setRightMargin(std::max(0, para.rightTwips) / kTwipsPerPixel);
    format.setTextIndent(std::max(-left, para.firstTwips) / kTwipsPerPixel);
    format.setTopMargin(para.beforeTwips / kTwipsPerPixel);
    format.setBottomMargin(para.afterTwips / kTwipsPerPixel);
    if (para.lineTwips > 0 && para.lineMultiple)
        format.setLineHeight(std::clamp(100.0 * para.lineTwips / kTwipsPerSingleLine, 50.0, 500.0),
                             QTextBlockFormat::ProportionalHeight);
    else if (para.lineTwips > 0)
        format.setLineHeight(para.lineTwips / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (para.lineTwips < 0)
        format.setLineHeight(-para.lineTwips / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    if (para.keepTogether)
        format.setProperty(kKeepTogetherProperty, true);
    if (para.keepWithNext)
        format.setProperty(kKeepWithNextProperty, true);
    if (para.widowControl.value_or(m_bWidowControl))
        format.setProperty(kWidowControlProperty, true);

    // RTF measures tab stops from the left margin, the layout from where the first line
    // starts. A hanging first line gets an implied stop at the indent, as word processors
    // do, so that "1.<tab>text" lines up with the lines below it.
    const int firstLineStart = left + std::max(-left, para.firstTwips);
    QList<int> tabs = para.tabTwips;
    if (para.firstTwips < 0 && left > 0 && !tabs.contains(left))
        tabs.append(left);
    std::sort(tabs.begin(), tabs.end());
    QList<QTextOption::Tab> stops;
    for (int twips : std::as_const(tabs)) {
        if (twips > firstLineStart)
            stops.append(
                QTextOption::Tab((twips - firstLineStart) / kTwipsPerPixel, QTextOption::LeftTab));
    }
    if (!stops.isEmpty())
        format.setTabPositions(stops);
    if (m_bPageBreakBeforeCurrent)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}
