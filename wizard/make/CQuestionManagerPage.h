#pragma once

#include "CQuizPage.h"

class CQuestionListModel;
class QGroupBox;
class QListView;

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

protected:
    void PaintPage(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKindTexts(bool hasQuestions);
    void FillList();
    // The row the user picked in the list, or -1 while no line is selected.
    int SelectedRow() const;
    void EnableSelectionButtons(bool enabled);
    void AddQuestion();
    void AddFromList();
    void ModifyQuestion();
    void DeleteQuestion();
    void Finish();
    // The page of the kind's editor, or the format page while the quiz has no kind.
    int EditorTarget() const;

    QPushButton* m_pAdd;
    QPushButton* m_pModify;
    QPushButton* m_pDelete;
    QPushButton* m_pAddList;
    QGroupBox* m_pGroup;
    CQuestionListModel* m_pModel;
    QListView* m_pList;
    QLabel* m_pHelp;
    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pSide;
};
