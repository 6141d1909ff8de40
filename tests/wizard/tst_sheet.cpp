#include "CQuizPage.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QPushButton>
#include <QtTest>

// The sheet as the pupil sees it: the button row of every page, the slots,
// the title, and the rule of one move per activation.
class TestSheet : public QObject
{
    Q_OBJECT

private:
    struct Expected
    {
        QString advice, print, back, next, cancel, finish;
    };
    static QString Caption(const CQuizSheet& sheet, int id)
    {
        const QPushButton* button = sheet.Button(id);
        return button && button->isVisible() ? button->text() : QString();
    }

private slots:
    void buttonRowOfEveryPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("captions"); // advice, print, back, next, cancel, finish
        QTest::addColumn<QList<int>>("positions"); // -1 where hidden
        const QString none;
        auto row = [](int page, QStringList captions, QList<int> positions) {
            QTest::addRow("page %d", page) << page << captions << positions;
        };
        row(0, {none, none, "&Back", "&Next", "Close", none}, {-1, -1, 2, 1, 0, -1});
        for (int page : {1, 2})
            row(page, {none, none, "&Back", "&Next", "Cancel", none}, {-1, -1, 2, 1, 0, -1});
        row(3, {"&Advice", none, "&Back", "&Next", "Cancel", none}, {5, -1, 2, 1, 0, -1});
        row(4, {"&Advice", "&Print", "&Back", none, "Cancel", "&Finish"}, {5, 4, 2, -1, 1, 0});
        for (int page : {5, 6, 8})
            row(page, {"&Advice", "&Print", "&Back", "&New ?", "Cancel", "&Finish"},
                {5, 4, 2, 3, 1, 0});
        row(7, {none, none, "&Back", "&New Word", "Cancel", "&Finish"}, {-1, -1, 2, 3, 1, 0});
        for (int page = 9; page <= 12; ++page)
            row(page, {none, none, "&Back", "&Next", "Cancel", none}, {-1, -1, 2, 1, 0, -1});
        for (int page = 13; page <= 16; ++page)
            row(page, {none, "Print", "&Back", "&Next", "Skip ?", "Finish"}, {-1, 4, 3, 2, 1, 0});
        row(17, {none, "Print", "&Back", none, "Close", "Finish"}, {-1, 4, 3, -1, 1, 0});
        for (int page = 18; page <= 21; ++page)
            row(page, {none, "Print", "&Back", "Next", "Cancel", none}, {-1, 4, 2, 1, 0, -1});
    }
    void buttonRowOfEveryPage()
    {
        QFETCH(int, page);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, positions);
        const auto& row = CQuizSheet::RowOf(page);
        for (int column = 0; column < CQuizSheet::COL_COUNT; ++column) {
            const auto& entry = row[static_cast<size_t>(column)];
            QCOMPARE(entry.m_caption ? QString::fromLatin1(entry.m_caption) : QString(),
                     captions[column]);
            if (entry.m_caption)
                QCOMPARE(entry.m_slot, positions[column]);
        }
    }

    void wizardFlags()
    {
        const QList<int> expected{0, 1, 3, 3, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3, 3, 3};
        for (int page = 0; page < PAGE_COUNT; ++page)
            QCOMPARE(CQuizSheet::WizardFlagsOf(page), expected[page]);
    }

    void slotsAreSixteenPercentApartFromTheRight()
    {
        CSheetHarness harness;
        const CQuizSheet& sheet = *harness.Sheet();
        const int step = static_cast<int>(sheet.width() * 0.16);
        for (int slot = 0; slot < CQuizSheet::kSlotCount; ++slot)
            QCOMPARE(sheet.SlotX(slot), sheet.width() - (slot + 1) * step);
        // Every sheet button is the size of Cancel and sits at its slot.
        QCOMPARE(sheet.Button(IDCANCEL)->x(), sheet.SlotX(0));
        QCOMPARE(sheet.Button(ID_WIZNEXT)->x(), sheet.SlotX(1));
        QCOMPARE(sheet.Button(ID_WIZBACK)->x(), sheet.SlotX(2));
        QCOMPARE(sheet.Button(ID_WIZNEXT)->size(), sheet.Button(IDCANCEL)->size());
    }

    void welcomePageOffersOnlyItsPictureButtons()
    {
        CSheetHarness harness;
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama"));
        QVERIFY(!harness.Button(ID_WIZBACK)->isEnabled());
        QVERIFY(!harness.Button(ID_WIZNEXT)->isEnabled());
        QCOMPARE(Caption(*harness.Sheet(), IDCANCEL), QStringLiteral("Close"));
        QVERIFY(!harness.Button(ID_WIZFINISH)->isVisible());
    }

    void ownButtonsHideAndComeBackWithNewCaptions()
    {
        CSheetHarness harness;
        CQuizSheet& sheet = *harness.Sheet();
        sheet.GoToPage(PAGE_QUESTION_MANAGER);
        harness.Settle();
        QCOMPARE(Caption(sheet, ID_SHEET_PRINT), QStringLiteral("&Print"));
        QVERIFY(!sheet.Button(ID_WIZNEXT)->isVisible());
        QCOMPARE(sheet.Button(IDCANCEL)->x(), sheet.SlotX(1));
        QCOMPARE(sheet.Button(ID_SHEET_FINISH)->x(), sheet.SlotX(0));
        const QPoint printAt = sheet.Button(ID_SHEET_PRINT)->pos();
        sheet.GoToPage(PAGE_START_QUIZ);
        harness.Settle();
        QVERIFY(!sheet.Button(ID_SHEET_PRINT)->isVisible());
        QVERIFY(!sheet.Button(ID_SHEET_ADVICE)->isVisible());
        QVERIFY(!sheet.Button(ID_SHEET_FINISH)->isVisible());
        sheet.GoToPage(QuestionPage(QUIZ_TRUE_FALSE));
        harness.Settle();
        QCOMPARE(Caption(sheet, ID_SHEET_PRINT), QStringLiteral("Print"));
        QCOMPARE(sheet.Button(ID_SHEET_PRINT)->pos(), printAt);
    }

    void twoNextRequestsMoveOnce()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
        CQuizPage* page = harness.Page();
        QVERIFY(page->m_bMoveArmed);
        for (int i = 0; i < 2; ++i)
            QCoreApplication::postEvent(harness.Sheet(),
                                        new CMessageEvent(WM_SHEET_NEXT_PAGE, 0, page));
        harness.Settle();
        QCOMPARE(harness.Index(), int(PAGE_NAME_QUIZ));
    }

    void aPageIsArmedOnEveryActivation()
    {
        CSheetHarness harness;
        CQuizSheet& sheet = *harness.Sheet();
        sheet.GoToPage(PAGE_START_QUIZ);
        QVERIFY(harness.Page()->m_bMoveArmed);
        sheet.GoToPage(PAGE_START_QUIZ);
        QVERIFY(harness.Page()->m_bMoveArmed);
    }

    void enterPressesNoVisibleButtonOnTheStartPage()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.Sheet()->setFocus();
        QTest::keyClick(harness.Button(IDCANCEL)->window(), Qt::Key_Return);
        harness.Settle();
        QCOMPARE(harness.Index(), int(PAGE_START_QUIZ));
    }

    void titleShowsTheQuizName()
    {
        CSheetHarness harness;
        harness.StartNewQuiz(QStringLiteral("Mathematics March 24.qiz"));
        QCOMPARE(harness.Index(), int(PAGE_QUIZ_FORMAT));
        QCOMPARE(harness.Title(), QStringLiteral("Tutorama - Mathematics March 24.qiz"));
    }

    void closeBoxActsLikeCancel()
    {
        CSheetHarness harness;
        harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
        harness.Sheet()->close();
        harness.Settle();
        QVERIFY(harness.Sheet()->isVisible());
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        harness.Sheet()->close();
        QVERIFY(!harness.Sheet()->isVisible());
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
