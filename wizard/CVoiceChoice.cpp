#include "CVoiceChoice.h"

#include "CQuizVoice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

CVoiceChoice::CVoiceChoice(CQuizVoice* voice, const QFont& font, QWidget* parent)
    : QWidget(parent), m_pVoice(voice), m_pLabel(new QLabel(tr("Words are spoken in:"), this)),
      m_pBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("voiceChoice"));
    m_pBox->setObjectName(QStringLiteral("voiceLanguage"));
    m_pBox->setAccessibleName(tr("Language of the voice"));
    m_pBox->setAccessibleDescription(tr("The language the computer reads the spelling words in."));
    m_pLabel->setBuddy(m_pBox);
    m_pLabel->setFont(font);
    m_pBox->setFont(font);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pLabel);
    layout->addWidget(m_pBox, 1);
    connect(m_pBox, &QComboBox::currentIndexChanged, this, &CVoiceChoice::OnPicked);
}

void CVoiceChoice::ShowQuiz(const QString& quizPath)
{
    m_strQuizPath = quizPath;
    const QString current = m_pVoice ? m_pVoice->Language(quizPath) : QString();
    const QSignalBlocker quiet(m_pBox);
    m_pBox->clear();
    QStringList languages = CQuizVoice::Languages();
    if (!current.isEmpty() && !languages.contains(current))
        languages.append(current); // a choice kept from a voice no longer installed
    for (const QString& language : languages)
        m_pBox->addItem(CQuizVoice::DisplayName(language), language);
    m_pBox->model()->sort(0);
    m_pBox->setCurrentIndex(m_pBox->findData(current));
}

QString CVoiceChoice::Language() const
{
    return m_pBox->currentData().toString();
}

void CVoiceChoice::OnPicked(int index)
{
    if (m_pVoice && index >= 0)
        m_pVoice->Choose(m_strQuizPath, m_pBox->itemData(index).toString());
}
