#pragma once

#include "CQuizPage.h"

class CQuestion;
class QGroupBox;
class QListWidget;

// Page 4: the list of a quiz's questions, with Add, Modify and Delete. Every
// visit rebuilds the page from the document and rewrites the quiz file.
class CQuestionManagerPage : public CQuizPage
{
    Q_OBJECT

public:
    explicit CQuestionManagerPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CQuestionManagerPage() override;

    void OnSetActive() override;
    int OnWizardBack() override;
    bool OnQueryCancel() override;
    void OnCommand(int id) override;
    QPushButton* DefaultButton() const override { return m_pAdd; }

    // The list line of a question at 1-based position n.
    static QString LineOf(int quizType, int n, const CQuestion& question);

private:
    // The translated line formats, looked up once per filling of the list.
    struct LineFormats
    {
        QString m_true, m_false, m_card, m_plain;
    };
    static LineFormats MakeLineFormats();
    static QString LineOf(const LineFormats& formats, int quizType, int n,
                          const CQuestion& question);

public:
protected:
    void PaintPage(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKindTexts(bool hasQuestions);
    void FillList();
    int WidestLineWidth(const QStringList& lines) const;
    void EnableSelectionButtons(bool enabled);
    void AddQuestion();
    void ModifyQuestion();
    void DeleteQuestion();
    void Finish();
    // The page of the kind's editor, or the format page while the quiz has no kind.
    int EditorTarget() const;

    QPushButton* m_pAdd;
    QPushButton* m_pModify;
    QPushButton* m_pDelete;
    QGroupBox* m_pGroup;
    QListWidget* m_pList;
    QLabel* m_pHelp;
    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pSide;
};
