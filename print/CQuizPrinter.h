#pragma once

#include "PrintLayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

#include <vector>

class CPaletteState;
class CTU_QuizDoc;
class QPrinter;

// Draws the quiz report, the question printout and the score sheet on a
// printer that has been chosen already. Each print is one print document; the
// layout comes from PrintLayout, this class only paints it.
class CQuizPrinter
{
    Q_DECLARE_TR_FUNCTIONS(CQuizPrinter)

public:
    // palette may be null; otherwise each printed picture's palette becomes current.
    CQuizPrinter(QPrinter* printer, CPaletteState* palette);

    // Each answers false only when printing could not start on the printer.
    bool PrintQuiz(const CTU_QuizDoc& doc, int printWhat);
    bool PrintQuestion(const CTU_QuizDoc& doc);
    bool PrintScore(const CTU_QuizDoc& doc);

    static PrintLayout::PrinterMetrics MetricsOf(const QPrinter& printer);

private:
    // What the first page of a table carries above the head row.
    enum class Heading
    {
        Report,
        Question
    };

    bool Begin(const QString& documentName);
    void End();
    void DrawPicture(int resourceId, const QRect& target);
    void DrawTextAt(int x, int top, const QString& text);
    void DrawHead(const PrintLayout::TableColumns& columns, const PrintLayout::TableRows& rows,
                  Heading heading);
    void DrawRow(const PrintLayout::TableRow& row, int top,
                 const PrintLayout::TableColumns& columns, int rowHeight);
    void DrawRule(int left, int right, int y);
    PrintLayout::TableColumns ColumnsFor(Heading heading) const;
    std::vector<PrintLayout::TableRow> RowsOf(const std::vector<PrintLayout::TableEntry>& entries,
                                              int printWhat, Heading heading) const;
    void PrintTable(int quizType, const std::vector<PrintLayout::TableRow>& rows, Heading heading);
    int CellHeight(const QFont& font) const;

    QPrinter* m_pPrinter;
    CPaletteState* m_pPalette;
    QPainter m_painter;
    PrintLayout::PageFrame m_frame;
    QFont m_titleFont;
    QFont m_textFont;
};
