#pragma once

#include <QStyledItemDelegate>

// Paints a line of the question manager's list as one plain line of text. The
// standard delegate lays each text out three times (size, elision, drawing);
// these lines are never elided or wrapped, so once is enough, and the list of
// a big quiz stays quick to show on every visit of the page.
class CQuestionLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
