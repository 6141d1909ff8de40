#pragma once

#include "CRtfDecoder.h"
#include "CRtfDocumentBuilder.h"
#include "CRtfTokenizer.h"

#include <QByteArray>
#include <QColor>

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
//
// The tokenizer cuts the input into tokens, the decoder turns bytes into characters and the
// builder makes the document; this class follows the groups and what each word means.
class CRtfReader
{
public:
    // The document never grows past this many characters; the rest of the input is ignored.
    static constexpr qsizetype kMaxCharacters = CRtfDocumentBuilder::kMaxCharacters;
    // Groups nested deeper than this are skipped whole.
    static constexpr int kMaxGroupDepth = 256;
    static constexpr int kKeepWithNextProperty = CRtfDocumentBuilder::kKeepWithNextProperty;
    static constexpr int kKeepTogetherProperty = CRtfDocumentBuilder::kKeepTogetherProperty;
    static constexpr int kWidowControlProperty = CRtfDocumentBuilder::kWidowControlProperty;

    explicit CRtfReader(QTextDocument* document);
    ~CRtfReader();
    CRtfReader(const CRtfReader&) = delete;
    CRtfReader& operator=(const CRtfReader&) = delete;

    // Replaces the document's content with the RTF read from device. Returns false when
    // the data does not begin as RTF ("{\rtf"); the document is then left empty.
    bool Read(QIODevice* device);
    bool Read(const QByteArray& rtf);

private:
    using Token = CRtfTokenizer::Token;
    using TokenKind = CRtfTokenizer::TokenKind;
    using CharState = CRtfDocumentBuilder::CharState;
    using ParaState = CRtfDocumentBuilder::ParaState;

    enum class Destination
    {
        Text,
        ListText,
        Skip,
        FontTable,
        ColorTable
    };

    struct GroupState
    {
        Destination destination = Destination::Text;
        CharState chars;
        ParaState para;
        int unicodeSkip = 1;
    };

    void Reset();
    void Process(const Token& token);
    void OpenGroup();
    void CloseGroup();
    void HandleWord(const Token& token);
    bool HandleDestination(const QByteArray& word);
    bool HandleCharacterWord(const QByteArray& word, bool hasParam, int param);
    bool HandleParagraphWord(const QByteArray& word, bool hasParam, int param);
    bool HandleSpecialCharacter(const QByteArray& word);
    void HandleDocumentWord(const QByteArray& word, int param);
    void HandleColorTableWord(const QByteArray& word, int param);
    void HandleSymbol(uchar symbol);
    void HandleByte(uchar byte);
    void HandleUnicode(int value);
    void AddText(const QString& text);
    void AddCharacter(char32_t character);
    void EndParagraph();
    bool InText() const { return State().destination == Destination::Text; }

    GroupState& State() { return m_stack.back(); }
    const GroupState& State() const { return m_stack.back(); }

    CRtfDecoder m_decoder;
    CRtfDocumentBuilder m_builder;

    std::vector<GroupState> m_stack;
    int m_nTooDeep = 0;
    bool m_bIgnorableNext = false;
    int m_nPendingSkip = 0;
    bool m_bDone = false;

    QColor m_colorInTable;
    bool m_bColorInTableSet = false;
};
