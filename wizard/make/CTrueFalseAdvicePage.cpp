#include "CTrueFalseAdvicePage.h"

#include "ResourceIds.h"

#include <QLabel>

CTrueFalseAdvicePage::CTrueFalseAdvicePage(CWizardContext& context, QWidget* parent)
    : CAdvicePage(context,
                  {QUIZ_TRUE_FALSE, IDB_TRUE_FALSE_ADVICE_BANNER, IDB_TRUE_FALSE_SIDE, 0,
                   IDS_TRUE_FALSE_ADVICE_TIPS},
                  parent)
{
    setObjectName(QStringLiteral("trueFalseAdvicePage"));
    AddLabel(tr("To make a true-false quiz, type a series of statements, each one either true or "
                "false. Later, when you take the quiz, you will see the statement, and you will "
                "need to answer if you think it is true or false."),
             LeftTextRect(), false)
        ->setObjectName(QStringLiteral("adviceText"));
}
