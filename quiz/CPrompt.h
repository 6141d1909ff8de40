#pragma once

#include <QString>

class QPrinter;

// Every modal question the program asks goes through this interface, so that
// tests can answer them from a script instead of blocking on a real box.
class CPrompt
{
public:
    virtual ~CPrompt() = default;

    // How a Yes/No question ended. Cancel is Escape or the window's close box:
    // whoever asked must then leave everything exactly as it was.
    enum class Reply
    {
        Yes,
        No,
        Cancel
    };

    // A Yes/No question; Enter presses the default reply (Yes or No). A question
    // whose Yes destroys work passes Reply::No.
    virtual Reply AskYesNo(const QString& text, Reply defaultReply) = 0;
    // A message with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // The open dialog for an existing file; an empty result means cancelled.
    virtual QString GetOpenFileName(const QString& folder, const QString& filter) = 0;
    // The save-as dialog (asks before overwriting); an empty result means cancelled.
    virtual QString GetSaveFileName(const QString& folder, const QString& filter,
                                    const QString& defaultSuffix) = 0;
    // The printer dialog; false means cancelled.
    virtual bool ChoosePrinter(QPrinter* printer) = 0;
};
