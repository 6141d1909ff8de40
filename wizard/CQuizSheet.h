#pragma once

#include "SheetMessages.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>

class CDoubleClickGuard;
class CQuizPage;
class CTU_QuizDoc;
class QPushButton;
class QWidget;

// The one window: hosts the 22 pages, shows one at a time, and owns the row of
// buttons along its bottom. It never chooses a page itself; pages ask it to move.
class CQuizSheet : public QDialog
{
    Q_OBJECT

public:
    // One entry of the per-page button table; a null caption hides the button.
    struct ButtonSpec
    {
        const char* m_caption;
        int m_slot; // 0 = rightmost ... 5 = leftmost
    };
    // The six buttons of a row, in this order.
    enum Column
    {
        COL_ADVICE,
        COL_PRINT,
        COL_BACK,
        COL_NEXT,
        COL_CANCEL,
        COL_FINISH,
        COL_COUNT
    };
    using ButtonRow = std::array<ButtonSpec, COL_COUNT>;

    static constexpr int kSlotCount = 6;
    static constexpr int kWidth = 720;
    static constexpr int kPageHeight = 456;
    static constexpr int kHeight = 510;

    explicit CQuizSheet(CTU_QuizDoc* doc, QWidget* parent = nullptr);
    ~CQuizSheet() override;

    // Makes a page when it is first asked for, so that start-up makes only the first page.
    using PageMaker = std::function<CQuizPage*()>;

    void AddPage(CQuizPage* page);
    void AddPage(PageMaker make);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // The page, made now if it has not been yet; nullptr past the last page.
    CQuizPage* Page(int index) const;
    CQuizPage* ActivePage() const { return Page(m_nCurrentPage); }
    int CurrentIndex() const { return m_nCurrentPage; }

    // Shows page 0; call once after all pages were added.
    void Start();
    // A synchronous switch to another page.
    void GoToPage(int index);

    // A button of the row by its id (IDCANCEL, ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH,
    // ID_SHEET_ADVICE, ID_SHEET_FINISH, ID_SHEET_PRINT); the sheet's own ones are
    // null until first needed.
    QPushButton* Button(int id) const;
    // The x position of a slot.
    int SlotX(int slot) const { return m_slotX[static_cast<size_t>(slot)]; }
    // Makes a button the one Enter presses; null makes Enter press no visible button.
    void SetDefaultButton(QPushButton* button);

    static const ButtonRow& RowOf(int pageIndex);
    static int WizardFlagsOf(int pageIndex);

    // What the Print button opens (the print choice dialog).
    void SetPrintHandler(std::function<void(CQuizSheet*)> handler)
    {
        m_printHandler = std::move(handler);
    }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ComputeSlots();
    void UpdateButtons();
    void UpdateTitle();
    void PlaceButton(QPushButton* button, const ButtonSpec& entry);
    QPushButton* EnsureOwnButton(int id);
    void ActivatePage();
    void MoveBy(int delta, QObject* requester);
    void OnBack();
    void OnNext();
    void OnCancel();
    void OnOwnButton(int id);
    void HandleMessage(int message, std::intptr_t wParam, std::intptr_t nParam, QObject* sender);
    void SetWizardButtons(int flags);
    bool IsStrayMnemonic(QObject* watched, QEvent* event) const;

    CTU_QuizDoc* m_pDoc;
    QWidget* m_pPageArea;
    void Adopt(CQuizPage* page);

    // A page not yet made is a null entry with its maker beside it.
    mutable QList<CQuizPage*> m_pages;
    QList<PageMaker> m_makers;
    qint16 m_nCurrentPage = 0;
    bool m_bNextEnabled = false;
    bool m_bInitialized = false;
    std::array<int, kSlotCount> m_slotX{};

    QPushButton* m_pBack;
    QPushButton* m_pNext;
    QPushButton* m_pCancel;
    QPushButton* m_pWizardFinish; // always hidden; the default when no visible button is
    QPushButton* m_pAdvice = nullptr;
    QPushButton* m_pFinish = nullptr;
    QPushButton* m_pPrint = nullptr;
    CDoubleClickGuard* m_pClickGuard;

    std::function<void(CQuizSheet*)> m_printHandler;
};
