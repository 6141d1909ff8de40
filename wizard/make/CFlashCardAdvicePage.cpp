#include "CFlashCardAdvicePage.h"

#include "ResourceIds.h"

CFlashCardAdvicePage::CFlashCardAdvicePage(CWizardContext& context, QWidget* parent)
    : CAdvicePage(context,
                  {QUIZ_FLASH_CARD, IDB_FLASH_CARD_ADVICE_BANNER, IDB_FLASH_CARD_SIDE,
                   IDS_FLASH_CARD_ADVICE, IDS_FLASH_CARD_ADVICE_TIPS},
                  parent)
{
    setObjectName(QStringLiteral("flashCardAdvicePage"));
}
