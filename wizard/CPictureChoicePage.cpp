#include "CPictureChoicePage.h"

#include "CMessageEvent.h"
#include "CPictureButton.h"

#include <QKeyEvent>
#include <QShortcut>

CPictureButton* CPictureChoicePage::AddPictureButton(int id, const QString& name,
                                                     const QString& description,
                                                     const QRect& geometry)
{
    auto* button = new CPictureButton(id, this);
    button->setObjectName(QStringLiteral("pictureButton%1").arg(id));
    button->setGeometry(geometry);
    button->setAccessibleName(QString(name).remove(u'&'));
    button->setAccessibleDescription(description);
    button->SetMode(1);
    // The & mark of the caption works as a keyboard shortcut, as on a push button, and only
    // while the button is shown and usable; its tooltip tells the key.
    const QKeySequence key = QKeySequence::mnemonic(name);
    auto* shortcut = new QShortcut(key, button);
    connect(shortcut, &QShortcut::activated, this, [this, id] { OnPictureButton(id); });
    if (!key.isEmpty())
        button->setToolTip(
            tr("%1 (%2)").arg(button->accessibleName(), key.toString(QKeySequence::NativeText)));
    // The button that has the focus is the one Enter presses.
    connect(button, &CPictureButton::focusReceived, this,
            [this, button] { SetDefaultPicture(button); });
    m_buttons.append(button);
    return button;
}

void CPictureChoicePage::ResetPictureButtons()
{
    for (CPictureButton* button : std::as_const(m_buttons))
        button->SetPressed(false);
    m_pPressed = nullptr;
}

void CPictureChoicePage::OnPictureClicked(CPictureButton* button)
{
    // A momentary button (a speaker) acts and springs back: the choice shown stays.
    if (button->Mode() == CPictureButton::kMomentary) {
        OnPictureButton(button->Id());
        return;
    }
    if (m_pPressed)
        m_pPressed->SetPressed(false);
    m_pPressed = button;
    button->SetPressed(true);
    OnPictureButton(button->Id());
}

bool CPictureChoicePage::event(QEvent* event)
{
    if (static_cast<int>(event->type()) == WM_PICTURE_BUTTON_CLICKED) {
        auto* message = static_cast<CMessageEvent*>(event);
        if (auto* button = qobject_cast<CPictureButton*>(message->LParam()))
            OnPictureClicked(button);
        return true;
    }
    return CQuizPage::event(event);
}

void CPictureChoicePage::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && m_pDefault &&
        EnterPressesFocusedPicture()) {
        OnPictureButton(m_pDefault->Id());
        return;
    }
    CQuizPage::keyPressEvent(event);
}
