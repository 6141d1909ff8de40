#include "CQuestionManagerPage.h"

#include "CDib.h"
#include "CListImportDlg.h"
#include "CPrompt.h"
#include "CQuestionLineDelegate.h"
#include "CQuestionListModel.h"
#include "CQuizSheet.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QPoint kHeaderAt(0, 0);
const QRect kSideRect(24, 76, 160, 140);
const QRect kHelpRect(24, 228, 168, 152);
const QRect kGroupRect(212, 72, 484, 296);
const QRect kListRect(12, 28, 460, 256); // inside the group box
constexpr int kButtonTop = 384;
constexpr int kButtonWidth = 152;
constexpr int kButtonHeight = 34;
constexpr int kButtonGap = 14;
// Under the help text, level with the three question buttons.
const QRect kAddListRect(kHelpRect.left(), kButtonTop, kHelpRect.width(), kButtonHeight);

struct KindLooks
{
    int m_nSideId;
    int m_nHeaderId;
    int m_nHelpWithQuestions;
    int m_nHelpWithout;
    const char* m_groupWith;
    const char* m_groupWithout;
    const char* m_add;
    const char* m_modify;
    const char* m_delete;
};
// By kind - 1.
constexpr std::array<KindLooks, 4> kLooks{{
    {IDB_TRUE_FALSE_SIDE, IDB_TRUE_FALSE_MANAGER_BANNER, IDS_TRUE_FALSE_MANAGER_HELP,
     IDS_TRUE_FALSE_MANAGER_START, QT_TRANSLATE_NOOP("CQuestionManagerPage", "Statements:"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "No Statements Defined Yet"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Add a Statement"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Modify a Statement"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Delete a Statement")},
    {IDB_FLASH_CARD_SIDE, IDB_FLASH_CARD_MANAGER_BANNER, IDS_FLASH_CARD_MANAGER_HELP,
     IDS_FLASH_CARD_MANAGER_START, QT_TRANSLATE_NOOP("CQuestionManagerPage", "Flash Cards:"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "No Flash Cards Defined Yet"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Add a Flash Card"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Modify a Flash Card"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Delete a Flash Card")},
    {IDB_SPELLING_SIDE, IDB_SPELLING_MANAGER_BANNER, IDS_SPELLING_MANAGER_HELP,
     IDS_SPELLING_MANAGER_START, QT_TRANSLATE_NOOP("CQuestionManagerPage", "Spelling Words"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "No Spelling Words Defined Yet"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Add a Word"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Modify a Word"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Delete a Word")},
    {IDB_MATH_SIDE, IDB_MATH_MANAGER_BANNER, IDS_MATH_MANAGER_HELP, IDS_MATH_MANAGER_START,
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Math Problems:"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "No Math Problems Defined Yet"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Add a Problem"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Modify a Problem"),
     QT_TRANSLATE_NOOP("CQuestionManagerPage", "Delete a Problem")},
}};

QRect ButtonRect(int column)
{
    return QRect(kGroupRect.left() + column * (kButtonWidth + kButtonGap), kButtonTop, kButtonWidth,
                 kButtonHeight);
}
} // namespace

CQuestionManagerPage::CQuestionManagerPage(CWizardContext& context, QWidget* parent)
    : CQuizPage(context, parent), m_pAdd(new QPushButton(tr("Add  a Question"), this)),
      m_pModify(new QPushButton(tr("Modify a Question"), this)),
      m_pDelete(new QPushButton(tr("Delete a Question"), this)),
      m_pAddList(new QPushButton(tr("Add from a List..."), this)), m_pGroup(new QGroupBox(this)),
      m_pModel(new CQuestionListModel(*context.m_pDoc, this)), m_pList(new QListView(m_pGroup))
{
    setObjectName(QStringLiteral("questionManagerPage"));
    m_pAdd->setObjectName(QStringLiteral("addButton"));
    m_pModify->setObjectName(QStringLiteral("modifyButton"));
    m_pDelete->setObjectName(QStringLiteral("deleteButton"));
    m_pAdd->setGeometry(ButtonRect(0));
    m_pModify->setGeometry(ButtonRect(1));
    m_pDelete->setGeometry(ButtonRect(2));
    m_pAddList->setObjectName(QStringLiteral("addListButton"));
    m_pAddList->setGeometry(kAddListRect);
    m_pAddList->setAccessibleDescription(
        tr("Adds many questions at once from a list you paste or a text file, one a line."));
    m_pAddList->setToolTip(m_pAddList->accessibleDescription());
    m_pGroup->setObjectName(QStringLiteral("questionGroup"));
    m_pGroup->setGeometry(kGroupRect);
    m_pList->setObjectName(QStringLiteral("questionList"));
    m_pList->setGeometry(kListRect);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_pList->setUniformItemSizes(true);
    m_pList->setModel(m_pModel);
    m_pList->setItemDelegate(new CQuestionLineDelegate(m_pList));
    m_pList->setAccessibleName(tr("Questions of the quiz"));
    m_pList->installEventFilter(this);
    m_pHelp = AddLabel(QString(), kHelpRect, false);
    m_pHelp->setObjectName(QStringLiteral("managerHelp"));

    // Only the user's own moves in the list count, not the list settling after a refill.
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (m_pList->hasFocus())
            EnableSelectionButtons(true);
    });
    connect(m_pList, &QListView::pressed, this, [this] { EnableSelectionButtons(true); });
    connect(m_pList, &QListView::doubleClicked, this, [this] { ModifyQuestion(); });
    connect(m_pAdd, &QPushButton::clicked, this, &CQuestionManagerPage::AddQuestion);
    connect(m_pModify, &QPushButton::clicked, this, &CQuestionManagerPage::ModifyQuestion);
    connect(m_pDelete, &QPushButton::clicked, this, &CQuestionManagerPage::DeleteQuestion);
    connect(m_pAddList, &QPushButton::clicked, this, &CQuestionManagerPage::AddFromList);
}

CQuestionManagerPage::~CQuestionManagerPage() = default;

void CQuestionManagerPage::EnableSelectionButtons(bool enabled)
{
    m_pModify->setEnabled(enabled);
    m_pDelete->setEnabled(enabled);
}

void CQuestionManagerPage::ShowKindTexts(bool hasQuestions)
{
    const int kind = m_pDoc->m_nQuizType;
    if (!IsQuizKind(kind)) {
        // A quiz without a kind yet: Add leads to the format page to choose one.
        LoadPicture(m_pHeader, IDB_QUIZ_FORMAT_BANNER);
        m_pSide.reset();
        m_pHelp->clear();
        m_pGroup->setTitle(QString());
        m_pAdd->setText(tr("Add  a Question"));
        m_pModify->setText(tr("Modify a Question"));
        m_pDelete->setText(tr("Delete a Question"));
        return;
    }
    const KindLooks& looks = kLooks[static_cast<size_t>(kind - 1)];
    LoadPicture(m_pSide, looks.m_nSideId);
    m_pHelp->setText(
        CStringTable::Get(hasQuestions ? looks.m_nHelpWithQuestions : looks.m_nHelpWithout));
    m_pGroup->setTitle(tr(hasQuestions ? looks.m_groupWith : looks.m_groupWithout));
    LoadPicture(m_pHeader, looks.m_nHeaderId);
    m_pAdd->setText(tr(looks.m_add));
    m_pModify->setText(tr(looks.m_modify));
    m_pDelete->setText(tr(looks.m_delete));
}

void CQuestionManagerPage::OnSetActive()
{
    m_pDoc->m_nReturnPage = PAGE_QUESTION_MANAGER;
    m_pDoc->m_nAdviceType = m_pDoc->m_nQuizType;
    // Focus first: a disabled Delete that held it would pass it on to the list.
    m_pAdd->setFocus();
    EnableSelectionButtons(false);
    m_pList->setVisible(m_pDoc->m_nQuestionCount != 0);
    ApplyFonts();
    m_pGroup->setFont(m_context.m_fontBold);
    m_pList->setFont(m_context.m_fontNormal);
    ShowKindTexts(m_pDoc->m_nQuestionCount != 0);
    m_pAddList->setEnabled(IsQuizKind(m_pDoc->m_nQuizType));
    m_pDoc->m_nQuestionCount = static_cast<int>(m_pDoc->Questions().size());
    m_pDoc->OnSaveDocument(m_pDoc->m_strQuizPath);
    FillList();
    if (m_pDoc->m_nQuestionCount == 0)
        PostDisableButton(ID_SHEET_FINISH);
    // No kind, nowhere to ask advice: the advice pages belong to a kind.
    if (!IsQuizKind(m_pDoc->m_nQuizType))
        PostDisableButton(ID_SHEET_ADVICE);
    update();
    Arm();
}

void CQuestionManagerPage::FillList()
{
    m_pModel->Refill();
    if (m_pModel->rowCount() > 0) {
        // Every line as high as the first and as wide as the widest, so a list of
        // thousands of questions is not laid out line by line on every visit.
        const int height = m_pList->sizeHintForRow(0);
        m_pModel->SetLineSize(QSize(m_pModel->WidestLineWidth(m_pList->font()), height));
    }
    m_pList->horizontalScrollBar()->setValue(0);
}

int CQuestionManagerPage::SelectedRow() const
{
    const QModelIndex current = m_pList->currentIndex();
    if (!current.isValid() || !m_pList->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

bool CQuestionManagerPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pList && event->type() == QEvent::FocusIn && m_pModel->rowCount() > 0)
        EnableSelectionButtons(true);
    return CQuizPage::eventFilter(watched, event);
}

int CQuestionManagerPage::EditorTarget() const
{
    return IsQuizKind(m_pDoc->m_nQuizType) ? EditorPage(m_pDoc->m_nQuizType) : PAGE_QUIZ_FORMAT;
}

void CQuestionManagerPage::AddQuestion()
{
    m_pDoc->m_nCurrent = m_pModel->rowCount();
    m_pDoc->m_bModifying = 0;
    GoToPage(EditorTarget());
}

void CQuestionManagerPage::AddFromList()
{
    CListImportDlg* dialog = CListImportDlg::Open(*m_pDoc, m_context.m_strQuizDir, this);
    // The added questions are listed (and the file rewritten) as on any visit.
    connect(dialog, &QDialog::accepted, this, [this] {
        OnSetActive();
        if (m_pDoc->m_nQuestionCount != 0)
            PostEnableButton(ID_SHEET_FINISH, false);
    });
}

void CQuestionManagerPage::ModifyQuestion()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    m_pDoc->m_nCurrent = row;
    m_pDoc->m_bModifying = 1;
    GoToPage(EditorTarget());
}

void CQuestionManagerPage::DeleteQuestion()
{
    const int row = SelectedRow();
    CPrompt* prompt = m_pDoc->Prompt();
    if (row >= 0 && prompt &&
        prompt->AskYesNo(CStringTable::Get(IDS_CONFIRM_DELETE_QUESTION), CPrompt::Reply::No) ==
            CPrompt::Reply::Yes) {
        m_pDoc->RemoveQuestion(row);
        // The line goes with its question, before the save can run a message's loop.
        m_pModel->Refill();
        m_pDoc->m_nQuestionCount = static_cast<int>(m_pDoc->Questions().size());
        m_pDoc->OnSaveDocument(m_pDoc->m_strQuizPath);
    }
    OnSetActive();
}

void CQuestionManagerPage::Finish()
{
    m_pDoc->OnSaveDocument(m_pDoc->m_strQuizPath);
    CPrompt* prompt = m_pDoc->Prompt();
    const CPrompt::Reply reply =
        prompt ? prompt->AskYesNo(CStringTable::Get(IDS_ASK_TAKE_QUIZ_NOW), CPrompt::Reply::Yes)
               : CPrompt::Reply::No;
    // Closed without an answer: the quiz (already saved) stays open here.
    if (reply == CPrompt::Reply::Cancel)
        return;
    if (reply == CPrompt::Reply::No || !IsQuizKind(m_pDoc->m_nQuizType)) {
        GoToPage(PAGE_WELCOME);
        return;
    }
    GoToPage(IntroPage(m_pDoc->m_nQuizType));
}

void CQuestionManagerPage::OnCommand(int id)
{
    if (id == ID_SHEET_FINISH)
        Finish();
    else if (id == ID_SHEET_ADVICE && IsQuizKind(m_pDoc->m_nAdviceType))
        GoToPage(AdvicePage(m_pDoc->m_nAdviceType));
}

int CQuestionManagerPage::OnWizardBack()
{
    GoToPage(m_pDoc->m_nManagerBackPage);
    return WIZ_STAY;
}

bool CQuestionManagerPage::OnQueryCancel()
{
    PostGoToPage(PAGE_WELCOME);
    return false;
}

void CQuestionManagerPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
    DrawPicture(painter, m_pSide.get(), kSideRect.topLeft());
}
