#include "CHelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_pBrowser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Tutorama Help"));
    setModal(false);
    resize(640, 560);
    m_pBrowser->setOpenExternalLinks(false);
    m_pBrowser->setAccessibleName(tr("Help text"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pBrowser);
    layout->addWidget(buttons);
}

QString CHelpWindow::ContentsFile()
{
    // The help in the user's language where there is one ("de-AT" finds index_de.html).
    for (const QString& language : QLocale().uiLanguages()) {
        const QString file =
            QStringLiteral("help/index_%1.html").arg(language.section(QLatin1Char('-'), 0, 0));
        if (QFile::exists(QStringLiteral(":/") + file))
            return QStringLiteral("qrc:/") + file;
    }
    return QStringLiteral("qrc:/help/index.html");
}

void CHelpWindow::ShowContents()
{
    m_pBrowser->setSource(QUrl(ContentsFile()));
    show();
    raise();
    activateWindow();
}
