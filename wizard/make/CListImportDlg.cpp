#include "CListImportDlg.h"

#include "CPrompt.h"
#include "CQuestionListModel.h"
#include "CTU_QuizDoc.h"
#include "QuizType.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// How each kind writes one question a line, by kind - 1.
constexpr std::array<const char*, 4> kHowToWrite{{
    QT_TRANSLATE_NOOP("CListImportDlg",
                      "One statement a line, then a tab or \";\" and True or False."),
    QT_TRANSLATE_NOOP("CListImportDlg", "One card a line: the front, then a tab, \";\", \",\" or "
                                        "\" = \", then the back."),
    QT_TRANSLATE_NOOP("CListImportDlg", "One word a line."),
    QT_TRANSLATE_NOOP("CListImportDlg", "One problem a line, such as 12 + 3."),
}};
} // namespace

CListImportDlg::CListImportDlg(CTU_QuizDoc& doc, const QString& folder, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_strFolder(folder), m_pList(new QPlainTextEdit(this)),
      m_pOpen(new QPushButton(tr("&Open a Text File..."), this)),
      m_pPreview(new QPlainTextEdit(this)), m_pSummary(new QLabel(this)),
      m_pAdd(new QPushButton(tr("&Add"), this))
{
    setObjectName(QStringLiteral("listImportDialog"));
    setWindowTitle(tr("Add from a List"));
    const int kind = doc.m_nQuizType;
    auto* howTo = new QLabel(
        tr("Paste your list below, or open a text file.") + QLatin1Char(' ') +
            (IsQuizKind(kind) ? tr(kHowToWrite[static_cast<size_t>(kind - 1)]) : QString()),
        this);
    howTo->setWordWrap(true);
    m_pList->setObjectName(QStringLiteral("listEdit"));
    m_pList->setAccessibleName(tr("List of questions"));
    m_pList->setAccessibleDescription(howTo->text());
    m_pList->setTabChangesFocus(true);
    m_pList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pOpen->setObjectName(QStringLiteral("openListButton"));
    m_pOpen->setToolTip(tr("Opens a text file of questions, one a line (Alt+O)"));
    auto* previewLabel = new QLabel(tr("What will be added:"), this);
    m_pPreview->setObjectName(QStringLiteral("previewEdit"));
    m_pPreview->setReadOnly(true);
    m_pPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pPreview->setTabChangesFocus(true);
    m_pPreview->setAccessibleName(tr("What will be added"));
    previewLabel->setBuddy(m_pPreview);
    m_pSummary->setObjectName(QStringLiteral("listSummary"));
    m_pSummary->setWordWrap(true);
    m_pAdd->setObjectName(QStringLiteral("addListButton"));
    m_pAdd->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_pAdd, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelListButton"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_pOpen);
    fileRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(howTo);
    layout->addWidget(m_pList, 3);
    layout->addLayout(fileRow);
    layout->addWidget(previewLabel);
    layout->addWidget(m_pPreview, 2);
    layout->addWidget(m_pSummary);
    layout->addWidget(buttons);
    resize(560, 520);

    connect(m_pList, &QPlainTextEdit::textChanged, this, &CListImportDlg::UpdatePreview);
    connect(m_pOpen, &QPushButton::clicked, this, &CListImportDlg::OpenFile);
    connect(m_pAdd, &QPushButton::clicked, this, &CListImportDlg::AddQuestions);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdatePreview();
    m_pList->setFocus();
}

CListImportDlg* CListImportDlg::Open(CTU_QuizDoc& doc, const QString& folder, QWidget* parent)
{
    auto* dialog = new CListImportDlg(doc, folder, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void CListImportDlg::OpenFile()
{
    CPrompt* prompt = m_doc.Prompt();
    if (!prompt)
        return;
    const QString path =
        prompt->GetOpenFileName(m_strFolder, tr("Text Files (*.txt *.csv *.tsv);;All Files (*)"));
    if (path.isEmpty())
        return;
    QString text;
    QString error;
    // A file that cannot be used leaves the list as it was.
    if (!CListImport::ReadFile(path, &text, &error)) {
        prompt->ShowMessage(error);
        return;
    }
    m_pList->setPlainText(text);
}

void CListImportDlg::UpdatePreview()
{
    m_result = CListImport::Parse(m_doc.m_nQuizType, m_pList->toPlainText());
    m_pPreview->setPlainText(PreviewText());
    const bool empty = m_result.m_questions.isEmpty() && m_result.m_refused.isEmpty();
    if (empty)
        m_pSummary->setText(tr("The list is empty: paste a list or open a text file."));
    else
        m_pSummary->setText(tr("Questions to add: %1. Lines that cannot be added: %2.")
                                .arg(m_result.m_questions.size())
                                .arg(m_result.m_refused.size()));
    m_pAdd->setEnabled(!m_result.m_questions.isEmpty());
    m_pPreview->setAccessibleDescription(m_pSummary->text());
}

QString CListImportDlg::PreviewText() const
{
    QStringList lines;
    lines.reserve(m_result.m_questions.size() + m_result.m_refused.size() + m_result.m_cut.size());
    const int first = static_cast<int>(m_doc.Questions().size()) + 1;
    for (qsizetype i = 0; i < m_result.m_questions.size(); ++i)
        lines.append(CQuestionListModel::LineOf(m_doc.m_nQuizType, first + static_cast<int>(i),
                                                m_result.m_questions[i]));
    for (const CListImport::Note& note : m_result.m_cut)
        lines.append(tr("Line %1 was %2.").arg(note.m_nLine).arg(note.m_strText));
    for (const CListImport::Note& note : m_result.m_refused)
        lines.append(tr("Line %1 cannot be added: %2").arg(note.m_nLine).arg(note.m_strText));
    return lines.join(QLatin1Char('\n'));
}

void CListImportDlg::AddQuestions()
{
    if (m_result.m_questions.isEmpty())
        return;
    for (const CQuestion& question : m_result.m_questions)
        *m_doc.AddQuestion() = question;
    m_doc.m_nQuestionCount = static_cast<int>(m_doc.Questions().size());
    m_doc.OnSaveDocument(m_doc.m_strQuizPath);
    accept();
}
