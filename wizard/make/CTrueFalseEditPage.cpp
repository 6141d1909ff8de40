#include "CTrueFalseEditPage.h"

#include "CDib.h"
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CRuledEdit.h"
#include "ExclusiveChoice.h"
#include "ResourceIds.h"

#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const QRect kInstructionRect(250, 74, 446, 44);
const QPoint kLabelAt(250, 124);
const QRect kStatementRect(250, 160, 300, 168);
const QRect kPasteRect(566, 160, 120, 32);
const QRect kTrueRect(566, 222, 130, 28);
const QRect kFalseRect(566, 258, 130, 28);
} // namespace

CTrueFalseEditPage::CTrueFalseEditPage(CWizardContext& context, QWidget* parent)
    : CEditPage(context, QUIZ_TRUE_FALSE,
                {IDB_TRUE_FALSE_QUIZ_BANNER, IDB_TRUE_FALSE_SIDE, IDS_TRUE_FALSE_EDIT_HELP},
                parent),
      m_pStatement(new CRuledEdit(this)), m_pTrue(new QRadioButton(tr("True"), this)),
      m_pFalse(new QRadioButton(tr("False"), this)), m_pPaste(new QPushButton(tr("Paste"), this))
{
    setObjectName(QStringLiteral("trueFalseEditPage"));
    AddLabel(tr("Type in a statement below. Click the True button if the statement is true, or "
                "the False button if it is false."),
             kInstructionRect, false);

    m_pStatement->setObjectName(QStringLiteral("statementEdit"));
    m_pStatement->setGeometry(kStatementRect);
    m_pStatement->setAccessibleName(tr("Statement"));
    m_pStatement->setTabChangesFocus(true);

    // The two radios are one exclusive choice (one Tab stop, the arrow keys move in it),
    // and a new statement starts with neither chosen.
    m_pTrue->setObjectName(QStringLiteral("trueRadio"));
    m_pFalse->setObjectName(QStringLiteral("falseRadio"));
    m_pTrue->setGeometry(kTrueRect);
    m_pFalse->setGeometry(kFalseRect);
    for (QRadioButton* radio : {m_pTrue, m_pFalse}) {
        radio->setFont(m_context.m_fontBold);
        radio->resize(radio->sizeHint().width(), radio->height()); // clicks land on its text
    }
    m_pPaste->setObjectName(QStringLiteral("pasteButton"));
    m_pPaste->setGeometry(kPasteRect);
    m_pPaste->setAccessibleDescription(tr("Puts the text you copied into the statement box."));

    // However a radio got its check (mouse, keys, a screen reader), the page follows it.
    connect(m_pTrue, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            OnChoiceMade();
    });
    connect(m_pFalse, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            OnChoiceMade();
    });
    connect(m_pStatement, &CRuledEdit::textChanged, this, [this] { ApplyButtonRule(); });
    connect(m_pPaste, &QPushButton::clicked, this, &CTrueFalseEditPage::OnPaste);
}

CTrueFalseEditPage::~CTrueFalseEditPage() = default;

void CTrueFalseEditPage::LoadOwnPictures()
{
    LoadPicture(m_pLabel, IDB_STATEMENT_LABEL);
}

QString CTrueFalseEditPage::Statement() const
{
    return m_pStatement->toPlainText();
}

int CTrueFalseEditPage::Choice() const
{
    if (m_pTrue->isChecked())
        return kTrue;
    return m_pFalse->isChecked() ? kFalse : kNoChoice;
}

void CTrueFalseEditPage::ShowChoice(int choice)
{
    // Showing a stored choice is no choice made; the activation sets the buttons itself.
    const QSignalBlocker trueBlocker(m_pTrue);
    const QSignalBlocker falseBlocker(m_pFalse);
    SetExclusiveChecked(m_pTrue, choice == kTrue);
    SetExclusiveChecked(m_pFalse, choice == kFalse);
}

void CTrueFalseEditPage::ShowQuestion(const CQuestion& question)
{
    ShowChoice(question.m_nAnswer == kTrue ? kTrue : kFalse);
    m_pStatement->setPlainText(question.m_strQuestion);
}

void CTrueFalseEditPage::ShowEmptyQuestion()
{
    ShowChoice(kNoChoice);
    m_pStatement->clear();
}

void CTrueFalseEditPage::FillQuestion(CQuestion& question) const
{
    question.m_strQuestion = Statement();
    question.m_nAnswer = Choice();
    question.m_nResponse = -1;
}

bool CTrueFalseEditPage::IsComplete() const
{
    return !Statement().isEmpty() && Choice() != kNoChoice;
}

void CTrueFalseEditPage::FocusEditor()
{
    m_pStatement->setFocus();
}

void CTrueFalseEditPage::OnChoiceMade()
{
    if (Statement().isEmpty()) {
        EnableStoreButtons(false, false);
        return;
    }
    // Focus ends on Finish: the statement is ready to be stored.
    EnableStoreButtons(true, true, true);
}

void CTrueFalseEditPage::OnPaste()
{
    PlayWave(IDW_PASTE);
    m_pStatement->paste();
    m_pStatement->setFocus();
}

QPushButton* CTrueFalseEditPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CTrueFalseEditPage::PaintPage(QPainter& painter)
{
    CEditPage::PaintPage(painter);
    DrawPicture(painter, m_pLabel.get(), kLabelAt);
}
