#pragma once

class QAbstractButton;

// Checks or unchecks a button of an auto-exclusive choice. Unlike setChecked, it
// also unchecks the button that holds the choice, so that a choice can be
// shown as not made yet.
void SetExclusiveChecked(QAbstractButton* button, bool checked);
