#include "CActorSvr.h"
#include "CPictureButton.h"
#include "CQuestionPage.h"
#include "CQuizSheet.h"
#include "CQuizVoice.h"
#include "CRecordingOutput.h"
#include "CSheetHarness.h"
#include "CSpeechSynthesizer.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {
constexpr int kTrue = 0;

// What a page's recording speech control heard, and the control itself.
struct Listener
{
    QList<QByteArray> heard;
    CRecordingOutput* output = nullptr;
    CActorSvr* actor = nullptr;
};

void ListenTo(CSheetHarness& harness, int kind, Listener& listener)
{
    auto output = std::make_unique<CRecordingOutput>(&listener.heard);
    listener.output = output.get();
    auto actor = std::make_unique<CActorSvr>(std::move(output));
    listener.actor = actor.get();
    qobject_cast<CQuestionPage*>(harness.Sheet()->Page(QuestionPage(kind)))
        ->SetActor(std::move(actor));
}

// A quiz of one kind with one question, on its question page; backs: the cards show their
// backs; voice: the language chosen for the quiz.
void StartTaking(CSheetHarness& harness, int kind, const QString& question, const QString& back,
                 bool backs = false, const QString& voice = QString())
{
    const QString path = harness.PathOf(QStringLiteral("Quiz.qiz"));
    CTakeDriver::WriteQuiz(path, kind, {{question, kTrue, back}});
    if (!voice.isEmpty())
        harness.Context().m_pVoice->Choose(path, voice);
    CTakeDriver(harness).OpenForTaking(path);
    if (backs)
        harness.ClickPageButton(QStringLiteral("Show Backs"));
    harness.Click(ID_WIZNEXT);
    QCOMPARE(harness.Index(), QuestionPage(kind));
}

// A key to whatever has the focus, as a pupil presses it.
void Key(CSheetHarness& harness, int key, Qt::KeyboardModifiers modifiers)
{
    harness.Sheet()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(harness.Sheet()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    CSheetHarness::Settle();
}

// The same speech in length: the engine varies its timing a little from one call to the next.
bool SameLength(qsizetype a, qsizetype b)
{
    return std::abs(a - b) < b / 20;
}

qsizetype SpokenLength(const QString& text, const QString& language,
                       CSpeechSynthesizer::Pace pace = CSpeechSynthesizer::Pace::Normal)
{
    return CActorSvr::Synthesize(text, language, pace).Pcm().size();
}
} // namespace

// The speakers of the question pages: Read aloud on the true/false and flash-card pages, and
// the spelling word said slowly.
class TestSpeakers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!CSpeechSynthesizer::IsAvailable())
            QSKIP("espeak-ng is not installed");
    }

    void readAloudSaysTheTextShownInTheQuizVoice_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("backs");
        QTest::addColumn<QString>("said");
        QTest::addRow("statement") << int(QUIZ_TRUE_FALSE) << false << "The sun is a star.";
        QTest::addRow("card front") << int(QUIZ_FLASH_CARD) << false << "the dog";
        QTest::addRow("card back") << int(QUIZ_FLASH_CARD) << true << "der Hund";
    }

    void readAloudSaysTheTextShownInTheQuizVoice()
    {
        QFETCH(int, kind);
        QFETCH(bool, backs);
        QFETCH(QString, said);
        CSheetHarness harness;
        Listener listener;
        ListenTo(harness, kind, listener);
        // The quiz is spoken in German, whatever the program's language.
        const QString voice = CSpeechSynthesizer::HasVoice(QStringLiteral("de"))
                                  ? QStringLiteral("de")
                                  : CSpeechSynthesizer::DefaultLanguage();
        StartTaking(harness, kind, kind == QUIZ_TRUE_FALSE ? said : QStringLiteral("the dog"),
                    QStringLiteral("der Hund"), backs, voice);
        if (kind == QUIZ_TRUE_FALSE)
            harness.PressPicture(IDB_TRUE_BUTTON);
        QVERIFY(listener.heard.isEmpty()); // nothing is read until the pupil asks

        auto* button = harness.Find<CPictureButton>(
            QStringLiteral("pictureButton%1").arg(CQuestionPage::kReadAloudButton));
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->accessibleName(), QStringLiteral("Read aloud"));
        QCOMPARE(button->toolTip(), QStringLiteral("Read aloud (Alt+R)"));
        harness.PressPicture(CQuestionPage::kReadAloudButton);
        QCOMPARE(listener.actor->Text(), said);
        QCOMPARE(listener.actor->Language(), voice);
        QCOMPARE(listener.heard.size(), 1);
        QVERIFY(SameLength(listener.heard.at(0).size(), SpokenLength(said, voice)));
        QVERIFY(listener.output->IsPlaying());

        // Pressed while it speaks, it starts again from the beginning; Alt+R does the same.
        harness.PressPicture(CQuestionPage::kReadAloudButton);
        Key(harness, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(listener.heard.size(), 3);
        QCOMPARE(listener.output->m_nCutOff, 2);
        QVERIFY(SameLength(listener.heard.at(2).size(), listener.heard.at(0).size()));
        // The pupil's answer is kept: the speaker is no answer.
        if (kind == QUIZ_TRUE_FALSE) {
            QVERIFY(
                harness
                    .Find<CPictureButton>(QStringLiteral("pictureButton%1").arg(IDB_TRUE_BUTTON))
                    ->isChecked());
            QCOMPARE(harness.Doc()->CurrentQuestion()->m_nResponse, kTrue);
        }

        // The keyboard reaches it from the answer, and Space presses it.
        const QString answer = kind == QUIZ_TRUE_FALSE
                                   ? QStringLiteral("pictureButton%1").arg(IDB_TRUE_BUTTON)
                                   : QString::fromLatin1(backs ? "frontBox" : "backBox");
        harness.Find<QWidget>(answer)->setFocus();
        for (int tab = 0; tab < 3 && QApplication::focusWidget() != button; ++tab)
            Key(harness, Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), button);
        Key(harness, Qt::Key_Space, Qt::NoModifier);
        QCOMPARE(listener.heard.size(), 4);

        // Leaving the page stops it.
        harness.m_prompt.QueueYesNo(true);
        harness.Click(ID_SHEET_FINISH);
        QCOMPARE(harness.Index(), int(PAGE_WELCOME));
        QVERIFY(!listener.output->IsPlaying());
        QCOMPARE(listener.heard.size(), 4);
    }

    void readAloudIsOfferedOnlyWithSpeechAndMovesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("true/false") << int(QUIZ_TRUE_FALSE);
        QTest::addRow("flash cards") << int(QUIZ_FLASH_CARD);
        QTest::addRow("spelling") << int(QUIZ_SPELLING);
    }

    void readAloudIsOfferedOnlyWithSpeechAndMovesNothing()
    {
        QFETCH(int, kind);
        // What the pupil sees, and where: every control and text shown.
        const auto placesOf = [](QWidget* page) {
            QStringList places;
            for (QWidget* child : page->findChildren<QWidget*>()) {
                if (!child->isVisible())
                    continue;
                const QRect at = child->geometry();
                auto* label = qobject_cast<QLabel*>(child);
                places.append(QStringLiteral("%1 %2 %3 at %4,%5 %6x%7")
                                  .arg(QString::fromLatin1(child->metaObject()->className()),
                                       child->objectName(), label ? label->text() : QString())
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(at.width())
                                  .arg(at.height()));
            }
            return places;
        };
        QStringList withSpeech;
        for (bool speech : {true, false}) {
            CSheetHarness harness;
            harness.Context().m_bSpeechAvailable = speech;
            Listener listener;
            ListenTo(harness, kind, listener);
            StartTaking(harness, kind, QStringLiteral("owl"), QStringLiteral("Eule"));
            const int added = kind == QUIZ_SPELLING ? int(IDB_SLOW_SPEAKER_BUTTON)
                                                    : CQuestionPage::kReadAloudButton;
            auto* button =
                harness.Find<CPictureButton>(QStringLiteral("pictureButton%1").arg(added));
            QCOMPARE(button->isVisible(), speech);
            // Without speech its Alt letter does nothing either.
            Key(harness, kind == QUIZ_SPELLING ? Qt::Key_L : Qt::Key_R, Qt::AltModifier);
            const int spokenOnArrival = kind == QUIZ_SPELLING ? 1 : 0;
            QCOMPARE(listener.heard.size(), spokenOnArrival + (speech ? 1 : 0));
            const QStringList places = placesOf(harness.PageWidget());
            if (speech) {
                withSpeech = places;
                continue;
            }
            // Everything still shown stands where it stood beside the speaker.
            for (const QString& place : places)
                QVERIFY2(withSpeech.contains(place), qPrintable(place));
            QCOMPARE(withSpeech.size(), places.size() + 2); // the speaker and its words
        }
    }

    void sayItSlowlySaysTheWordAtHalfTheRate()
    {
        CSheetHarness harness;
        Listener listener;
        ListenTo(harness, QUIZ_SPELLING, listener);
        const QString word = QStringLiteral("butterfly");
        StartTaking(harness, QUIZ_SPELLING, word, QString());
        const QString voice = listener.actor->Language();
        QCOMPARE(listener.heard.size(), 1); // the word, said as the page opens
        QLabel* words = nullptr;
        for (QLabel* label : harness.PageWidget()->findChildren<QLabel*>())
            if (label->text() == QStringLiteral("Say it slowly"))
                words = label;
        QVERIFY(words && words->isVisible());

        harness.PressPicture(IDB_SLOW_SPEAKER_BUTTON);
        QCOMPARE(listener.heard.size(), 2);
        const qsizetype normal = listener.heard.at(0).size();
        const qsizetype slow = listener.heard.at(1).size();
        QVERIFY2(slow > normal * 18 / 10,
                 qPrintable(QStringLiteral("%1 %2").arg(slow).arg(normal)));
        QVERIFY(SameLength(slow, SpokenLength(word, voice, CSpeechSynthesizer::Pace::Slow)));
        QCOMPARE(listener.actor->Text(), word);

        // The first speaker says the word as before; Alt+L says it slowly again.
        harness.PressPicture(IDB_SPEAKER_BUTTON);
        Key(harness, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(listener.heard.size(), 4);
        QVERIFY(SameLength(listener.heard.at(2).size(), normal));
        QVERIFY(SameLength(listener.heard.at(3).size(), slow));
        QCOMPARE(listener.output->m_nCutOff, 3);
        QCOMPARE(harness.Doc()->CurrentQuestion()->m_strResponse, QString());
    }
};

QTEST_MAIN(TestSpeakers)
#include "tst_speakers.moc"
