#include "CEnglishTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QXmlStreamReader>

#include <algorithm>

namespace {
const QRegularExpression kPlaceholder(QStringLiteral("%(\\d|n)"));

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&')).trimmed();
}
} // namespace

CEnglishTexts::CEnglishTexts(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QStringList translations;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            source.clear();
            translations.clear();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && (xml.name() == QLatin1String("translation") ||
                                            xml.name() == QLatin1String("numerusform"))) {
            const QString text =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!text.isEmpty())
                translations.append(text);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (!translations.contains(source.trimmed()))
                Add(context, source);
        }
    }
}

void CEnglishTexts::Add(const QString& context, const QString& source)
{
    const QString plain = Plain(source);
    if (plain.isEmpty())
        return;
    m_byContext[context].append(plain);
    if (!plain.contains(kPlaceholder)) {
        m_exact.insert(plain);
        return;
    }
    QString pattern = QRegularExpression::escape(plain);
    pattern.replace(kPlaceholder, QStringLiteral(".*"));
    m_patterns.append(QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                         QRegularExpression::DotMatchesEverythingOption));
}

bool CEnglishTexts::IsEnglish(const QString& text) const
{
    const QString plain = Plain(text);
    if (plain.isEmpty())
        return false;
    if (m_exact.contains(plain))
        return true;
    return std::any_of(m_patterns.cbegin(), m_patterns.cend(),
                       [&plain](const auto& re) { return re.match(plain).hasMatch(); });
}

bool CEnglishTexts::HoldsEnglish(const QString& line, const QStringList& contexts) const
{
    for (const QString& context : contexts) {
        for (const QString& english : m_byContext.value(context)) {
            // The fixed words of a text with placeholders, each long enough to mean something.
            for (const QString& part : english.split(kPlaceholder, Qt::SkipEmptyParts)) {
                const QString words = part.trimmed();
                if (words.size() > 3 && line.contains(words))
                    return true;
            }
        }
    }
    return false;
}

QStringList CEnglishTexts::ShownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts.append(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.append(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts.append(group->title());
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            texts.append(combo->currentText());
        else if (auto* message = qobject_cast<QPlainTextEdit*>(widget);
                 message && message->isReadOnly())
            texts.append(message->toPlainText());
        texts.append(widget->accessibleName());
        texts.append(widget->accessibleDescription());
        texts.append(widget->toolTip());
    }
    return texts;
}
