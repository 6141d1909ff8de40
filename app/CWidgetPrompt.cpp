#include "CWidgetPrompt.h"

#include "CPrintService.h"
#include "CSaveFileDialog.h"
#include "CYesNoBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString AppName()
{
    return QCoreApplication::translate("CWidgetPrompt", "Tutorama");
}
} // namespace

CPrompt::Reply CWidgetPrompt::AskYesNo(const QString& text, Reply defaultReply)
{
    CYesNoBox box(m_pParent, AppName(), text,
                  defaultReply == Reply::No ? QMessageBox::No : QMessageBox::Yes);
    box.exec();
    return box.Answer();
}

void CWidgetPrompt::ShowMessage(const QString& text)
{
    QMessageBox::information(m_pParent, AppName(), text, QMessageBox::Ok);
}

void CWidgetPrompt::ShowWarning(const QString& text)
{
    QMessageBox::warning(m_pParent, AppName(), text, QMessageBox::Ok);
}

int CWidgetPrompt::AskChoice(const QString& text, const QStringList& choices, int cancelChoice)
{
    QMessageBox box(QMessageBox::Warning, AppName(), text, QMessageBox::NoButton, m_pParent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::ActionRole));
    // Escape and the close box are the cancel choice; the first one is the default.
    if (cancelChoice >= 0 && cancelChoice < buttons.size())
        box.setEscapeButton(buttons[cancelChoice]);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    const int index = int(buttons.indexOf(box.clickedButton()));
    return index >= 0 ? index : cancelChoice;
}

QString CWidgetPrompt::GetOpenFileName(const QString& folder, const QString& filter)
{
    QFileDialog dialog(m_pParent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString CWidgetPrompt::GetSaveFileName(const QString& folder, const QString& filter,
                                       const QString& defaultSuffix)
{
    CSaveFileDialog dialog(m_pParent, folder, filter, defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool CWidgetPrompt::ChoosePrinter(QPrinter* printer)
{
    // Asked only while printing, so the print module is there.
    return m_pPrint && m_pPrint->ChoosePrinter(printer, m_pParent);
}
