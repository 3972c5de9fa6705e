#include "TableSelection.h"

#include <QPainter>

namespace Korvel {

void FramedSelection::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_Selected)) return;
    constexpr int line = 3;
    const QRect r = option.rect;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(option.palette.color(QPalette::Highlight));
    painter->drawRect(r.left(), r.top(), r.width(), line);
    painter->drawRect(r.left(), r.bottom() - line + 1, r.width(), line);
    if (index.column() == 0) painter->drawRect(r.left(), r.top(), line, r.height());
    if (index.column() == index.model()->columnCount() - 1)
        painter->drawRect(r.right() - line + 1, r.top(), line, r.height());
    painter->restore();
}

} // namespace Korvel
