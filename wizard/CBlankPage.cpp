#include "CBlankPage.h"

#include "QuizType.h"

#include <QLabel>

CBlankPage::CBlankPage(CWizardContext& context, const QString& title, QWidget* parent)
    : CQuizPage(context, parent)
{
    AddLabel(title, QRect(24, 24, 672, 32), true);
}

bool CBlankPage::OnQueryCancel()
{
    PostGoToPage(PAGE_WELCOME);
    return false;
}
