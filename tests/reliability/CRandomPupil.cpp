#include "CRandomPupil.h"

#include "CPictureButton.h"
#include "CQuizSheet.h"
#include "CSheetHarness.h"
#include "QuizType.h"
#include "SheetMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QThread>

#include <array>

namespace {

constexpr int DIALOG_POLL_MS = 2;
// A real dialog still open after this many random actions is closed.
constexpr int MAX_ACTIONS_PER_DIALOG = 12;
constexpr int MAX_TEXT_LENGTH = 14;
// Chances out of 100.
constexpr int CHANCE_PRINT_TO_PDF = 3;
constexpr int CHANCE_YES = 35;
constexpr int CHANCE_CANCEL_FILE = 25;
constexpr int CHANCE_KEEP_CLOSE = 15;
constexpr int CHANCE_ANSWER_QUESTION = 50;

// What a pupil types: letters, digits, the keypad's operators, blanks,
// accents and characters the quiz file must keep in its wide form.
const QString TYPED_CHARACTERS =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789012345+-*/..  ,'?!\u00e9\u00fc"
                   "\u20ac\u03b1\u4e2d");

constexpr std::array KEYS = {Qt::Key_Return,  Qt::Key_Enter,     Qt::Key_Escape, Qt::Key_Tab,
                             Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                             Qt::Key_Right,   Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
                             Qt::Key_End,     Qt::Key_Space,     Qt::Key_A,      Qt::Key_1};

bool IsUsable(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled();
}

template <typename T> QList<T*> Usable(QWidget* parent)
{
    QList<T*> usable;
    for (T* widget : parent->findChildren<T*>()) {
        if (IsUsable(widget))
            usable.append(widget);
    }
    return usable;
}

} // namespace

CRandomPupil::CRandomPupil(quint32 seed, QStringList openFiles, QStringList saveFiles,
                           QString printerFile)
    : m_random(seed), m_dialogRandom(seed ^ 0x9e3779b9u), m_openFiles(std::move(openFiles)),
      m_saveFiles(std::move(saveFiles)), m_strPrinterFile(std::move(printerFile))
{
    m_dialogTimer.setInterval(DIALOG_POLL_MS);
    QObject::connect(&m_dialogTimer, &QTimer::timeout, [this] { AnswerOpenDialog(); });
}

CRandomPupil::~CRandomPupil() = default;

void CRandomPupil::Attach(CSheetHarness* harness)
{
    m_pHarness = harness;
    m_dialogTimer.start();
}

void CRandomPupil::Detach()
{
    m_dialogTimer.stop();
    m_pHarness = nullptr;
}

QWidget* CRandomPupil::Target() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : m_pHarness->Sheet();
}

void CRandomPupil::QueueScriptedAnswers()
{
    CScriptedPrompt& prompt = m_pHarness->m_prompt;
    prompt.Clear();
    constexpr int ANSWERS_EACH = 3;
    for (int i = 0; i < ANSWERS_EACH; ++i) {
        prompt.QueueYesNo(Below(100) < CHANCE_YES);
        const QStringList& files = Below(2) == 0 ? m_openFiles : m_saveFiles;
        prompt.QueueFile(Below(100) < CHANCE_CANCEL_FILE ? QString()
                                                         : files.at(Below(int(files.size()))));
    }
    prompt.QueuePrinter(Below(100) < CHANCE_PRINT_TO_PDF ? m_strPrinterFile : QString());
}

QWidget* CRandomPupil::OpenDialog() const
{
    QWidget* dialog = QApplication::activeModalWidget();
    return dialog && m_pHarness && dialog != m_pHarness->Sheet() ? dialog : nullptr;
}

QString CRandomPupil::Step()
{
    QueueScriptedAnswers();
    // A dialog that waits without a loop of its own (the print choice) is answered
    // as a step, like a page: were the clock's timer to answer it, the session would
    // depend on how fast the machine runs.
    if (QWidget* dialog = OpenDialog()) {
        const QString what = QStringLiteral("act on dialog %1").arg(dialog->objectName());
        ActOnDialog(dialog);
        CSheetHarness::Settle();
        return what;
    }
    const int roll = Below(100);
    QString done;
    const int page = m_pHarness->Index();
    if (page >= QuestionPage(QUIZ_TRUE_FALSE) && page <= QuestionPage(QUIZ_MATH) &&
        Below(100) < CHANCE_ANSWER_QUESTION)
        done = AnswerAndMoveOn();
    else if (roll < 30)
        done = ClickSomething(false);
    else if (roll < 45)
        done = ClickSomething(true);
    else if (roll < 65)
        done = TypeSomething();
    else if (roll < 85)
        done = PressKey(Target());
    else
        done = PickListLine();
    m_nScriptedAnswers +=
        int(m_pHarness->m_prompt.m_questions.size() + m_pHarness->m_prompt.m_dialogs.size());
    return done;
}

QString CRandomPupil::ClickSomething(bool preferSheetRow)
{
    QList<QAbstractButton*> buttons;
    if (preferSheetRow) {
        for (const int id : {ID_WIZNEXT, ID_WIZBACK, ID_WIZFINISH, ID_SHEET_FINISH, ID_SHEET_ADVICE,
                             ID_SHEET_PRINT, IDCANCEL}) {
            QAbstractButton* button = m_pHarness->Button(id);
            if (button && IsUsable(button))
                buttons.append(button);
        }
    } else {
        buttons = Usable<QAbstractButton>(m_pHarness->Sheet());
    }
    if (buttons.isEmpty())
        return QStringLiteral("no button to click");
    QAbstractButton* button = buttons.at(Below(int(buttons.size())));
    // Close ends the program without a question on the first pages; a pupil
    // who pressed it every few clicks would never get anywhere.
    if (button == m_pHarness->Button(IDCANCEL) && Below(100) >= CHANCE_KEEP_CLOSE)
        button = buttons.at(Below(int(buttons.size())));
    const QString what =
        QStringLiteral("click \"%1\" (%2)").arg(button->text(), button->objectName());
    ++m_nClicks;
    QTest::mouseClick(button, Qt::LeftButton);
    CSheetHarness::Settle();
    return what;
}

QString CRandomPupil::AnswerAndMoveOn()
{
    // Like a pupil taking the quiz: an answer (a picture button or typed
    // text, often a number), then Next, which opens the feedback dialog.
    QString done;
    QList<QAbstractButton*> pictures;
    for (QAbstractButton* button : Usable<QAbstractButton>(m_pHarness->PageWidget())) {
        if (qobject_cast<CPictureButton*>(button))
            pictures.append(button);
    }
    if (!pictures.isEmpty()) {
        QAbstractButton* picture = pictures.at(Below(int(pictures.size())));
        QTest::mousePress(picture, Qt::LeftButton);
        QTest::mouseRelease(picture, Qt::LeftButton);
        CSheetHarness::Settle();
        done = QStringLiteral("answer with %1").arg(picture->objectName());
    } else {
        done = TypeSomething();
    }
    QPushButton* next = m_pHarness->Button(ID_WIZNEXT);
    if (next && IsUsable(next)) {
        ++m_nClicks;
        QTest::mouseClick(next, Qt::LeftButton);
        CSheetHarness::Settle();
        done += QStringLiteral(", then Next");
    }
    return done;
}

QString CRandomPupil::RandomText()
{
    QString text;
    const int length = 1 + Below(MAX_TEXT_LENGTH);
    for (int i = 0; i < length; ++i)
        text += TYPED_CHARACTERS.at(Below(int(TYPED_CHARACTERS.size())));
    return text;
}

QString CRandomPupil::TypeSomething()
{
    QList<QWidget*> boxes;
    for (QWidget* widget : Usable<QWidget>(m_pHarness->Sheet())) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
            qobject_cast<QTextEdit*>(widget))
            boxes.append(widget);
    }
    if (boxes.isEmpty())
        return PressKey(Target());
    QPointer<QWidget> box = boxes.at(Below(int(boxes.size())));
    const QString text = RandomText();
    const QString what = QStringLiteral("type \"%1\" into %2").arg(text, box->objectName());
    ++m_nTexts;
    QTest::mouseClick(box, Qt::LeftButton);
    for (const QChar c : text) {
        // A typed key may take the box away (Enter on a page that moves on).
        if (!box)
            break;
        // keyClicks takes Latin-1 only; other characters come as text of an unknown key.
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    CSheetHarness::Settle();
    return what;
}

QString CRandomPupil::PressKey(QWidget* target)
{
    const Qt::Key key = KEYS.at(size_t(Below(int(KEYS.size()))));
    // The key may close the window the widget is in.
    const QString what =
        QStringLiteral("key %1 on %2").arg(int(key), 0, 16).arg(target->objectName());
    ++m_nKeys;
    QTest::keyClick(target, key);
    CSheetHarness::Settle();
    return what;
}

QString CRandomPupil::PickListLine()
{
    const QList<QListView*> lists = Usable<QListView>(m_pHarness->Sheet());
    if (lists.isEmpty() || !lists.first()->model() || lists.first()->model()->rowCount() == 0)
        return ClickSomething(false);
    QListView* list = lists.first();
    const QModelIndex line = list->model()->index(Below(list->model()->rowCount()), 0);
    const int row = line.row();
    list->scrollTo(line);
    const QRect where = list->visualRect(line);
    ++m_nListPicks;
    const bool twice = Below(4) == 0;
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where.center());
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where.center());
    CSheetHarness::Settle();
    return QStringLiteral("%1 list line %2").arg(twice ? "double-click" : "click").arg(row);
}

void CRandomPupil::AnswerOpenDialog()
{
    // Only a dialog running its own loop (exec) blocks the step that opened it.
    QWidget* dialog = OpenDialog();
    if (!dialog || QThread::currentThread()->loopLevel() == 0)
        return;
    if (dialog != m_pLastDialog) {
        m_pLastDialog = dialog;
        m_nActionsOnDialog = 0;
    }
    // Acting later, from the event loop, so that a dialog this one opens
    // runs its own loop while the timer keeps answering.
    QPointer<QWidget> target(dialog);
    QMetaObject::invokeMethod(
        dialog,
        [this, target] {
            if (target && target == QApplication::activeModalWidget())
                ActOnDialog(target);
        },
        Qt::QueuedConnection);
}

void CRandomPupil::ActOnDialog(QWidget* dialog)
{
    ++m_nDialogActions;
    if (++m_nActionsOnDialog > MAX_ACTIONS_PER_DIALOG) {
        if (auto* box = qobject_cast<QDialog*>(dialog))
            box->reject();
        return;
    }
    const int roll = m_dialogRandom.bounded(10);
    if (roll < 2) {
        QTest::keyClick(dialog, roll == 0 ? Qt::Key_Return : Qt::Key_Escape);
        return;
    }
    const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(dialog);
    if (buttons.isEmpty()) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
    }
    QAbstractButton* button = buttons.at(int(m_dialogRandom.bounded(quint32(buttons.size()))));
    QTest::mouseClick(button, Qt::LeftButton);
}
