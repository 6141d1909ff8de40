#include "CListImportDlg.h"
#include "CMakeSteps.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// Making a quiz from a list: the manager's "Add from a List..." dialog, pasted
// into or fed a file, driven on the real sheet; the quiz file is read back.
class TestListImport : public QObject
{
    Q_OBJECT

private:
    // Opens the dialog from the manager of a new quiz of this kind.
    static CListImportDlg* OpenDialog(CSheetHarness& harness, int kind)
    {
        CMakeSteps(harness).NewQuizOfKind(kind);
        harness.ClickPageButton(QStringLiteral("Add from a List..."));
        auto* dialog = harness.Sheet()->findChild<CListImportDlg*>();
        return dialog;
    }
    template <typename T> static T* Child(CListImportDlg* dialog, const char* name)
    {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    static void Paste(CListImportDlg* dialog, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        auto* list = Child<QPlainTextEdit>(dialog, "listEdit");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    }
    static QString Preview(CListImportDlg* dialog)
    {
        return Child<QPlainTextEdit>(dialog, "previewEdit")->toPlainText();
    }
    static void ClickAdd(CListImportDlg* dialog)
    {
        QTest::mouseClick(Child<QPushButton>(dialog, "addListButton"), Qt::LeftButton);
        CSheetHarness::Settle();
    }
    // The dialog after opening this file through its Open button.
    static CListImportDlg* OpenFile(CSheetHarness& harness, const QByteArray& bytes)
    {
        const QString path = harness.PathOf(QStringLiteral("list.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return nullptr;
        file.close();
        CListImportDlg* dialog = OpenDialog(harness, QUIZ_FLASH_CARD);
        harness.m_prompt.QueueFile(path);
        QTest::mouseClick(Child<QPushButton>(dialog, "openListButton"), Qt::LeftButton);
        return dialog;
    }

private slots:
    void addsWhatTheEditorWouldStore_data();
    void addsWhatTheEditorWouldStore();
    void lookingAddsNothing();
    void filesAreReadByTheirBytes_data();
    void filesAreReadByTheirBytes();
    void unusableFilesLoseNothing_data();
    void unusableFilesLoseNothing();
    void overlongLineIsCutAndSaidSo();
};

void TestListImport::addsWhatTheEditorWouldStore_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("refusedLines");

    QTest::newRow("true/false") << int(QUIZ_TRUE_FALSE)
                                << QStringLiteral("The sun is hot\tT\r\nIce is warm; false\n"
                                                  "Fish fly\tmaybe\nA; b; c;TRUE\n")
                                << QStringList{"The sun is hot|0", "Ice is warm|1", "A; b; c|0"}
                                << QStringList{"3"};
    QTest::newRow("flash cards")
        << int(QUIZ_FLASH_CARD)
        << QStringLiteral("cat\tgato\ndog;perro\n\"red, hot\",\"rojo \"\"y\"\" caliente\"\n"
                          "house = casa\nlonely\n\n a , b , c \n")
        << QStringList{"cat|gato", "dog|perro", "red, hot|rojo \"y\" caliente", "house|casa"}
        << QStringList{"5", "7"};
    QTest::newRow("spelling") << int(QUIZ_SPELLING) << QStringLiteral("Apple\n\n  BANANA  \nÄrger")
                              << QStringList{"apple|0", "banana|0", "ärger|0"} << QStringList{};
    QTest::newRow("math") << int(QUIZ_MATH)
                          << QStringLiteral("12 + 3\n5 / 0\n7*8\nabc\n123456789+1")
                          << QStringList{"12 + 3|0", "7*8|0"} << QStringList{"2", "4", "5"};
}

void TestListImport::addsWhatTheEditorWouldStore()
{
    QFETCH(int, kind);
    QFETCH(QString, list);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, refusedLines);

    CSheetHarness harness;
    CListImportDlg* dialog = OpenDialog(harness, kind);
    QVERIFY(dialog && dialog->isVisible());
    Paste(dialog, list);
    const QString preview = Preview(dialog);
    for (const QString& line : refusedLines)
        QVERIFY2(preview.contains(QStringLiteral("Line %1 cannot be added: ").arg(line)),
                 qPrintable(preview));
    QCOMPARE(preview.count(QStringLiteral("cannot be added")), refusedLines.size());
    QVERIFY(preview.startsWith(QStringLiteral("1. ")));

    ClickAdd(dialog);
    QVERIFY(!harness.Sheet()->findChild<CListImportDlg*>());
    CMakeSteps steps(harness);
    QCOMPARE(steps.FileQuestions(true), stored);
    QCOMPARE(steps.FileCount(), stored.size());
    QCOMPARE(steps.ListLines().size(), stored.size());
    QVERIFY(harness.IsShownEnabled(ID_SHEET_FINISH));
}

void TestListImport::lookingAddsNothing()
{
    CSheetHarness harness;
    CListImportDlg* dialog = OpenDialog(harness, QUIZ_SPELLING);
    auto* add = Child<QPushButton>(dialog, "addListButton");
    QVERIFY(!add->isEnabled()); // an empty list adds nothing
    QVERIFY(Child<QLabel>(dialog, "listSummary")->text().contains(QStringLiteral("empty")));
    Paste(dialog, QStringLiteral("one\ntwo"));
    QVERIFY(add->isEnabled());
    QTest::keyClick(Child<QPlainTextEdit>(dialog, "listEdit"), Qt::Key_Escape);
    CSheetHarness::Settle();
    QVERIFY(!harness.Sheet()->findChild<CListImportDlg*>());
    QCOMPARE(harness.Doc()->Questions().size(), size_t(0));
    QCOMPARE(CMakeSteps(harness).FileCount(), 0);
}

void TestListImport::filesAreReadByTheirBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");

    QTest::newRow("UTF-8") << QByteArray("coffee\tcaf\xC3\xA9\n") << QStringLiteral("café");
    QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBF"
                                                     "coffee;caf\xC3\xA9")
                                       << QStringLiteral("café");
    QTest::newRow("Windows-1252") << QByteArray("coffee\tcaf\xE9 \x80 5\r\n")
                                  << QStringLiteral("café € 5");
}

void TestListImport::filesAreReadByTheirBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);

    CSheetHarness harness;
    CListImportDlg* dialog = OpenFile(harness, bytes);
    QVERIFY(dialog);
    QVERIFY(harness.m_prompt.m_messages.isEmpty());
    ClickAdd(dialog);
    QCOMPARE(CMakeSteps(harness).FileQuestions(true),
             QStringList{QStringLiteral("coffee|") + back});
}

void TestListImport::unusableFilesLoseNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size"); // made sparse when larger than the bytes
    QTest::addColumn<QString>("message");

    QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x14\0", 8) << qint64(0)
                            << QStringLiteral("not a text file");
    QTest::newRow("100 MB") << QByteArray("a;b\n") << qint64(100'000'000)
                            << QStringLiteral("100.0 MB");
}

void TestListImport::unusableFilesLoseNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, message);

    CSheetHarness harness;
    const QString path = harness.PathOf(QStringLiteral("bad.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    if (size > 0)
        QVERIFY(file.resize(size));
    file.close();

    CListImportDlg* dialog = OpenDialog(harness, QUIZ_FLASH_CARD);
    Paste(dialog, QStringLiteral("kept\tbehalten"));
    harness.m_prompt.QueueFile(path);
    QTest::mouseClick(Child<QPushButton>(dialog, "openListButton"), Qt::LeftButton);
    QCOMPARE(harness.m_prompt.m_messages.size(), 1);
    QVERIFY2(harness.m_prompt.m_messages[0].contains(message),
             qPrintable(harness.m_prompt.m_messages[0]));
    QCOMPARE(Child<QPlainTextEdit>(dialog, "listEdit")->toPlainText(),
             QStringLiteral("kept\tbehalten"));
}

void TestListImport::overlongLineIsCutAndSaidSo()
{
    CSheetHarness harness;
    CListImportDlg* dialog = OpenDialog(harness, QUIZ_SPELLING);
    Paste(dialog, QStringLiteral("short\n") + QString(40'000, u'W'));
    QVERIFY(Preview(dialog).contains(QStringLiteral("Line 2 was cut to 32767 characters")));
    ClickAdd(dialog);
    const QStringList words = CMakeSteps(harness).FileQuestions();
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[1], QString(CListImport::MAX_TEXT_CHARS, u'w'));
}

QTEST_MAIN(TestListImport)
#include "tst_listimport.moc"
