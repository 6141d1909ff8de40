#include "CWidgetPrompt.h"

#include "CYesNoBox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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
    QFileDialog dialog(m_pParent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool CWidgetPrompt::ChoosePrinter(QPrinter* printer)
{
    QPrintDialog dialog(printer, m_pParent);
    return dialog.exec() == QDialog::Accepted;
}
