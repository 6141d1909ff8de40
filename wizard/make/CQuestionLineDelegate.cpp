#include "CQuestionLineDelegate.h"

#include <QApplication>
#include <QPainter>

void CQuestionLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const QString text = line.text;
    line.text.clear();
    const QWidget* widget = line.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The style draws the background, the selection and the focus frame.
    style->drawControl(QStyle::CE_ItemViewItem, &line, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &line, widget);
    const bool selected = line.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(line.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (line.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(line.font);
    painter->setPen(
        line.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    painter->drawText(textRect.adjusted(margin, 0, -margin, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

void CQuestionLineDelegate::initStyleOption(QStyleOptionViewItem* option,
                                            const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The item view hands line breaks over as line separators, which even a single line of
    // text breaks at: a question's lines stand side by side on its one line instead.
    option->text.replace(QChar::LineSeparator, u' ');
}
