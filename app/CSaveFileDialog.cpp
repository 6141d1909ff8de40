#include "CSaveFileDialog.h"

#include <QFileInfo>

CSaveFileDialog::CSaveFileDialog(QWidget* parent, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix)
    : QFileDialog(parent, QString(), folder, filter)
{
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(defaultSuffix);
}

void CSaveFileDialog::accept()
{
    const QFileInfo chosen(selectedFiles().value(0));
    const bool readOnly = chosen.exists() && chosen.isFile() && !chosen.isWritable();
    setOption(QFileDialog::DontConfirmOverwrite, readOnly);
    QFileDialog::accept();
    setOption(QFileDialog::DontConfirmOverwrite, false);
}
