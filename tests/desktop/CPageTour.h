#pragma once

#include "CTakeDriver.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class CSheetHarness;
class QWidget;

// Walks a pupil's way through every page of the sheet, for every kind of quiz: making (welcome,
// start, name, format, question manager, advice, editor) and taking (introduction, question
// page, feedback dialog, score), and shows each stop to a visitor. The quizzes are written to
// the harness's folder first.
class CPageTour
{
public:
    // where: a name for failure messages, e.g. "page 13 (true/false)"; shown: the sheet, or the
    // feedback dialog while it is open.
    using Visitor = std::function<void(const QString& where, QWidget* shown)>;

    // A kind of quiz and two questions of it, with an answer a pupil would type (empty for
    // true/false, which is answered with its True button).
    struct Kind
    {
        int m_nType;
        QString m_strName;
        QList<CTakeDriver::Item> m_items;
        QString m_strAnswer;
    };
    static QList<Kind> Kinds();

    explicit CPageTour(CSheetHarness& harness);

    void Run(const Visitor& visit);
    // The page indexes the tour showed, in order.
    const QList<int>& PagesSeen() const { return m_pagesSeen; }

private:
    void Stop(const Visitor& visit, const QString& what);
    void MakingPages(const Visitor& visit, const Kind& kind, const QString& path);
    void TakingPages(const Visitor& visit, const Kind& kind, const QString& path);
    void NextWithFeedback(const Visitor& visit, const QString& where);
    void PrintDialog(const Visitor& visit, const QString& where);

    CSheetHarness& m_harness;
    QList<int> m_pagesSeen;
    QList<QByteArray> m_spoken; // the spelling words, recorded instead of played
};
