#pragma once

#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTimer>

class CSheetHarness;
class QWidget;

// A pupil who does random things to the real sheet: clicks any usable
// button, types into any box, presses keys, picks list lines, and answers
// every question the program asks, the scripted ones and the real dialogs
// alike. Everything comes from one seed, so a failing run can be repeated.
class CRandomPupil
{
public:
    CRandomPupil(quint32 seed, QStringList openFiles, QStringList saveFiles, QString printerFile);
    ~CRandomPupil();
    CRandomPupil(const CRandomPupil&) = delete;
    CRandomPupil& operator=(const CRandomPupil&) = delete;

    // The sheet the pupil works on; the real dialogs it opens are answered
    // from now on.
    void Attach(CSheetHarness* harness);
    // Stops answering dialogs, before the sheet goes away.
    void Detach();
    // One random action on the sheet; returns what was done, for the log.
    QString Step();

    int m_nClicks = 0;
    int m_nKeys = 0;
    int m_nTexts = 0;
    int m_nListPicks = 0;
    int m_nScriptedAnswers = 0;
    int m_nDialogActions = 0;

private:
    void QueueScriptedAnswers();
    QString ClickSomething(bool preferSheetRow);
    QString TypeSomething();
    QString PressKey(QWidget* target);
    QString PickListLine();
    QString AnswerAndMoveOn();
    QString RandomText();
    // The modal dialog open over the sheet, if any.
    QWidget* OpenDialog() const;
    void AnswerOpenDialog();
    void ActOnDialog(QWidget* dialog);
    QWidget* Target() const;
    int Below(int bound) { return static_cast<int>(m_random.bounded(quint32(bound))); }

    QRandomGenerator m_random;
    QRandomGenerator m_dialogRandom; // the real dialogs' answers, apart from the steps
    QStringList m_openFiles;
    QStringList m_saveFiles;
    QString m_strPrinterFile;
    CSheetHarness* m_pHarness = nullptr;
    QTimer m_dialogTimer;
    QPointer<QWidget> m_pLastDialog;
    int m_nActionsOnDialog = 0;
};
