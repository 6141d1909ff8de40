#include "CCellEdit.h"
#include "CContrast.h"
#include "CFeedbackBase.h"
#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CRuledEdit.h"
#include "CSheetHarness.h"
#include "CStringTable.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QStyle>
#include <QWidget>
#include <QtTest>

namespace {
// Controls a screen reader user acts on: each needs a name to be found by.
bool IsInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

QString Describe(QAccessibleInterface* iface)
{
    const QObject* object = iface->object();
    return QStringLiteral("%1 \"%2\" (role %3)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"),
             object ? object->objectName() : QString())
        .arg(int(iface->role()));
}

// Every shown interactive control below an interface, with what it lacks.
void CollectUnnamed(QAccessibleInterface* iface, QStringList* problems, int* controls)
{
    if (!iface || !iface->isValid() || iface->state().invisible)
        return;
    if (IsInteractive(iface->role())) {
        ++*controls;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            problems->append(Describe(iface) + QStringLiteral(" has no accessible name"));
        // A picture alone tells a blind pupil nothing: its description says what it shows.
        // The sheet's buttons change what they do from page to page: they say it.
        const QObject* object = iface->object();
        const bool mustDescribe =
            object && (object->inherits("CPictureButton") ||
                       object->objectName().startsWith(QLatin1String("sheet")));
        if (mustDescribe && iface->text(QAccessible::Description).trimmed().isEmpty())
            problems->append(Describe(iface) + QStringLiteral(" has no description"));
        // A picture has no underlined letter: its tooltip tells the key that presses it.
        const auto* widget = qobject_cast<const QWidget*>(object);
        for (const QShortcut* shortcut :
             object ? object->findChildren<QShortcut*>() : QList<QShortcut*>()) {
            const QString key = shortcut->key().toString(QKeySequence::NativeText);
            if (widget && !widget->toolTip().contains(key))
                problems->append(Describe(iface) + QStringLiteral(" does not tell its key ") + key);
        }
    }
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), problems, controls);
}

// Records what the program tells assistive technology.
QList<QPair<QObject*, QAccessible::Event>> g_events;
void RecordEvent(QAccessibleEvent* event)
{
    g_events.append({event->object(), event->type()});
}

// The help texts a page draws, by page index, as the string table holds them.
QList<int> HelpTextsOf(int page, const CTU_QuizDoc& doc)
{
    static const QHash<int, QList<int>> texts{
        {PAGE_WELCOME, {IDS_WELCOME_HELP}},
        {EditorPage(QUIZ_TRUE_FALSE), {IDS_TRUE_FALSE_EDIT_HELP}},
        {EditorPage(QUIZ_FLASH_CARD), {IDS_FLASH_CARD_EDIT_HELP}},
        {EditorPage(QUIZ_SPELLING), {IDS_SPELLING_EDIT_HELP}},
        {EditorPage(QUIZ_MATH), {IDS_MATH_EDIT_HELP}},
        {IntroPage(QUIZ_FLASH_CARD), {IDS_FLASH_CARD_INTRO_HELP}},
        {IntroPage(QUIZ_SPELLING), {IDS_SPELLING_INTRO_ORDER_HELP, IDS_SPELLING_INTRO_SCORE_HELP}},
        {IntroPage(QUIZ_MATH), {IDS_MATH_INTRO_ORDER_HELP, IDS_MATH_INTRO_SCORE_HELP}},
        {AdvicePage(QUIZ_TRUE_FALSE), {IDS_TRUE_FALSE_ADVICE_TIPS}},
        {AdvicePage(QUIZ_FLASH_CARD), {IDS_FLASH_CARD_ADVICE, IDS_FLASH_CARD_ADVICE_TIPS}},
        {AdvicePage(QUIZ_SPELLING), {IDS_SPELLING_ADVICE, IDS_SPELLING_ADVICE_TIPS}},
        {AdvicePage(QUIZ_MATH), {IDS_MATH_ADVICE, IDS_MATH_ADVICE_TIPS}},
    };
    if (page == QuestionPage(QUIZ_FLASH_CARD))
        return {doc.m_bShowFronts ? IDS_FLASH_CARD_SHOW_FRONTS_HELP
                                  : IDS_FLASH_CARD_SHOW_BACKS_HELP};
    return texts.value(page);
}

// A text's letters alone: no tags, no spaces or line breaks, which may differ in how a line
// is broken but not in what is read.
QString Letters(QString text)
{
    static const QRegularExpression tag(QStringLiteral("<[BINTUCG]."));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.remove(tag).remove(space);
}

// Everything a screen reader reads on its way through a page, in the order it goes.
void CollectRead(QAccessibleInterface* iface, QString* read)
{
    if (!iface || !iface->isValid() || iface->state().invisible)
        return;
    *read += iface->text(QAccessible::Name) + iface->text(QAccessible::Description);
    for (int i = 0; i < iface->childCount(); ++i)
        CollectRead(iface->child(i), read);
}

QHash<QRgb, int> CountColours(const QImage& shot, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(shot.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y)];
    return counts;
}

QColor CommonColour(const QHash<QRgb, int>& counts)
{
    QRgb common = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    }
    return QColor::fromRgb(common);
}

// How much the most distant colour drawn in an area stands out from the area's commonest
// colour, its background.
double DrawnContrast(const QImage& shot, const QRect& area, QColor* background)
{
    const QHash<QRgb, int> counts = CountColours(shot, area);
    *background = CommonColour(counts);
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, CContrast::Ratio(QColor::fromRgb(it.key()), *background));
    return best;
}

// A dark desktop colour scheme, as a pupil may have chosen.
QPalette DarkScheme()
{
    const QColor text(0xfc, 0xfc, 0xfc);
    QPalette dark(text, QColor(0x31, 0x36, 0x3b), QColor(0x40, 0x46, 0x4c),
                  QColor(0x1a, 0x1c, 0x1e), QColor(0x24, 0x27, 0x2a), text, text,
                  QColor(0x1b, 0x1e, 0x20), QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return dark;
}

// Where a widget lies in a picture of the window it is shown in.
QRect AreaIn(const QWidget* shown, const QWidget* widget)
{
    return QRect(widget->mapTo(shown, QPoint(0, 0)), widget->size());
}

// The texts and lines of one shown window that do not stand out enough.
QStringList FaintThings(const QString& where, QWidget* shown)
{
    QStringList faint;
    const QImage shot = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    auto report = [&](const QString& what, double ratio, const QColor& background) {
        faint.append(QStringLiteral("%1: %2 stands out %3:1 from %4")
                         .arg(where, what)
                         .arg(ratio, 0, 'f', 2)
                         .arg(background.name()));
    };
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(shown) || !label->isEnabled() || label->text().trimmed().isEmpty())
            continue;
        QColor background;
        const double ratio = DrawnContrast(shot, AreaIn(shown, label), &background);
        if (ratio < CContrast::kText)
            report(QStringLiteral("the text \"%1\"").arg(label->text().left(30)), ratio,
                   background);
    }
    // A line is drawn across its whole box, over the text: its commonest colour is its own.
    auto checkLine = [&](const QString& what, const QRect& line, const QWidget* box) {
        const QColor background = box->palette().color(QPalette::Base);
        const double ratio = CContrast::Ratio(CommonColour(CountColours(shot, line)), background);
        if (ratio < CContrast::kLines)
            report(what, ratio, background);
    };
    for (const CRuledEdit* box : shown->findChildren<CRuledEdit*>()) {
        if (!box->isVisibleTo(shown))
            continue;
        const QRect area = AreaIn(shown, box->viewport());
        for (int y : box->RuledLines())
            checkLine(QStringLiteral("the ruled line at %1 of %2").arg(y).arg(box->objectName()),
                      QRect(area.left(), area.top() + y, area.width(), 1), box);
    }
    for (const CCellEdit* box : shown->findChildren<CCellEdit*>()) {
        if (!box->isVisibleTo(shown))
            continue;
        const QRect area = AreaIn(shown, box);
        const int middle = area.top() + area.height() / 2;
        for (int x : box->CellLines())
            checkLine(QStringLiteral("the cell line at %1 of %2").arg(x).arg(box->objectName()),
                      QRect(area.left() + x, middle - 2, 1, 5), box);
    }
    return faint;
}

bool Announced(QObject* object)
{
    for (const auto& [source, type] : g_events) {
        if (source == object && type == QAccessible::Alert)
            return true;
    }
    return false;
}
} // namespace

// A screen reader finds every control of every page by a name, and hears the verdict of each
// answer and the score.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::setActive(true);
        QAccessible::installUpdateHandler(RecordEvent);
    }

    void everyShownControlHasAName()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList problems;
        QSet<QString> seenProblems;
        int controls = 0;
        tour.Run([&](const QString& where, QWidget* shown) {
            QStringList here;
            CollectUnnamed(QAccessible::queryAccessibleInterface(shown), &here, &controls);
            for (const QString& problem : here) {
                if (!seenProblems.contains(problem)) {
                    seenProblems.insert(problem);
                    problems.append(where + QStringLiteral(": ") + problem);
                }
            }
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        // The tour saw every page of the sheet, each with its controls.
        QCOMPARE(QSet<int>(tour.PagesSeen().cbegin(), tour.PagesSeen().cend()).size(),
                 int(PAGE_COUNT));
        QVERIFY(controls > PAGE_COUNT * 3);
    }

    // The verdict and the score are what a screen reader reads first from the feedback and the
    // score page, and both are announced with an Alert where assistive technology listens
    // (QAccessible is inactive on the offscreen platform, so the events are checked only where
    // it is active).
    void verdictAndScoreReachTheScreenReader()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList silent;
        int results = 0;
        tour.Run([&](const QString& where, QWidget* shown) {
            const bool feedback = where.endsWith(QStringLiteral("feedback"));
            const bool score = where.contains(QStringLiteral(" score)"));
            if (!feedback && !score)
                return;
            ++results;
            auto* said = shown->findChild<QWidget*>(feedback ? QStringLiteral("feedbackMessage")
                                                             : QStringLiteral("scoreText"));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(said);
            const QString read = iface ? iface->text(QAccessible::Name) + QLatin1Char(' ') +
                                             iface->text(QAccessible::Description)
                                       : QString();
            auto* dialog = qobject_cast<CFeedbackBase*>(shown);
            const QString expected = dialog ? dialog->Message() : QStringLiteral("You answered");
            if (!said || !said->isVisible())
                silent.append(where + QStringLiteral(": nothing shows the result"));
            else if (read.trimmed().isEmpty() || !read.contains(expected.trimmed()))
                silent.append(where + QStringLiteral(": a screen reader reads \"%1\"").arg(read));
            else if (QAccessible::isActive() && !Announced(said))
                silent.append(where + QStringLiteral(": the result is not announced"));
            // It is also what a screen reader meets first: the feedback window is described by
            // its verdict, and the score page opens with the focus on the score.
            else if (dialog && QAccessible::queryAccessibleInterface(dialog)->text(
                                   QAccessible::Description) != expected)
                silent.append(where + QStringLiteral(": the window is not described by it"));
            else if (!dialog && said->window()->focusWidget() != said)
                silent.append(where + QStringLiteral(": the page does not open on the score"));
            g_events.clear();
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char('\n'))));
        QCOMPARE(results, 4 * 3); // two answers and a score for each kind
    }

    // Help texts are drawn, not held by labels: a screen reader reads each one in full, in
    // the order of its words.
    void everyDrawnTextIsRead()
    {
        CSheetHarness harness;
        CPageTour tour(harness);
        QStringList unread;
        QSet<int> pagesRead;
        tour.Run([&](const QString& where, QWidget* shown) {
            if (shown != harness.Sheet())
                return;
            const QList<int> texts = HelpTextsOf(harness.Index(), *harness.Doc());
            if (texts.isEmpty())
                return;
            QString read;
            CollectRead(QAccessible::queryAccessibleInterface(harness.PageWidget()), &read);
            for (int id : texts) {
                if (!Letters(read).contains(Letters(CStringTable::Get(id))))
                    unread.append(where + QStringLiteral(": text %1 is not read").arg(id));
            }
            pagesRead.insert(harness.Index());
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(unread.isEmpty(), qPrintable(unread.join(QLatin1Char('\n'))));
        // The welcome page, four editors, three introductions, the flash-card questions and
        // four advice pages.
        QCOMPARE(pagesRead.size(), 13);
    }

    // In a light and in a dark desktop colour scheme, texts stand out 4.5:1 from their
    // background, and ruled lines and cells 3:1, on every page and in the feedback.
    void textsAndLinesStandOut_data()
    {
        QTest::addColumn<QPalette>("scheme");
        QTest::addRow("light") << QApplication::style()->standardPalette();
        QTest::addRow("dark") << DarkScheme();
    }

    void textsAndLinesStandOut()
    {
        QFETCH(QPalette, scheme);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(scheme);
        QStringList faint;
        {
            CSheetHarness harness;
            CPageTour tour(harness);
            QSet<QString> seen;
            tour.Run([&](const QString& where, QWidget* shown) {
                for (const QString& problem : FaintThings(where, shown)) {
                    const QString what = problem.mid(problem.indexOf(QStringLiteral(": ")));
                    if (!seen.contains(what)) {
                        seen.insert(what);
                        faint.append(problem);
                    }
                }
            });
        }
        QApplication::setPalette(before);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
