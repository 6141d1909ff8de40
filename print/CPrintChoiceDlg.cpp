#include "CPrintChoiceDlg.h"

#include "CAdviceView.h"
#include "CJobPrinters.h"
#include "CJobPrompt.h"
#include "CPrompt.h"
#include "CQuizPrinter.h"
#include "CTU_QuizDoc.h"
#include "PrintLayout.h"
#include "QuizType.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kPartIndent = 24; // the radio buttons sit under "Quiz"
constexpr int kMargin = 18;
constexpr int kSpacing = 8;
} // namespace

CPrintChoiceDlg::CPrintChoiceDlg(CTU_QuizDoc* doc, const QString& adviceDir, CPaletteState* palette,
                                 QWidget* parent)
    : QDialog(parent), m_pDoc(doc), m_strAdviceDir(adviceDir), m_pPalette(palette)
{
    setObjectName(QStringLiteral("printChoiceDialog"));
    setWindowTitle(tr("Tutorama Print Dialog"));
    setModal(true);
    BuildControls();
    ApplyOpeningRules();
}

CPrintChoiceDlg::~CPrintChoiceDlg() = default;

CPrintChoiceDlg* CPrintChoiceDlg::Open(CTU_QuizDoc* doc, const QString& adviceDir,
                                       CPaletteState* palette, QWidget* parent)
{
    auto* dialog = new CPrintChoiceDlg(doc, adviceDir, palette, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void CPrintChoiceDlg::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    layout->addWidget(new QLabel(tr("What do you want to print?"), this));

    m_pQuiz = new QCheckBox(tr("Quiz"), this);
    m_pQuiz->setObjectName(QStringLiteral("printQuiz"));
    layout->addWidget(m_pQuiz);

    m_pPart = new QButtonGroup(this);
    const QString parts[] = {tr("Questions and Answers"),
                             tr("Questions only (Fronts of Flash cards)"),
                             tr("Answers only (Backs of Flash Cards)")};
    auto* partLayout = new QVBoxLayout;
    partLayout->setContentsMargins(kPartIndent, 0, 0, 0);
    partLayout->setSpacing(kSpacing / 2);
    for (int id = PrintLayout::PRINT_QUESTIONS_AND_ANSWERS; id <= PrintLayout::PRINT_ANSWERS_ONLY;
         ++id) {
        auto* radio = new QRadioButton(parts[id], this);
        radio->setObjectName(QStringLiteral("printPart%1").arg(id));
        m_pPart->addButton(radio, id);
        partLayout->addWidget(radio);
    }
    layout->addLayout(partLayout);

    m_pQuestion = new QCheckBox(tr("Just This Question and Answer"), this);
    m_pQuestion->setObjectName(QStringLiteral("printQuestion"));
    layout->addWidget(m_pQuestion);
    m_pAdvice = new QCheckBox(tr("Advice"), this);
    m_pAdvice->setObjectName(QStringLiteral("printAdvice"));
    layout->addWidget(m_pAdvice);
    m_pScore = new QCheckBox(tr("Quiz Score"), this);
    m_pScore->setObjectName(QStringLiteral("printScore"));
    layout->addWidget(m_pScore);

    m_pPrint = new QPushButton(tr("Print"), this);
    m_pPrint->setObjectName(QStringLiteral("printButton"));
    m_pPrint->setDefault(true);
    m_pCancel = new QPushButton(tr("Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pPrint);
    buttons->addWidget(m_pCancel);
    layout->addSpacing(kSpacing);
    layout->addLayout(buttons);

    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The parts follow the Quiz box however it was ticked (mouse, keys, a screen reader).
    connect(m_pQuiz, &QCheckBox::toggled, this, &CPrintChoiceDlg::UpdatePartChoice);
    connect(m_pPrint, &QPushButton::clicked, this, &CPrintChoiceDlg::OnPrint);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CPrintChoiceDlg::ApplyOpeningRules()
{
    m_nPrintWhat = PrintLayout::PRINT_QUESTIONS_AND_ANSWERS;
    m_pPart->button(m_nPrintWhat)->setChecked(true);
    // A score exists once every question of a (non-empty) run is dealt with.
    m_pScore->setEnabled(m_pDoc->m_nQuestionCount > 0 &&
                         m_pDoc->m_nAnswered == m_pDoc->m_nQuestionCount);
    // Only while taking a quiz is there a question being asked.
    m_pQuestion->setEnabled(m_pDoc->m_bTakeMode && m_pDoc->m_nAnswered >= 0 &&
                            m_pDoc->CurrentQuestion() != nullptr);
    UpdatePartChoice();
}

void CPrintChoiceDlg::UpdatePartChoice()
{
    for (QAbstractButton* radio : m_pPart->buttons())
        radio->setEnabled(m_pQuiz->isChecked());
}

QString CPrintChoiceDlg::AdviceFileOf(int quizType)
{
    switch (quizType) {
    case QUIZ_TRUE_FALSE:
        return QStringLiteral("tfq.rtf");
    case QUIZ_FLASH_CARD:
        return QStringLiteral("fcq.rtf");
    case QUIZ_SPELLING:
        return QStringLiteral("sq.rtf");
    case QUIZ_MATH:
        return QStringLiteral("mq.rtf");
    default:
        return QString();
    }
}

int CPrintChoiceDlg::AdviceKind() const
{
    // A new quiz whose kind is not chosen yet: the kind last looked at on the format page.
    return m_pDoc->m_nQuizType == QUIZ_NEW ? m_pDoc->m_nAdviceType : m_pDoc->m_nQuizType;
}

void CPrintChoiceDlg::ReportUnprintable()
{
    if (m_pDoc->Prompt())
        m_pDoc->Prompt()->ShowMessage(
            tr("Unable to print. Please check the printer and try again."));
}

bool CPrintChoiceDlg::PrintQuiz(bool ask)
{
    const auto printer = m_pPrinters->ForJob(ask);
    if (!printer) {
        m_bPrinterCancelled = true;
        return false;
    }
    if (!CQuizPrinter(printer.get(), m_pPalette).PrintQuiz(*m_pDoc, m_nPrintWhat)) {
        ReportUnprintable();
        return false;
    }
    return true;
}

bool CPrintChoiceDlg::PrintQuestion(bool ask)
{
    const auto printer = m_pPrinters->ForJob(ask);
    if (!printer) {
        m_bPrinterCancelled = true;
        return false;
    }
    if (!CQuizPrinter(printer.get(), m_pPalette).PrintQuestion(*m_pDoc)) {
        ReportUnprintable();
        return false;
    }
    return true;
}

bool CPrintChoiceDlg::PrintScore(bool ask)
{
    const auto printer = m_pPrinters->ForJob(ask);
    if (!printer) {
        m_bPrinterCancelled = true;
        return false;
    }
    if (!CQuizPrinter(printer.get(), m_pPalette).PrintScore(*m_pDoc)) {
        ReportUnprintable();
        return false;
    }
    return true;
}

bool CPrintChoiceDlg::PrintAdvice(const QString& fileName, bool ask)
{
    // The advice view asks for the printer itself, once it knows the file has text.
    CJobPrompt prompt(m_pDoc->Prompt(), m_pPrinters.get());
    std::unique_ptr<QPrinter> printer =
        ask ? std::make_unique<QPrinter>(QPrinter::HighResolution) : m_pPrinters->ForJob(false);
    if (!printer) {
        m_bPrinterCancelled = true;
        return false;
    }
    const bool printed =
        CAdviceView::PrintAdvice(prompt, printer.get(), m_strAdviceDir, fileName, ask, this);
    if (prompt.PrinterCancelled())
        m_bPrinterCancelled = true;
    return printed;
}

void CPrintChoiceDlg::OnPrint()
{
    m_nPrintWhat = m_pPart->checkedId();
    m_pPrinters = std::make_unique<CJobPrinters>(m_pDoc->Prompt());
    m_bPrinterCancelled = false;
    // Only the first job that gets as far as choosing a printer asks for it.
    const auto ask = [this] { return !m_pPrinters->HasChosen(); };

    if (m_pQuiz->isChecked() && !PrintQuiz(ask()))
        return;
    if (m_pQuestion->isChecked() && m_pQuestion->isEnabled() && !PrintQuestion(ask()))
        return;
    if (m_pAdvice->isChecked()) {
        const QString file = AdviceFileOf(AdviceKind());
        // A missing advice file is reported and the other items still print.
        if (!file.isEmpty())
            PrintAdvice(file, ask());
        if (m_bPrinterCancelled)
            return;
    }
    if (m_pScore->isChecked() && m_pScore->isEnabled() && !PrintScore(ask()))
        return;
    accept();
}
