#include "CNameQuizPage.h"

#include "CDib.h"
#include "CPictureButton.h"
#include "CPrompt.h"
#include "CQuizSheet.h"
#include "CTU_QuizDoc.h"
#include "ResourceIds.h"

#include <QFileInfo>
#include <QPainter>

namespace {
const QPoint kHeaderAt(0, 0);
const QRect kIntroRect(24, 96, 672, 64);
const QRect kClickRect(24, 168, 672, 24);
const QRect kDiskButtonRect(294, 204, 132, 132);
const QRect kExampleRect(24, 352, 672, 80);
} // namespace

CNameQuizPage::CNameQuizPage(CWizardContext& context, QWidget* parent)
    : CPictureChoicePage(context, parent)
{
    setObjectName(QStringLiteral("nameQuizPage"));
    AddLabel(tr("Before you start to make your quiz, you need to name it. This will allow the "
                "Tutorama to automatically save your quiz as you make it. This will  make sure "
                "that you do not lose any of your work. "),
             kIntroRect, false);
    AddLabel(tr("Click on the picture of the disk below to name your quiz."), kClickRect, false);
    m_pDiskButton = AddPictureButton(IDB_DISK_BUTTON, tr("&Save Quiz As"),
                                     tr("A disk: choose where to save your quiz and its name."),
                                     kDiskButtonRect);
    AddLabel(tr("Use a name that will help you remember what the quiz is about. For example, if "
                "you create a mathematics quiz based on your mathematics problems for the week "
                "of March 24 you could name the file \"Mathematics March 24.\""),
             kExampleRect, false);
}

CNameQuizPage::~CNameQuizPage() = default;

QString CNameQuizPage::QuizNameOf(const QString& path)
{
    // Only "/" separates folders here: ":" and "\\" are letters of a file name.
    return path.mid(path.lastIndexOf(u'/') + 1);
}

void CNameQuizPage::OnSetActive()
{
    PostEnableButton(ID_WIZNEXT, true);
    ApplyFonts();
    LoadPicture(m_pHeader, IDB_NAME_QUIZ_BANNER);
    if (!m_pDiskFace)
        m_pDiskFace = std::make_unique<CDib>(IDB_DISK_BUTTON);
    m_pDiskButton->AttachPicture(m_pDiskFace.get());
    ResetPictureButtons();
    Arm();
}

QPushButton* CNameQuizPage::DefaultButton() const
{
    return Sheet() ? Sheet()->Button(ID_WIZNEXT) : nullptr;
}

void CNameQuizPage::OnPictureButton(int id)
{
    if (id == IDB_DISK_BUTTON)
        SaveAs();
}

void CNameQuizPage::SaveAs()
{
    const QString path = AskSaveQuizPath();
    if (path.isEmpty())
        return;
    if (RefuseReadOnly(path))
        return;
    // The name goes into the file with the first save; a failed save forgets it again.
    const QString previousName = m_pDoc->m_strQuizName;
    m_pDoc->m_strQuizName = QuizNameOf(path);
    if (!m_pDoc->OnSaveDocument(path)) {
        m_pDoc->m_strQuizName = previousName;
        return;
    }
    const auto folderEnd = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    m_context.m_strQuizDir = path.left(folderEnd + 1);
    m_pDoc->m_nManagerBackPage = PAGE_NAME_QUIZ;
    PostNextPage();
}

bool CNameQuizPage::RefuseReadOnly(const QString& path)
{
    // A read-only quiz is not replaced: said before anything is written.
    const QFileInfo file(path);
    if (!file.exists() || file.isWritable())
        return false;
    if (CPrompt* prompt = m_pDoc->Prompt()) {
        prompt->ShowWarning(tr("The quiz \"%1\" is read-only, so it cannot be replaced. Please "
                               "choose another name for your quiz.")
                                .arg(file.fileName()));
    }
    return true;
}

int CNameQuizPage::OnWizardNext()
{
    SaveAs();
    return WIZ_STAY;
}

int CNameQuizPage::OnWizardBack()
{
    PostPrevPage();
    return WIZ_STAY;
}

bool CNameQuizPage::OnQueryCancel()
{
    PostGoToPage(PAGE_WELCOME);
    return false;
}

void CNameQuizPage::PaintPage(QPainter& painter)
{
    DrawPicture(painter, m_pHeader.get(), kHeaderAt);
}
