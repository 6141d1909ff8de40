#include "CTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
// Where the build compiles the program's .qm files in.
const QString kProgramTranslations = QStringLiteral(":/i18n");
} // namespace

CTranslations::CTranslations(const QLocale& locale)
{
    m_bProgram = m_program.load(locale, QStringLiteral("tutorama"), QStringLiteral("_"),
                                kProgramTranslations) &&
                 QCoreApplication::installTranslator(&m_program);
    m_bQt = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(&m_qt);
}

CTranslations::~CTranslations()
{
    if (m_bQt)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_bProgram)
        QCoreApplication::removeTranslator(&m_program);
}
