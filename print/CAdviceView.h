#pragma once

#include <QRectF>
#include <QString>
#include <QTextBrowser>

#include <vector>

class CPrompt;
class QPainter;
class QPrinter;
class QTextDocument;

// A read-only rich text view that holds one advice document, read from an RTF file,
// and prints it page after page with one-inch margins on every paper edge.
class CAdviceView : public QTextBrowser
{
    Q_OBJECT

public:
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kMarginTwips = kTwipsPerInch;

    // What the printer tells about its paper, in printer pixels.
    struct PrinterMetrics
    {
        int printableWidth = 0;  // width of the printable area
        int printableHeight = 0; // height of the printable area
        int dpiX = 0;
        int dpiY = 0;
        int paperWidth = 0;
        int paperHeight = 0;
        int offsetX = 0; // left edge of the printable area from the paper's edge
        int offsetY = 0; // top edge of the printable area from the paper's edge
    };

    // A rectangle in twips, edges as numbers so that whole-inch rounding stays visible.
    struct TwipsRect
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
    };

    explicit CAdviceView(QWidget* parent = nullptr);

    // Fills the view from an RTF file. False when the file cannot be opened, is not RTF
    // or holds no text.
    bool LoadFile(const QString& path);
    QString FilePath() const { return m_strFilePath; }

    // Prints the whole text on a printer that is already chosen, as the document "Advice".
    // False when there is no printer to print on.
    bool Print(QPrinter* printer);

    static PrinterMetrics MetricsOf(QPrinter& printer);
    // The page, counting only whole inches of the printable area.
    static TwipsRect PageRectTwips(const PrinterMetrics& metrics);
    // One inch in from every paper edge, measured from the printable area's origin.
    static TwipsRect PrintRectTwips(const PrinterMetrics& metrics);

    // Loads the advice file fileName from adviceDir (from its folder for the program's language,
    // adviceDir/<code>/, when that has one) and prints it, asking for the printer
    // first when showDialog is set. Failures are reported through prompt.
    static bool PrintAdvice(CPrompt& prompt, QPrinter* printer, const QString& adviceDir,
                            const QString& fileName, bool showDialog, QWidget* parent = nullptr);

private:
    struct Line
    {
        int start = 0; // document position of the line's first character
        qreal top = 0;
        qreal bottom = 0;
        int block = 0; // index of the paragraph the line belongs to
        bool firstOfBlock = false;
        bool lastOfBlock = false;
        bool pageBreakBefore = false;
        bool keepTogether = false;
        bool keepWithNext = false;
        bool widowControl = false;
    };

    static std::vector<Line> LinesOf(QTextDocument& document);
    static int LastLineOnPage(const std::vector<Line>& lines, int first, qreal height);
    // The last line that keeps a paragraph marked "keep together" whole and a heading
    // with what follows it.
    static int LastKeepingParagraphs(const std::vector<Line>& lines, int first, int last);
    // The last line that leaves no single line of a paragraph under widow control alone.
    static int LastWithoutWidows(const std::vector<Line>& lines, int first, int last);
    static int FirstLineAt(const std::vector<Line>& lines, int position);
    // Draws the lines from position on into rect; answers the first position that did not fit.
    static int FormatRange(QPainter& painter, QTextDocument& document,
                           const std::vector<Line>& lines, const QRectF& rect, int position);

    QString m_strFilePath;
};
