#pragma once

#include <QString>

// The language the program speaks to its user, and the files it keeps per language: the help
// and the advice documents in a folder or file named by the language's code, English beside
// them as the fallback.
class CProgramLanguage
{
public:
    // The two- or three-letter code of the user's language ("de", "fr"), "en" for the plain
    // C locale.
    static QString Code();

    // dir/<code>/name when that file exists, else dir/name.
    static QString FileIn(const QString& dir, const QString& name, const QString& code = Code());
};
