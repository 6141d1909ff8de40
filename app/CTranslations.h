#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own standard texts (buttons of message boxes, file dialogs,
// --help) in the language of a locale, installed for as long as this object lives.
class CTranslations
{
public:
    explicit CTranslations(const QLocale& locale);
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // Whether the program's own texts exist in that language (English needs none).
    bool HasProgramTexts() const { return m_bProgram; }
    // Whether Qt's standard texts were found (qt6-translations-l10n).
    bool HasQtTexts() const { return m_bQt; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_bProgram = false;
    bool m_bQt = false;
};
