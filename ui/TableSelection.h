// Tables whose cells carry a verdict's colour: a selected row keeps its
// colours, and the selection is a frame around the row.
#pragma once

#include <QStyledItemDelegate>

namespace Korvel {

class FramedSelection : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace Korvel
