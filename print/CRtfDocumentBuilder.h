#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFormat>

#include <optional>

class CRtfDecoder;
class QTextDocument;

// Builds the QTextDocument of an RTF file from what its reader finds: text runs in their
// character formats, paragraphs with alignment, indents, spacing, tab stops and the keep and
// widow rules, list markers, page breaks and the colour table. The document never grows past
// kMaxCharacters.
class CRtfDocumentBuilder
{
public:
    static constexpr qsizetype kMaxCharacters = 2'000'000;
    // Block property set on paragraphs written with \keepn (keep with the next paragraph).
    static constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 1;
    // Block property set on paragraphs written with \keep (do not split across pages).
    static constexpr int kKeepTogetherProperty = QTextFormat::UserProperty + 2;
    // Block property set on paragraphs under widow and orphan control (\widowctrl for the
    // whole document, \widctlpar for one paragraph): at least two of their lines stay
    // together on each side of a page break.
    static constexpr int kWidowControlProperty = QTextFormat::UserProperty + 3;

    // The character formatting in force, as the RTF words set it.
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

    // The paragraph formatting in force, in twips as the RTF words give it.
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

    // fonts names the fonts that character formats refer to by number.
    CRtfDocumentBuilder(QTextDocument* document, const CRtfDecoder& fonts);

    // Empties the document and starts building it afresh.
    void Start();
    void SetDefaultTabStop(int twips);
    void SetWidowControl(bool on) { m_bWidowControl = on; }
    bool AtCharacterLimit() const { return m_nCharacters >= kMaxCharacters; }

    // The colour table; an invalid colour stands for the automatic one.
    void ClearColors() { m_colors.clear(); }
    void AddColor(const QColor& color);

    // The character formatting may have changed: the next text compares its format.
    void FormatChanged() { m_bFormatDirty = true; }
    void AddText(const QString& text, const CharState& chars);
    void EndParagraph(const ParaState& para, const CharState& chars);
    // The break belongs to the start of the next paragraph; inText ends the current one.
    void PageBreak(bool inText, const ParaState& para, const CharState& chars);

    // A list marker as the writer numbered it, kept aside until its group ends; shown then,
    // in front of the paragraph's text, when it is in the body.
    void StartListMarker() { m_listMarker.clear(); }
    void AddListMarkerText(const QString& text, const CharState& chars);
    void EndListMarker(bool inText);

    // Gives the last paragraph its format.
    void Finish(const ParaState& para);

private:
    void StartPendingBlock();
    void FlushText();
    QColor ColorAt(int index) const;
    QTextCharFormat CharFormatOf(const CharState& chars) const;
    QTextBlockFormat BlockFormatOf(const ParaState& para) const;
    void SetLineHeight(QTextBlockFormat& format, const ParaState& para) const;
    void SetTabStops(QTextBlockFormat& format, const ParaState& para) const;

    QTextDocument* m_pDocument;
    const CRtfDecoder& m_fonts;
    QTextCursor m_cursor;
    QList<QColor> m_colors;
    bool m_bWidowControl = false;

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
