#include "CLineEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

CLineEdit::CLineEdit(QWidget* parent) : QLineEdit(parent) {}

bool CLineEdit::ClipboardOffersText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

QString CLineEdit::Filtered(const QString& text) const
{
    return m_bLowerCase ? text.toLower() : text;
}

void CLineEdit::PasteText()
{
    // insert() replaces the selection and is one step of the undo history.
    if (!isReadOnly() && ClipboardOffersText())
        insert(Filtered(QGuiApplication::clipboard()->text()));
}

void CLineEdit::PasteFromButton()
{
    // A button that took the focus took the selection with it; give it back.
    if (!hasFocus() && !hasSelectedText() && m_nKeptStart >= 0 && text() == m_strKeptText)
        setSelection(m_nKeptStart, m_nKeptLength);
    PasteText();
}

void CLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        PasteText();
        event->accept();
        return;
    }
    const QString typed = Filtered(event->text());
    if (typed != event->text()) {
        // The same key with lower-case text, typed like any other letter.
        QKeyEvent lower(event->type(), event->key(), event->modifiers(), typed,
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&lower);
        event->setAccepted(lower.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = Filtered(event->commitString());
    if (committed != event->commitString())
        event->setCommitString(committed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}

void CLineEdit::focusOutEvent(QFocusEvent* event)
{
    m_nKeptStart = hasSelectedText() ? selectionStart() : -1;
    m_nKeptLength = static_cast<int>(selectedText().size());
    m_strKeptText = text();
    QLineEdit::focusOutEvent(event);
}
