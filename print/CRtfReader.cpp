#include "CRtfReader.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <string_view>

namespace {
constexpr int kMaxTabStops = 64;
constexpr int kMaxTwips = 31680; // 22 inches: larger than any paper
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276; // 1638 points, the largest size word processors offer
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kUnicodeWrap = 0x10000;

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

// Words that stand for one character.
struct Special
{
    std::string_view word;
    char32_t character;
};
constexpr std::array<Special, 16> kSpecials = {{
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
} // namespace

CRtfReader::CRtfReader(QTextDocument* document) : m_builder(document, m_decoder) {}

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
    Reset();
    CRtfTokenizer tokenizer(device);

    // A rich text file starts with the outer group and the \rtf word; anything else is
    // not ours to read.
    const Token first = tokenizer.Next();
    const Token second = tokenizer.Next();
    if (first.kind != TokenKind::GroupOpen || second.kind != TokenKind::Word ||
        second.word != "rtf")
        return false;
    m_stack.emplace_back();

    for (Token token = tokenizer.Next(); token.kind != TokenKind::End && !m_bDone;
         token = tokenizer.Next())
        Process(token);
    m_builder.Finish(State().para);
    m_stack.clear();
    return true;
}

void CRtfReader::Reset()
{
    m_builder.Start();
    m_decoder.Reset();
    m_stack.clear();
    m_stack.reserve(kMaxGroupDepth + 1);
    m_nTooDeep = 0;
    m_bIgnorableNext = false;
    m_nPendingSkip = 0;
    m_bDone = false;
    m_bColorInTableSet = false;
}

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
        m_builder.EndListMarker(InText());
    if (closing == Destination::FontTable && State().destination == Destination::FontTable &&
        m_decoder.HasPendingFontName()) {
        // A font entry that lacks its closing semicolon.
        m_decoder.CommitFontName();
    }
    m_builder.FormatChanged();
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
        m_decoder.HandleFontTableWord(token.word, token.param);
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
        m_decoder.BeginFontTable();
        return true;
    }
    if (word == "colortbl") {
        state.destination = Destination::ColorTable;
        m_builder.ClearColors();
        m_bColorInTableSet = false;
        m_colorInTable = QColor(0, 0, 0);
        return true;
    }
    if (word == "listtext" || word == "pntext") {
        // The list marker as the writer numbered it, kept aside until the group ends.
        state.destination = Destination::ListText;
        m_builder.StartListMarker();
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
    m_builder.FormatChanged();
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
    const std::string_view w(word.constData(), size_t(word.size()));
    if (w == "par" || w == "row" || w == "sect") {
        EndParagraph();
        return true;
    }
    if (w == "page") {
        m_builder.PageBreak(InText(), State().para, State().chars);
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
        m_decoder.SetAnsiCodePage(param);
    else if (word == "deff")
        m_decoder.SetDefaultFont(param);
    else if (word == "widowctrl")
        m_builder.SetWidowControl(true);
    else if (word == "deftab" && param > 0)
        m_builder.SetDefaultTabStop(param);
    else if (word == "uc")
        State().unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
    // Every other control word is one this reader does not need, and is ignored.
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
        m_decoder.AddFontNameByte(byte);
        return;
    case Destination::ColorTable:
        if (byte == ';') {
            m_builder.AddColor(m_bColorInTableSet ? m_colorInTable : QColor());
            m_colorInTable = QColor(0, 0, 0);
            m_bColorInTableSet = false;
        }
        return;
    case Destination::Text:
    case Destination::ListText:
        if (byte == '\t')
            AddCharacter(U'\t');
        else if (byte >= 0x20)
            AddText(m_decoder.Decode(byte, State().chars.font));
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
        value += kUnicodeWrap;
    if (value <= 0 || value >= kUnicodeWrap)
        return;
    const char32_t character = m_decoder.MapUnicode(char32_t(value), State().chars.font);
    if (State().destination == Destination::FontTable) {
        m_decoder.AddFontNameCharacter(character);
        return;
    }
    if (character >= 0x20 || character == U'\t')
        AddText(QString(QChar(char16_t(character))));
}

void CRtfReader::AddCharacter(char32_t character)
{
    AddText(CRtfDecoder::FromUcs4(character));
}

void CRtfReader::AddText(const QString& text)
{
    const GroupState& state = State();
    if (state.chars.hidden)
        return;
    if (state.destination == Destination::ListText)
        m_builder.AddListMarkerText(text, state.chars);
    else if (state.destination == Destination::Text)
        m_builder.AddText(text, state.chars);
}

void CRtfReader::EndParagraph()
{
    if (InText())
        m_builder.EndParagraph(State().para, State().chars);
}
