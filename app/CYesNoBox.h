#pragma once

#include "CPrompt.h"

#include <QMessageBox>

// A Yes/No message box in which only the Yes and No buttons answer. Escape and
// the window's close box end it without an answer (CPrompt::Reply::Cancel),
// where a plain message box would have taken them for No.
class CYesNoBox : public QMessageBox
{
    Q_OBJECT

public:
    CYesNoBox(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::StandardButton defaultButton);

    // How the box ended; Cancel until Yes or No is pressed.
    CPrompt::Reply Answer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
