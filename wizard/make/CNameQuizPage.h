#pragma once

#include "CPictureChoicePage.h"

class CDib;
class CPictureButton;
class QLabel;

// Page 2: gives a new quiz its file, so it can be saved after every change.
class CNameQuizPage : public CPictureChoicePage
{
    Q_OBJECT

public:
    explicit CNameQuizPage(CWizardContext& context, QWidget* parent = nullptr);
    ~CNameQuizPage() override;

    void OnSetActive() override;
    int OnWizardBack() override;
    int OnWizardNext() override;
    bool OnQueryCancel() override;
    QPushButton* DefaultButton() const override;

    // The file name part of a path: everything after its last "/".
    static QString QuizNameOf(const QString& path);

protected:
    void OnPictureButton(int id) override;
    void PaintPage(QPainter& painter) override;

private:
    void SaveAs();
    // Tells the user and returns true when path is a file that cannot be replaced.
    bool RefuseReadOnly(const QString& path);

    std::unique_ptr<CDib> m_pHeader;
    std::unique_ptr<CDib> m_pDiskFace;
    CPictureButton* m_pDiskButton;
};
