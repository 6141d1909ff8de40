#include "CMathAdvicePage.h"

#include "ResourceIds.h"

CMathAdvicePage::CMathAdvicePage(CWizardContext& context, QWidget* parent)
    : CAdvicePage(
          context,
          {QUIZ_MATH, IDB_MATH_ADVICE_BANNER, IDB_MATH_SIDE, IDS_MATH_ADVICE, IDS_MATH_ADVICE_TIPS},
          parent)
{
    setObjectName(QStringLiteral("mathAdvicePage"));
}
