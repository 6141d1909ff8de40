#pragma once

#include <QLineEdit>

// A one-line text box whose paste never loses text: a paste replaces the
// selection, also from a page's Paste button, and a clipboard without text
// (a picture) changes nothing. It can keep its text in lower case as it is
// typed or pasted, so that undo keeps working.
class CLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CLineEdit(QWidget* parent = nullptr);

    // Letters typed or pasted go in as lower case.
    void SetLowerCase(bool lowerCase) { m_bLowerCase = lowerCase; }
    // A page's Paste button: the clipboard's text replaces the selection the
    // box had when the button was pressed.
    void PasteFromButton();

    static bool ClipboardOffersText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PasteText();
    QString Filtered(const QString& text) const;

    bool m_bLowerCase = false;
    // The selection given up when the box lost the focus, with the text it was in.
    int m_nKeptStart = -1;
    int m_nKeptLength = 0;
    QString m_strKeptText;
};
