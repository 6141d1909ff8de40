#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class CJobPrinters;
class CPaletteState;
class CTU_QuizDoc;
class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

// "Tutorama Print Dialog": the user ticks what to print (the quiz, the
// question being asked, the advice for this kind of quiz, the score) and
// Print runs those jobs in that order. Only the first job asks for the
// printer; if the user cancels there, nothing more is printed and the dialog
// stays open for another choice.
class CPrintChoiceDlg : public QDialog
{
    Q_OBJECT

public:
    CPrintChoiceDlg(CTU_QuizDoc* doc, const QString& adviceDir, CPaletteState* palette,
                    QWidget* parent = nullptr);
    ~CPrintChoiceDlg() override;

    // Opens the dialog modally over parent (the sheet); it deletes itself when closed.
    static CPrintChoiceDlg* Open(CTU_QuizDoc* doc, const QString& adviceDir, CPaletteState* palette,
                                 QWidget* parent);

    // The advice document of a quiz kind; empty for a code outside the four kinds.
    static QString AdviceFileOf(int quizType);

    // The print jobs; ask shows the printer dialog. Each answers false when
    // the printer dialog was cancelled or there is no printer to print on.
    bool PrintQuiz(bool ask);
    bool PrintQuestion(bool ask);
    bool PrintAdvice(const QString& fileName, bool ask);
    bool PrintScore(bool ask);

    int PrintWhat() const { return m_nPrintWhat; }

private:
    void BuildControls();
    void ApplyOpeningRules();
    void UpdatePartChoice();
    void OnPrint();
    void ReportUnprintable();
    QString PrintoutName() const;
    int AdviceKind() const;

    CTU_QuizDoc* m_pDoc;
    QString m_strAdviceDir;
    CPaletteState* m_pPalette;
    int m_nPrintWhat = 0;
    bool m_bPrinterCancelled = false;          // in the click being run
    std::unique_ptr<CJobPrinters> m_pPrinters; // the printers of the click being run

    QCheckBox* m_pQuiz = nullptr;
    QButtonGroup* m_pPart = nullptr;
    QCheckBox* m_pQuestion = nullptr;
    QCheckBox* m_pAdvice = nullptr;
    QCheckBox* m_pScore = nullptr;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pCancel = nullptr;
};
