#include "CActorSvr.h"
#include "CEnglishTexts.h"
#include "CPageTour.h"
#include "CPdfText.h"
#include "CPictureButton.h"
#include "CPrintChoiceDlg.h"
#include "CQuizSheet.h"
#include "CQuizVoice.h"
#include "CRecordingOutput.h"
#include "CSheetHarness.h"
#include "CSpeechSynthesizer.h"
#include "CSpellingTakePage.h"
#include "CTU_QuizDoc.h"
#include "CTakeDriver.h"
#include "CTranslations.h"
#include "QuizType.h"
#include "ResourceIds.h"
#include "SheetMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
// Room a button's text needs besides the style's own margins, so that it never touches the
// button's edge.
constexpr int kButtonAir = 2;

// Notes every text the program asks to have translated, and answers none of them, so the
// translators installed before it still answer.
class CLookupRecorder : public QTranslator
{
public:
    struct Lookup
    {
        QByteArray context;
        QByteArray source;
        QByteArray comment;
        int n = -1;
    };

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* comment,
                      int n) const override
    {
        // Qt's own texts are Qt's translators' concern; ours live in our classes.
        if (context && source && *source && context[0] != 'Q')
            m_lookups.append({context, source, comment, n});
        return QString();
    }

    mutable QList<Lookup> m_lookups;
};

QString TsFile(const QString& code)
{
    return QStringLiteral(TUTORAMA_TS_DIR "/tutorama_%1.ts").arg(code);
}

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// What is wrong with how a control shows its text, or nothing.
QString FitProblem(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    // A help text is drawn line by line as written, and its label grows to hold them all:
    // it fits when the page still holds the label.
    if (widget->inherits("CMarkupLabel")) {
        const QRect page = widget->parentWidget()->rect();
        if (page.contains(widget->geometry()))
            return QString();
        return QStringLiteral("reaches %1, %2 on a page of %3 x %4")
            .arg(widget->geometry().right())
            .arg(widget->geometry().bottom())
            .arg(page.width())
            .arg(page.height());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText ||
            Qt::mightBeRichText(label->text()))
            return QString();
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(
            room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
            label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            return QStringLiteral("needs %1 x %2, has %3 x %4")
                .arg(needed.width())
                .arg(needed.height())
                .arg(room.width())
                .arg(room.height());
        return QString();
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || button->text().isEmpty() || widget->inherits("CPictureButton"))
        return QString();
    int needed = metrics.horizontalAdvance(Plain(button->text()));
    QStyle* style = button->style();
    if (qobject_cast<QCheckBox*>(button))
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) + kButtonAir;
    else if (qobject_cast<QRadioButton*>(button))
        needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
                  kButtonAir;
    else
        needed += 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + kButtonAir;
    if (needed > button->width())
        return QStringLiteral("needs %1 wide, has %2").arg(needed).arg(button->width());
    return QString();
}

// Every control below a window whose text does not fit it.
QStringList TextsThatDoNotFit(QWidget* window)
{
    QStringList problems;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString problem = FitProblem(widget);
        if (!problem.isEmpty()) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const auto* label = qobject_cast<QLabel*>(widget);
            problems.append(
                QStringLiteral("\"%1\" %2").arg(button ? button->text() : label->text(), problem));
        }
    }
    return problems;
}

// Opens a quiz for making and prints its report and its advice to PDF files named after it.
void PrintFromManager(CSheetHarness& harness, const QString& quizPath, const QString& pdfName)
{
    harness.Sheet()->GoToPage(PAGE_WELCOME);
    CSheetHarness::Settle();
    harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    harness.m_prompt.QueueFile(quizPath);
    harness.PressPicture(IDB_EXISTING_QUIZ_BUTTON);
    harness.Click(ID_SHEET_PRINT);
    auto* dialog = harness.Sheet()->findChild<CPrintChoiceDlg*>();
    QVERIFY(dialog);
    for (const char* box : {"printQuiz", "printAdvice"}) {
        auto* check = dialog->findChild<QCheckBox*>(QString::fromLatin1(box));
        QVERIFY2(check && check->isEnabled(), box);
        check->setChecked(true);
    }
    harness.m_prompt.QueuePrinter(harness.PathOf(pdfName));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("printButton")),
                      Qt::LeftButton);
    CSheetHarness::Settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

// A pupil whose computer speaks German, French or Spanish meets the whole program in that
// language: pages, dialogs, printouts, advice, the voice and the numbers.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_pTranslations.reset();
        QLocale::setDefault(QLocale::c());
    }

    void everyPageDialogAndPrintoutSpeaksTheLanguage_data() { LanguageRows(false); }
    void everyPageDialogAndPrintoutSpeaksTheLanguage();

    void everyTextFitsItsControl_data() { LanguageRows(true); }
    void everyTextFitsItsControl();

    void theVoiceSpeaksTheQuizLanguage_data();
    void theVoiceSpeaksTheQuizLanguage();

    void aDecimalCommaAnswerIsANumber_data();
    void aDecimalCommaAnswerIsANumber();

private:
    // One row per language the program ships (and English when asked for).
    static void LanguageRows(bool withEnglish);
    // The program in that language; false (and the test skipped) when it has no texts in it.
    bool Speak(const QString& code);

    std::unique_ptr<CTranslations> m_pTranslations;
};

void TestLanguages::LanguageRows(bool withEnglish)
{
    QTest::addColumn<QString>("code");
    if (withEnglish)
        QTest::addRow("en") << QStringLiteral("en");
    for (const QString& code : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")})
        QTest::addRow("%s", qPrintable(code)) << code;
}

bool TestLanguages::Speak(const QString& code)
{
    QLocale::setDefault(QLocale(code));
    m_pTranslations = std::make_unique<CTranslations>(QLocale());
    return code == QLatin1String("en") || m_pTranslations->HasProgramTexts();
}

void TestLanguages::everyPageDialogAndPrintoutSpeaksTheLanguage()
{
    QFETCH(QString, code);
    if (!Speak(code))
        QSKIP("the program has no texts in this language yet");
    CLookupRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    const CEnglishTexts english(TsFile(code));
    CSheetHarness harness;
    harness.Context().m_strAdviceDir = QStringLiteral(TUTORAMA_ADVICE_DIR);
    QStringList found;
    CPageTour tour(harness);
    tour.Run([&](const QString& where, QWidget* shown) {
        for (const QString& text : CEnglishTexts::ShownTexts(shown))
            if (english.IsEnglish(text))
                found.append(QStringLiteral("%1: \"%2\"").arg(where, text));
    });
    QVERIFY(!QTest::currentTestFailed());
    PrintFromManager(harness, harness.PathOf(QStringLiteral("true-false.qiz")),
                     QStringLiteral("printed.pdf"));
    QCoreApplication::removeTranslator(&recorder);

    // The quiz report with its True/False column, then the advice.
    const QStringList report = CPdfText::Lines(CPdfText::Text(harness.PathOf("printed.pdf")));
    QVERIFY(report.size() > 2);
    for (const QString& line : report)
        if (english.HoldsEnglish(line,
                                 {QStringLiteral("PrintLayout"), QStringLiteral("CQuizPrinter")}))
            found.append(QStringLiteral("quiz report: \"%1\"").arg(line));
    const QString advice = CPdfText::Text(harness.PathOf("printed-2.pdf"));
    QVERIFY(!advice.isEmpty());
    if (QFile::exists(QStringLiteral(TUTORAMA_ADVICE_DIR "%1/tfq.rtf").arg(code)))
        QVERIFY2(!advice.contains(QLatin1String("How to Write Good True/False Statements")),
                 "the advice printed in English");
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));

    // Every text the program looked up on the way has a translation.
    QTranslator translation;
    QVERIFY(translation.load(QLocale(), QStringLiteral("tutorama"), QStringLiteral("_"),
                             QStringLiteral(":/i18n")));
    QStringList missing;
    for (const auto& lookup : recorder.m_lookups)
        if (translation.translate(lookup.context, lookup.source, lookup.comment, lookup.n)
                .isEmpty())
            missing.append(QStringLiteral("%1: \"%2\"").arg(lookup.context, lookup.source));
    missing.removeDuplicates();
    QVERIFY(recorder.m_lookups.size() > 300);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TestLanguages::everyTextFitsItsControl()
{
    QFETCH(QString, code);
    if (!Speak(code))
        QSKIP("the program has no texts in this language yet");
    CSheetHarness harness;
    QStringList problems;
    CPageTour tour(harness);
    tour.Run([&](const QString& where, QWidget* shown) {
        for (const QString& problem : TextsThatDoNotFit(shown))
            problems.append(where + QStringLiteral(": ") + problem);
    });
    problems.removeDuplicates();
    for (const QString& problem : problems)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), "texts do not fit (listed above)");
}

void TestLanguages::theVoiceSpeaksTheQuizLanguage_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("chosen"); // picked on the introduction page, or kept before
    QTest::addColumn<QString>("spoken");
    QTest::addRow("English") << QStringLiteral("en") << QString() << QStringLiteral("en");
    QTest::addRow("German") << QStringLiteral("de") << QString() << QStringLiteral("de");
    QTest::addRow("French") << QStringLiteral("fr") << QString() << QStringLiteral("fr");
    QTest::addRow("Spanish") << QStringLiteral("es") << QString() << QStringLiteral("es");
    QTest::addRow("German pupil, English words")
        << QStringLiteral("de") << QStringLiteral("en") << QStringLiteral("en");
    QTest::addRow("English pupil, French words")
        << QStringLiteral("en") << QStringLiteral("fr") << QStringLiteral("fr");
    QTest::addRow("kept choice without a voice")
        << QStringLiteral("de") << QStringLiteral("tlh-none") << QStringLiteral("en");
}

void TestLanguages::theVoiceSpeaksTheQuizLanguage()
{
    QFETCH(QString, program);
    QFETCH(QString, chosen);
    QFETCH(QString, spoken);
    if (!CSpeechSynthesizer::IsAvailable())
        QSKIP("espeak-ng is not installed");
    Speak(program);
    CSheetHarness harness;
    const QString path = harness.PathOf(QStringLiteral("words.qiz"));
    CTakeDriver::WriteQuiz(path, QUIZ_SPELLING, {{QStringLiteral("apple"), 0, {}}});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const bool hasVoice = CSpeechSynthesizer::HasVoice(chosen);
    if (!chosen.isEmpty() && !hasVoice) // a choice kept from a voice since removed
        harness.Context().m_pVoice->Choose(path, chosen);

    QList<QByteArray> sounds;
    auto* page =
        qobject_cast<CSpellingTakePage*>(harness.Sheet()->Page(QuestionPage(QUIZ_SPELLING)));
    page->SetActor(std::make_unique<CActorSvr>(std::make_unique<CRecordingOutput>(&sounds)));
    CTakeDriver take(harness);
    take.OpenForTaking(path);
    QCOMPARE(harness.Index(), IntroPage(QUIZ_SPELLING));
    auto* choice = harness.Find<QComboBox>(QStringLiteral("voiceLanguage"));
    QVERIFY(choice && choice->isVisible());
    QCOMPARE(choice->currentData().toString(), hasVoice || chosen.isEmpty() ? program : chosen);
    if (!chosen.isEmpty() && !hasVoice)
        QCOMPARE(choice->currentText(), CQuizVoice::DisplayName(chosen));
    if (hasVoice) {
        // The pupil picks the language from the list with the keyboard, typing its first letters.
        const QString name = CQuizVoice::DisplayName(chosen);
        choice->setFocus();
        QTest::keyClicks(choice, name.left(4));
        QCOMPARE(choice->currentData().toString(), chosen);
    }
    harness.Click(ID_WIZNEXT);
    QCOMPARE(harness.Index(), QuestionPage(QUIZ_SPELLING));
    QCOMPARE(page->Actor()->Language(), spoken);
    QCOMPARE(sounds.size(), 1);

    // The choice is the user's, kept apart from the quiz file, which is not touched.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    const CQuizVoice kept(harness.PathOf(QStringLiteral("settings.ini")));
    QCOMPARE(kept.SpokenLanguage(path), spoken);
    QCOMPARE(kept.IsChosen(path), !chosen.isEmpty());
}

void TestLanguages::aDecimalCommaAnswerIsANumber_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("German comma") << QStringLiteral("de") << QStringLiteral("2,5") << true;
    QTest::addRow("German point") << QStringLiteral("de") << QStringLiteral("2.5") << true;
    QTest::addRow("French comma") << QStringLiteral("fr") << QStringLiteral("2,50") << true;
    QTest::addRow("English comma") << QStringLiteral("en") << QStringLiteral("2,5") << false;
    QTest::addRow("German word") << QStringLiteral("de") << QStringLiteral("zwei") << false;
}

void TestLanguages::aDecimalCommaAnswerIsANumber()
{
    QFETCH(QString, program);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    Speak(program);
    CSheetHarness harness;
    const QString path = harness.PathOf(QStringLiteral("sums.qiz"));
    CTakeDriver::WriteQuiz(path, QUIZ_MATH, {{QStringLiteral("5 / 2"), 0, {}}});
    CTakeDriver take(harness);
    take.OpenForTaking(path);
    harness.Click(ID_WIZNEXT);
    take.TypeAnswer(typed);
    if (!accepted) {
        harness.Click(ID_WIZNEXT);
        QCOMPARE(harness.m_prompt.m_messages,
                 QStringList(QCoreApplication::translate("CMathTakePage",
                                                         "You Must Enter A Valid Number")));
        QCOMPARE(harness.Index(), QuestionPage(QUIZ_MATH));
        return;
    }
    const CTakeDriver::Seen seen = take.NextWithFeedback();
    // The message box gives back its no-break spaces (French "réponse !") as plain ones.
    QCOMPARE(seen.message, QCoreApplication::translate("AnswerJudge", "Correct. You got it right!")
                               .replace(QChar::Nbsp, QLatin1Char(' ')));
    QCOMPARE(harness.Index(), int(PAGE_SCORE));
    QCOMPARE(harness.Doc()->CountCorrect(), 1);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
