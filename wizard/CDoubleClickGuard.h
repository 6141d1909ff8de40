#pragma once

#include <QObject>

class QWidget;

// The sheet's buttons sit in fixed slots, so the second click of a double
// click would press whatever button the next page has in that place (Cancel,
// then the welcome page's Close). Once the sheet has moved to another page,
// a press on a watched button that comes within the double-click interval of
// the press before it is swallowed.
class CDoubleClickGuard : public QObject
{
    Q_OBJECT

public:
    explicit CDoubleClickGuard(QObject* parent);

    void Watch(QWidget* button);
    // The sheet has just moved to another page.
    void NoteMove() { m_bMovedSincePress = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bHasPress = false;
    bool m_bMovedSincePress = false;
    quint64 m_nLastPress = 0; // the input time stamp of the last press that went through
};
