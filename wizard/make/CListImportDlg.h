#pragma once

#include "CListImport.h"

#include <QDialog>

class CTU_QuizDoc;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Add from a List...": a list pasted or opened from a text file, one question
// a line, previewed with the reason for every line that gives no question;
// Add appends every accepted question to the quiz and saves it once.
class CListImportDlg : public QDialog
{
    Q_OBJECT

public:
    CListImportDlg(CTU_QuizDoc& doc, const QString& folder, QWidget* parent);

    // Opens the dialog over parent without blocking; it deletes itself when closed.
    static CListImportDlg* Open(CTU_QuizDoc& doc, const QString& folder, QWidget* parent);

private:
    void OpenFile();
    void UpdatePreview();
    void AddQuestions();
    QString PreviewText() const;

    CTU_QuizDoc& m_doc;
    QString m_strFolder;
    CListImport::Result m_result;
    QPlainTextEdit* m_pList;
    QPushButton* m_pOpen;
    QPlainTextEdit* m_pPreview;
    QLabel* m_pSummary;
    QPushButton* m_pAdd;
};
