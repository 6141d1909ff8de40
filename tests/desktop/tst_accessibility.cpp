#include "CFeedbackBase.h"
#include "CPageTour.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "QuizType.h"

#include <QAccessible>
#include <QSet>
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

    // The verdict and the score are what a screen reader reads from the message box and the
    // score line, and both are announced with an Alert where assistive technology listens
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
            g_events.clear();
        });
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char('\n'))));
        QCOMPARE(results, 4 * 3); // two answers and a score for each kind
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
