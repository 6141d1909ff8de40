#include "CYesNoBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

CYesNoBox::CYesNoBox(QWidget* parent, const QString& title, const QString& text,
                     QMessageBox::StandardButton defaultButton)
    : QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent)
{
    setObjectName(QStringLiteral("yesNoBox"));
    setDefaultButton(defaultButton);
}

CPrompt::Reply CYesNoBox::Answer() const
{
    const QAbstractButton* clicked = clickedButton();
    if (clicked && clicked == button(QMessageBox::Yes))
        return CPrompt::Reply::Yes;
    if (clicked && clicked == button(QMessageBox::No))
        return CPrompt::Reply::No;
    return CPrompt::Reply::Cancel;
}

void CYesNoBox::keyPressEvent(QKeyEvent* event)
{
    // A message box clicks No on Escape; here Escape only closes the box.
    if (event->matches(QKeySequence::Cancel)) {
        reject();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void CYesNoBox::closeEvent(QCloseEvent* event)
{
    // Not the message box's own handling, which would click No.
    event->accept();
    reject();
}
