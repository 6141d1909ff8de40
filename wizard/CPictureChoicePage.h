#pragma once

#include "CQuizPage.h"

class CPictureButton;

// A page whose big picture buttons form one choice group: the button last
// pressed stays drawn pressed until another one is pressed.
class CPictureChoicePage : public CQuizPage
{
    Q_OBJECT

public:
    using CQuizPage::CQuizPage;

protected:
    // Runs the action of a picture button, from a press or from the keyboard.
    virtual void OnPictureButton(int id) = 0;

    // Creates a latching picture button with its accessible name and description.
    CPictureButton* AddPictureButton(int id, const QString& name, const QString& description,
                                     const QRect& geometry);
    // Attaches the faces again and forgets which button was pressed.
    void ResetPictureButtons();
    // The picture button that Enter presses on this page.
    void SetDefaultPicture(CPictureButton* button) { m_pDefault = button; }
    // Whether Enter presses the picture button in focus; otherwise it goes to the
    // sheet's default button.
    virtual bool EnterPressesFocusedPicture() const { return true; }
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnPictureClicked(CPictureButton* button);

    QList<CPictureButton*> m_buttons;
    CPictureButton* m_pPressed = nullptr;
    CPictureButton* m_pDefault = nullptr;
};
