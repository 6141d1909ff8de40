#include "ExclusiveChoice.h"

#include <QAbstractButton>

void SetExclusiveChecked(QAbstractButton* button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    // An exclusive button refuses to be unchecked while it holds the choice.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}
