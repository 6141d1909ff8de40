#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: a window beside the wizard that explains making and taking quizzes.
class CHelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows the contents page.
    void ShowContents();
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    static QString ContentsFile();

    QTextBrowser* m_pBrowser;
};
