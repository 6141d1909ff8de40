#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs work once a window has painted for the first time: what the pupil does not need
// to see the first page waits until that page is on the screen.
class CAfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    // The hook belongs to the window and goes once the work has run.
    static void Run(QWidget* window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CAfterFirstPaint(QWidget* window, std::function<void()> work);

    std::function<void()> m_work;
};
