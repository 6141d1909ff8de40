#include "CQuizSheet.h"

#include "CDoubleClickGuard.h"
#include "CQuizPage.h"
#include "CTU_QuizDoc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

using Button = CQuizSheet::ButtonSpec;
using Row = CQuizSheet::ButtonRow;

constexpr Button kHidden{nullptr, 0};
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 13; // between the page and the button row
constexpr int kRuleMargin = 8; // the sunken line between the page and the buttons

// Columns: Advice, Print, Back, Next, Cancel, Finish.
const Row kWelcomeRow{kHidden,
                      kHidden,
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Next"), 1},
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "Close"), 0},
                      kHidden};
const Row kStartRow{kHidden,
                    kHidden,
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Next"), 1},
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 0},
                    kHidden};
const Row kFormatRow{Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Advice"), 5},
                     kHidden,
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Next"), 1},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 0},
                     kHidden};
const Row kManagerRow{Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Advice"), 5},
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Print"), 4},
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                      kHidden,
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 1},
                      Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Finish"), 0}};
const Row kEditorRow{Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Advice"), 5},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Print"), 4},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&New ?"), 3},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 1},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Finish"), 0}};
const Row kSpellingEditorRow{kHidden,
                             kHidden,
                             Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                             Button{QT_TRANSLATE_NOOP("CQuizSheet", "&New Word"), 3},
                             Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 1},
                             Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Finish"), 0}};
const Row kQuestionRow{kHidden,
                       Button{QT_TRANSLATE_NOOP("CQuizSheet", "Print"), 4},
                       Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 3},
                       Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Next"), 2},
                       Button{QT_TRANSLATE_NOOP("CQuizSheet", "Skip ?"), 1},
                       Button{QT_TRANSLATE_NOOP("CQuizSheet", "Finish"), 0}};
const Row kScoreRow{kHidden,
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "Print"), 4},
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 3},
                    kHidden,
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "Close"), 1},
                    Button{QT_TRANSLATE_NOOP("CQuizSheet", "Finish"), 0}};
const Row kAdviceRow{kHidden,
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "Print"), 4},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "&Back"), 2},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "Next"), 1},
                     Button{QT_TRANSLATE_NOOP("CQuizSheet", "Cancel"), 0},
                     kHidden};

const std::array<const Row*, PAGE_COUNT> kRows{
    &kWelcomeRow, &kStartRow,          &kStartRow,    &kFormatRow,   &kManagerRow,  &kEditorRow,
    &kEditorRow,  &kSpellingEditorRow, &kEditorRow,   &kStartRow,    &kStartRow,    &kStartRow,
    &kStartRow,   &kQuestionRow,       &kQuestionRow, &kQuestionRow, &kQuestionRow, &kScoreRow,
    &kAdviceRow,  &kAdviceRow,         &kAdviceRow,   &kAdviceRow,
};

constexpr int kBoth = PSWIZB_BACK | PSWIZB_NEXT;
constexpr std::array<int, PAGE_COUNT> kWizardFlags{
    0,     PSWIZB_BACK, kBoth, kBoth, PSWIZB_BACK, kBoth, kBoth,       kBoth, kBoth, kBoth, kBoth,
    kBoth, kBoth,       kBoth, kBoth, kBoth,       kBoth, PSWIZB_BACK, kBoth, kBoth, kBoth, kBoth,
};

QString Translate(const char* caption)
{
    return QCoreApplication::translate("CQuizSheet", caption);
}

// What each caption does, for a screen reader (the caption alone may not say where it leads).
struct ButtonDescription
{
    const char* m_caption;
    const char* m_description;
};
constexpr ButtonDescription kDescriptions[] = {
    {"&Back", QT_TRANSLATE_NOOP("CQuizSheet", "Goes back to the page before.")},
    {"&Next", QT_TRANSLATE_NOOP("CQuizSheet", "Goes on to the next step.")},
    {"Next", QT_TRANSLATE_NOOP("CQuizSheet", "Goes on to the next step.")},
    {"Close", QT_TRANSLATE_NOOP("CQuizSheet", "Closes the Tutorama.")},
    {"Cancel", QT_TRANSLATE_NOOP("CQuizSheet", "Stops what you are doing here.")},
    {"&Advice", QT_TRANSLATE_NOOP("CQuizSheet", "Shows tips for making this kind of quiz.")},
    {"&Print", QT_TRANSLATE_NOOP("CQuizSheet", "Chooses what to print.")},
    {"Print", QT_TRANSLATE_NOOP("CQuizSheet", "Chooses what to print.")},
    {"&Finish", QT_TRANSLATE_NOOP("CQuizSheet", "Finishes what you are doing here.")},
    {"Finish", QT_TRANSLATE_NOOP("CQuizSheet", "Finishes what you are doing here.")},
    {"&New ?", QT_TRANSLATE_NOOP("CQuizSheet", "Keeps this question and starts a new one.")},
    {"&New Word", QT_TRANSLATE_NOOP("CQuizSheet", "Keeps this word and starts a new one.")},
    {"Skip ?", QT_TRANSLATE_NOOP("CQuizSheet", "Leaves this question for later.")},
};

QString DescriptionOf(const char* caption)
{
    for (const ButtonDescription& entry : kDescriptions) {
        if (qstrcmp(entry.m_caption, caption) == 0)
            return Translate(entry.m_description);
    }
    return QString();
}

} // namespace

CQuizSheet::CQuizSheet(CTU_QuizDoc* doc, QWidget* parent)
    : QDialog(parent), m_pDoc(doc), m_pPageArea(new QWidget(this)), m_pBack(new QPushButton(this)),
      m_pNext(new QPushButton(this)), m_pCancel(new QPushButton(tr("Cancel"), this)),
      m_pWizardFinish(new QPushButton(this)), m_pClickGuard(new CDoubleClickGuard(this))
{
    setObjectName(QStringLiteral("quizSheet"));
    setWindowTitle(tr("Tutorama"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWidth, kHeight);
    m_pPageArea->setGeometry(0, 0, kWidth, kPageHeight);

    const int top = kPageHeight + kButtonGap;
    for (QPushButton* button : {m_pBack, m_pNext, m_pCancel, m_pWizardFinish})
        button->setGeometry(0, top, kButtonWidth, kButtonHeight);
    m_pBack->setObjectName(QStringLiteral("sheetBack"));
    m_pNext->setObjectName(QStringLiteral("sheetNext"));
    m_pCancel->setObjectName(QStringLiteral("sheetCancel"));
    m_pWizardFinish->setObjectName(QStringLiteral("sheetWizardFinish"));
    m_pWizardFinish->hide();
    for (QPushButton* button : {m_pBack, m_pNext, m_pCancel})
        m_pClickGuard->Watch(button);
    // A disabled button's Alt letter must not end up typed into the focused box.
    qApp->installEventFilter(this);

    connect(m_pBack, &QPushButton::clicked, this, &CQuizSheet::OnBack);
    connect(m_pNext, &QPushButton::clicked, this, &CQuizSheet::OnNext);
    connect(m_pCancel, &QPushButton::clicked, this, &CQuizSheet::OnCancel);
    ComputeSlots();
}

CQuizSheet::~CQuizSheet() = default;

const CQuizSheet::ButtonRow& CQuizSheet::RowOf(int pageIndex)
{
    return *kRows.at(static_cast<size_t>(pageIndex));
}

int CQuizSheet::WizardFlagsOf(int pageIndex)
{
    return kWizardFlags.at(static_cast<size_t>(pageIndex));
}

void CQuizSheet::Adopt(CQuizPage* page)
{
    page->setParent(m_pPageArea);
    page->setGeometry(0, 0, kWidth, kPageHeight);
    page->hide();
    page->SetSheet(this);
}

void CQuizSheet::AddPage(CQuizPage* page)
{
    Adopt(page);
    m_pages.append(page);
    m_makers.append(PageMaker());
}

void CQuizSheet::AddPage(PageMaker make)
{
    m_pages.append(nullptr);
    m_makers.append(std::move(make));
}

CQuizPage* CQuizSheet::Page(int index) const
{
    if (index < 0 || index >= m_pages.size())
        return nullptr;
    CQuizPage*& page = m_pages[index];
    if (!page && m_makers.at(index)) {
        page = m_makers.at(index)();
        // Making a page changes nothing a caller sees: it was there all along, hidden.
        const_cast<CQuizSheet*>(this)->Adopt(page);
    }
    return page;
}

void CQuizSheet::ComputeSlots()
{
    const int right = width();
    const int step = static_cast<int>(width() * 0.16);
    for (int k = 0; k < kSlotCount; ++k)
        m_slotX[static_cast<size_t>(k)] = right - (k + 1) * step;
}

void CQuizSheet::Start()
{
    m_nCurrentPage = 0;
    m_bNextEnabled = false;
    UpdateButtons();
    m_bInitialized = true;
    ActivatePage();
}

QPushButton* CQuizSheet::Button(int id) const
{
    switch (id) {
    case IDCANCEL:
        return m_pCancel;
    case ID_WIZBACK:
        return m_pBack;
    case ID_WIZNEXT:
        return m_pNext;
    case ID_WIZFINISH:
        return m_pWizardFinish;
    case ID_SHEET_ADVICE:
        return m_pAdvice;
    case ID_SHEET_FINISH:
        return m_pFinish;
    case ID_SHEET_PRINT:
        return m_pPrint;
    default:
        return nullptr;
    }
}

void CQuizSheet::SetDefaultButton(QPushButton* button)
{
    (button ? button : m_pWizardFinish)->setDefault(true);
}

void CQuizSheet::GoToPage(int index)
{
    // The welcome page starts afresh, so the quiz is left there.
    if (index == PAGE_WELCOME && ActivePage() && m_nCurrentPage != PAGE_WELCOME &&
        !ActivePage()->MayLeaveQuiz())
        return;
    if (CQuizPage* page = ActivePage())
        page->m_bMoveArmed = false;
    m_pClickGuard->NoteMove();
    m_nCurrentPage = static_cast<qint16>(index);
    UpdateButtons();
    ActivatePage();
}

void CQuizSheet::MoveBy(int delta, QObject* requester)
{
    // One move per activation: a request from a page that has already moved
    // (or is no longer shown) is swallowed, so double clicks move once.
    CQuizPage* page = ActivePage();
    if (!page || !page->m_bMoveArmed || (requester && requester != page))
        return;
    GoToPage(m_nCurrentPage + delta);
}

void CQuizSheet::ActivatePage()
{
    CQuizPage* page = ActivePage();
    for (CQuizPage* other : std::as_const(m_pages))
        if (other && other != page)
            other->hide();
    if (!page)
        return;
    page->show();
    SetDefaultButton(nullptr);
    page->OnSetActive();
    SetDefaultButton(page->DefaultButton());
    page->update();
}

void CQuizSheet::UpdateTitle()
{
    QString title = tr("Tutorama");
    if (m_pDoc && !m_pDoc->m_strQuizName.isEmpty())
        title += QStringLiteral(" - ") + m_pDoc->m_strQuizName;
    setWindowTitle(title);
}

void CQuizSheet::PlaceButton(QPushButton* button, const ButtonSpec& entry)
{
    button->move(SlotX(entry.m_slot), kPageHeight + kButtonGap);
    button->setText(Translate(entry.m_caption));
    button->setAccessibleDescription(DescriptionOf(entry.m_caption));
    button->show();
}

QPushButton* CQuizSheet::EnsureOwnButton(int id)
{
    QPushButton*& button =
        id == ID_SHEET_ADVICE ? m_pAdvice : (id == ID_SHEET_FINISH ? m_pFinish : m_pPrint);
    if (!button) {
        button = new QPushButton(this);
        button->setObjectName(id == ID_SHEET_ADVICE   ? QStringLiteral("sheetAdvice")
                              : id == ID_SHEET_FINISH ? QStringLiteral("sheetFinish")
                                                      : QStringLiteral("sheetPrint"));
        button->resize(m_pCancel->size());
        button->setFocusPolicy(Qt::StrongFocus);
        m_pClickGuard->Watch(button);
        connect(button, &QPushButton::clicked, this, [this, id] { OnOwnButton(id); });
    }
    return button;
}

void CQuizSheet::UpdateButtons()
{
    // Posted so that it lands after the new page's activation but before
    // anything the page itself posts during that activation.
    QCoreApplication::postEvent(this, new CMessageEvent(WM_SHEET_SET_WIZARD_BUTTONS,
                                                        WizardFlagsOf(m_nCurrentPage), nullptr));
    UpdateTitle();

    const ButtonRow& row = RowOf(m_nCurrentPage);
    if (row[COL_CANCEL].m_caption) {
        PlaceButton(m_pCancel, row[COL_CANCEL]);
        m_pCancel->setDefault(false);
    } else {
        m_pCancel->hide();
    }
    if (row[COL_BACK].m_caption) {
        PlaceButton(m_pBack, row[COL_BACK]);
        m_pBack->setEnabled(m_nCurrentPage > 0);
    } else {
        m_pBack->hide();
    }
    m_pBack->setDefault(false);
    if (row[COL_NEXT].m_caption) {
        PlaceButton(m_pNext, row[COL_NEXT]);
        m_pNext->setEnabled(m_bNextEnabled);
    } else {
        m_pNext->setEnabled(false);
        m_pNext->hide();
    }

    const std::array<std::pair<int, Column>, 3> own{{{ID_SHEET_ADVICE, COL_ADVICE},
                                                     {ID_SHEET_PRINT, COL_PRINT},
                                                     {ID_SHEET_FINISH, COL_FINISH}}};
    for (const auto& [id, column] : own) {
        if (row[column].m_caption) {
            QPushButton* button = EnsureOwnButton(id);
            PlaceButton(button, row[column]);
            button->setEnabled(true);
        } else if (QPushButton* button = Button(id)) {
            button->hide();
        }
    }
}

void CQuizSheet::SetWizardButtons(int flags)
{
    m_pBack->setEnabled((flags & PSWIZB_BACK) != 0);
    m_pNext->setEnabled((flags & PSWIZB_NEXT) != 0);
}

void CQuizSheet::HandleMessage(int message, std::intptr_t wParam, std::intptr_t nParam,
                               QObject* sender)
{
    switch (message) {
    case WM_SHEET_NEXT_PAGE:
        MoveBy(+1, sender);
        break;
    case WM_SHEET_PREV_PAGE:
        MoveBy(-1, sender);
        break;
    case WM_SHEET_GOTO_PAGE:
        GoToPage(static_cast<int>(wParam));
        break;
    case WM_SHEET_ENABLE_BUTTON:
        if (QPushButton* button = Button(static_cast<int>(nParam))) {
            button->setEnabled(true);
            if (wParam != 0)
                button->setFocus();
        }
        break;
    case WM_SHEET_DISABLE_BUTTON:
        if (QPushButton* button = Button(static_cast<int>(nParam)))
            button->setEnabled(false);
        break;
    case WM_SHEET_SET_WIZARD_BUTTONS:
        SetWizardButtons(static_cast<int>(wParam));
        break;
    default:
        break;
    }
}

bool CQuizSheet::event(QEvent* event)
{
    switch (static_cast<int>(event->type())) {
    case WM_SHEET_NEXT_PAGE:
    case WM_SHEET_PREV_PAGE:
    case WM_SHEET_GOTO_PAGE:
    case WM_SHEET_ENABLE_BUTTON:
    case WM_SHEET_DISABLE_BUTTON:
    case WM_SHEET_SET_WIZARD_BUTTONS: {
        auto* message = static_cast<CMessageEvent*>(event);
        HandleMessage(message->Message(), message->WParam(), message->NParam(), message->LParam());
        return true;
    }
    default:
        return QDialog::event(event);
    }
}

void CQuizSheet::OnBack()
{
    CQuizPage* page = ActivePage();
    if (page && page->OnWizardBack() != WIZ_STAY)
        GoToPage(m_nCurrentPage - 1);
}

void CQuizSheet::OnNext()
{
    CQuizPage* page = ActivePage();
    if (page && page->OnWizardNext() != WIZ_STAY)
        GoToPage(m_nCurrentPage + 1);
}

void CQuizSheet::OnCancel()
{
    CQuizPage* page = ActivePage();
    if (!page || (page->OnQueryCancel() && page->MayLeaveQuiz()))
        QDialog::reject();
}

void CQuizSheet::OnOwnButton(int id)
{
    if (id == ID_SHEET_PRINT) {
        if (m_printHandler)
            m_printHandler(this);
        return;
    }
    if (CQuizPage* page = ActivePage())
        page->OnCommand(id);
}

void CQuizSheet::reject()
{
    // Escape and the title-bar close box act like the Cancel button.
    if (m_pCancel->isVisible() && m_pCancel->isEnabled())
        OnCancel();
}

void CQuizSheet::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // A painted line rather than a frame widget: a screen reader has nothing to say about it.
    QPainter painter(this);
    const int left = kRuleMargin;
    const int right = kWidth - kRuleMargin - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(left, kPageHeight, right, kPageHeight);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(left, kPageHeight + 1, right, kPageHeight + 1);
}

bool CQuizSheet::IsStrayMnemonic(QObject* watched, QEvent* event) const
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::ShiftModifier;
    const bool letterOrDigit = (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) ||
                               (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9);
    if (modifiers != Qt::AltModifier || !letterOrDigit)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == this;
}

bool CQuizSheet::eventFilter(QObject* watched, QEvent* event)
{
    // An Alt letter that reaches a key press matched no enabled control (those are
    // shortcuts, handled before): it belongs to a disabled button, so nothing happens.
    if (IsStrayMnemonic(watched, event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void CQuizSheet::closeEvent(QCloseEvent* event)
{
    OnCancel();
    if (isVisible())
        event->ignore();
}
