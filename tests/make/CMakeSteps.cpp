#include "CMakeSteps.h"

#include "CQuizFile.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

void CMakeSteps::NewQuizOfKind(int kind)
{
    m_h.StartNewQuiz(m_strFile);
    QCOMPARE(m_h.Index(), int(PAGE_QUIZ_FORMAT));
    PickKind(kind);
    m_h.Click(ID_WIZNEXT);
    QCOMPARE(m_h.Index(), int(PAGE_QUESTION_MANAGER));
}

void CMakeSteps::NewQuizAtEditor(int kind)
{
    m_h.Context().m_bSpeechAvailable = true;
    NewQuizOfKind(kind);
    auto* add = m_h.Find<QPushButton>(QStringLiteral("addButton"));
    QVERIFY(add);
    add->click();
    CSheetHarness::Settle();
}

void CMakeSteps::PickKind(int kind)
{
    auto* radio = m_h.Find<QRadioButton>(QStringLiteral("formatRadio%1").arg(kind));
    QVERIFY(radio);
    QVERIFY(radio->isVisible() && radio->isEnabled());
    QTest::mouseClick(radio, Qt::LeftButton);
    CSheetHarness::Settle();
}

void CMakeSteps::Type(const QString& editName, const QString& text)
{
    QWidget* edit = m_h.Find<QWidget>(editName);
    QVERIFY2(edit, qPrintable(editName));
    edit->setFocus();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(edit))
        plain->moveCursor(QTextCursor::End);
    else if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->end(false);
    QTest::keyClicks(edit, text);
    CSheetHarness::Settle();
}

void CMakeSteps::Retype(const QString& editName, const QString& text)
{
    QWidget* edit = m_h.Find<QWidget>(editName);
    QVERIFY2(edit, qPrintable(editName));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    CSheetHarness::Settle();
    if (!text.isEmpty())
        Type(editName, text);
}

QString CMakeSteps::TextOf(const QString& editName) const
{
    QWidget* edit = m_h.Find<QWidget>(editName);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(edit))
        return plain->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->text();
    return QStringLiteral("<no edit %1>").arg(editName);
}

void CMakeSteps::WriteStatement(const QString& text, bool isTrue)
{
    Type(QStringLiteral("statementEdit"), text);
    m_h.ClickPageButton(isTrue ? QStringLiteral("True") : QStringLiteral("False"));
}

void CMakeSteps::WriteCard(const QString& front, const QString& back)
{
    Type(QStringLiteral("cardEdit"), front);
    m_h.ClickPageButton(QStringLiteral("Flip Card"));
    Type(QStringLiteral("cardEdit"), back);
}

void CMakeSteps::WriteProblemOnKeys(const QString& keys)
{
    for (const QChar key : keys) {
        auto* button = m_h.Find<QPushButton>(QStringLiteral("key%1").arg(key));
        QVERIFY2(button, qPrintable(QStringLiteral("no key %1").arg(key)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    CSheetHarness::Settle();
}

void CMakeSteps::WriteWord(const QString& word)
{
    Type(QStringLiteral("wordEdit"), word);
}

QStringList CMakeSteps::ListLines() const
{
    QStringList lines;
    auto* list = m_h.Find<QListView>(QStringLiteral("questionList"));
    if (!list || !list->isVisible())
        return lines;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

void CMakeSteps::SelectLine(int row)
{
    auto* list = m_h.Find<QListView>(QStringLiteral("questionList"));
    QVERIFY(list);
    const QModelIndex line = list->model()->index(row, 0);
    QVERIFY(line.isValid());
    list->scrollTo(line);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(line).center());
    CSheetHarness::Settle();
}

namespace {
CQuizFile::Contents ReadFile(const QString& path)
{
    CQuizFile::Contents contents;
    QString reason;
    CQuizFile::Load(path, &contents, &reason);
    return contents;
}
} // namespace

QStringList CMakeSteps::FileQuestions(bool withAnswers) const
{
    const CQuizFile::Contents contents = ReadFile(m_h.PathOf(m_strFile));
    QStringList texts;
    for (const auto& question : contents.questions) {
        QString text = question->m_strQuestion;
        if (withAnswers)
            text += u'|' + (contents.nQuizType == QUIZ_FLASH_CARD
                                ? question->m_strAnswer
                                : QString::number(question->m_nAnswer));
        texts << text;
    }
    return texts;
}

int CMakeSteps::FileKind() const
{
    return ReadFile(m_h.PathOf(m_strFile)).nQuizType;
}

int CMakeSteps::FileCount() const
{
    return ReadFile(m_h.PathOf(m_strFile)).nStoredQuestionCount;
}
