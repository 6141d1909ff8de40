#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFormat>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;
class QTextDocument;

// Reads rich text format into a QTextDocument: the subset that word processors and
// converters write for ordinary documents (fonts, sizes, bold/italic/underline, colours,
// paragraphs with alignment, indents and spacing, tabs, list markers, code-page and
// Unicode characters). Unknown destinations are skipped. The input is read in chunks and
// may be damaged or hostile: braces need not balance, numbers may be huge, groups may
// nest without end and the file may stop anywhere. The reader never recurses, keeps its
// group stack and text bounded, and always finishes with whatever it could read.
class CRtfReader
{
public:
    // The document never grows past this many characters; the rest of the input is ignored.
    static constexpr qsizetype kMaxCharacters = 2'000'000;
    // Groups nested deeper than this are skipped whole.
    static constexpr int kMaxGroupDepth = 256;
    // Block property set on paragraphs written with \keepn (keep with the next paragraph).
    static constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;
    // Block property set on paragraphs written with \keep (do not split across pages).
    static constexpr int kKeepTogetherProperty = QTextFormat::UserProperty + 2;
    // Block property set on paragraphs under widow and orphan control (\widowctrl for the
    // whole document, \widctlpar for one paragraph): at least two of their lines stay
    // together on each side of a page break.
    static constexpr int kWidowControlProperty = QTextFormat::UserProperty + 3;

    explicit CRtfReader(QTextDocument* document);
    ~CRtfReader();
    CRtfReader(const CRtfReader&) = delete;
    CRtfReader& operator=(const CRtfReader&) = delete;

    // Replaces the document's content with the RTF read from device. Returns false when
    // the data does not begin as RTF ("{\rtf"); the document is then left empty.
    bool Read(QIODevice* device);
    bool Read(const QByteArray& rtf);

private:
    enum class Destination
    {
        Text,
        ListText,
        Skip,
        FontTable,
        ColorTable
    };
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

    struct CharState
    {
        int font = -1;
        int halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool hidden = false;
        bool allCaps = false;
        bool smallCaps = false;
        int foreground = 0;
        int background = 0;
        int vertical = 0; // -1 subscript, 0 normal, 1 superscript
    };

    struct ParaState
    {
        Qt::Alignment alignment = Qt::AlignLeft;
        int leftTwips = 0;
        int rightTwips = 0;
        int firstTwips = 0;
        int beforeTwips = 0;
        int afterTwips = 0;
        int lineTwips = 0;
        bool lineMultiple = false;
        bool keepTogether = false;
        bool keepWithNext = false;
        std::optional<bool> widowControl; // none: as the document says
        QList<int> tabTwips;
    };

    struct GroupState
    {
        Destination destination = Destination::Text;
        CharState chars;
        ParaState para;
        int unicodeSkip = 1;
    };

    struct FontEntry
    {
        QString name;
        int charset = 0;
        int family = 0;
    };

    enum class SymbolSet
    {
        None,
        Symbol,
        Wingdings
    };

    // Input
    void Reset(QIODevice* device);
    int NextByte();
    void PutBack(int byte);
    Token NextToken();
    void ReadControlWord(Token& token, int first);
    void SkipBinary(int count);

    // Parsing
    void Process(const Token& token);
    void OpenGroup();
    void CloseGroup();
    void HandleWord(const Token& token);
    bool HandleDestination(const QByteArray& word);
    bool HandleCharacterWord(const QByteArray& word, bool hasParam, int param);
    bool HandleParagraphWord(const QByteArray& word, bool hasParam, int param);
    bool HandleSpecialCharacter(const QByteArray& word);
    void HandleDocumentWord(const QByteArray& word, int param);
    void SetDefaultTabStop(int twips);
    void HandleFontTableWord(const QByteArray& word, int param);
    void CommitFontName();
    void HandleColorTableWord(const QByteArray& word, int param);
    void HandleSymbol(uchar symbol);
    void HandleByte(uchar byte);
    void HandleUnicode(int value);

    // Text
    void AddText(const QString& text);
    void AddCharacter(char32_t character);
    void AddListMarker();
    void EndParagraph();
    void StartPendingBlock();
    void FlushText();
    void Finish();
    QString DecodeByte(uchar byte);
    int CodePageOfCurrentFont() const;
    SymbolSet SymbolSetOfCurrentFont() const;
    QTextCharFormat CharFormatFromState() const;
    QTextBlockFormat BlockFormatFromState() const;
    QColor ColorAt(int index) const;
    bool AtCharacterLimit() const { return m_nCharacters >= kMaxCharacters; }

    GroupState& State() { return m_stack.back(); }
    const GroupState& State() const { return m_stack.back(); }

    QTextDocument* m_pDocument;
    QTextCursor m_cursor;

    QIODevice* m_pDevice = nullptr;
    QByteArray m_chunk;
    qsizetype m_nChunkPos = 0;
    bool m_bInputEnded = false;
    int m_nPutBack = -1;

    std::vector<GroupState> m_stack;
    int m_nTooDeep = 0;
    bool m_bIgnorableNext = false;
    int m_nPendingSkip = 0;
    bool m_bDone = false;

    int m_nAnsiCodePage = 1252;
    bool m_bWidowControl = false;
    int m_nDefaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_nFontInTable = -1;
    QString m_fontName;
    QList<QColor> m_colors;
    QColor m_colorInTable;
    bool m_bColorInTableSet = false;
    QHash<int, std::shared_ptr<QStringDecoder>> m_decoders;

    QString m_listMarker;
    QTextCharFormat m_listMarkerFormat;
    QString m_pendingText;
    QTextCharFormat m_pendingFormat;
    bool m_bFormatDirty = true;
    bool m_bBlockPending = false;
    bool m_bBlockHasContent = false;
    bool m_bPageBreakPending = false;
    bool m_bPageBreakBeforeCurrent = false;
    qsizetype m_nCharacters = 0;
};
