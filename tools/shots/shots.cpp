// Saves pictures of pages as the pupil sees them, for looking at the pages
// during development: shots <folder>. Runs offscreen unless QT_QPA_PLATFORM
// names a platform (xcb under Xvfb, say); with --stay the last page stays
// open for a screenshot of the real window.
#include "CQuestion.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDir>
#include <QListView>

namespace {

// A flash-card quiz of forty cards, one of them long, listed by the question
// manager with its third line selected.
void ShowFullManager(CSheetHarness& harness)
{
    harness.StartNewQuiz(QStringLiteral("capitals.qiz"));
    CTU_QuizDoc& doc = *harness.Doc();
    doc.SetQuizType(QUIZ_FLASH_CARD);
    for (int i = 1; i <= 40; ++i) {
        CQuestion* card = doc.AddQuestion();
        card->m_strQuestion = QStringLiteral("What is the capital of country %1?").arg(i);
        card->m_strAnswer = QStringLiteral("Capital city %1").arg(i);
    }
    doc.Questions()[4]->m_strAnswer =
        QStringLiteral("A very long answer that goes on and on, so that the list scrolls sideways");
    doc.m_nQuestionCount = 40;
    harness.Sheet()->GoToPage(PAGE_QUESTION_MANAGER);
    CSheetHarness::Settle();
    auto* list = harness.Find<QListView>(QStringLiteral("questionList"));
    list->setFocus();
    list->setCurrentIndex(list->model()->index(2, 0));
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QDir::currentPath();
    CSheetHarness harness;
    auto save = [&](const QString& name) {
        CSheetHarness::Settle();
        harness.Sheet()->grab().save(folder + u'/' + name + QStringLiteral(".png"));
    };
    save(QStringLiteral("page00-welcome"));
    harness.PressPicture(IDB_MAKE_QUIZ_BUTTON);
    save(QStringLiteral("page01-start"));
    harness.PressPicture(IDB_NEW_QUIZ_BUTTON);
    save(QStringLiteral("page02-name"));
    ShowFullManager(harness);
    save(QStringLiteral("page04-manager-selected"));
    return args.contains(QStringLiteral("--stay")) ? app.exec() : 0;
}
