#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// The program's English texts that a translation renders differently (names such as
// "Tutorama" that stay the same are left out), read from a .ts file, and a test of whether a
// text a user sees is one of them.
class CEnglishTexts
{
public:
    explicit CEnglishTexts(const QString& tsPath);

    // Whether the text, without its '&' marks, is one of the English texts (texts with %1 or
    // %n match with anything in those places).
    bool IsEnglish(const QString& text) const;
    // Whether the line holds one of the English texts of the given contexts inside it.
    bool HoldsEnglish(const QString& line, const QStringList& contexts) const;
    int Count() const { return int(m_exact.size()); }

    // Every text a user sees below a window: its title, labels, buttons, group titles,
    // read-only messages, accessible names and descriptions, tool tips.
    static QStringList ShownTexts(QWidget* window);

private:
    void Add(const QString& context, const QString& source);

    QSet<QString> m_exact;
    QList<QRegularExpression> m_patterns; // texts with %1 ... or %n
    QHash<QString, QStringList> m_byContext;
};
